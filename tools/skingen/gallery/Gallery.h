// Builds every skinned window of Option from the shipped skins with the
// skin toolkit and renders it, so the look can be reviewed as pictures.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace orvyn::skingen {

struct GalleryShot {
    QString fileName; // e.g. "config_key_mapping.png"
    QImage image;
};

// Uses the toolkit's skin folder (see setSkinFolder()). The windows show
// sample captions and texts as Option would; a few windows come once more
// with every button under the pointer, pressed and disabled.
std::vector<GalleryShot> renderGallery();

} // namespace orvyn::skingen
