// The shipped skin set: every skinned window of Option, and the extra
// pictures and resources that go beside the skin files.
#pragma once

#include "SkinModel.h"

#include <QImage>
#include <QString>

#include <vector>

namespace orvyn::skingen {

// The thirteen windows, each with its skin file name.
std::vector<SkinWindow> skinSet();

struct NamedImage {
    QString fileName;
    QImage image;
    const char *format; // "JPEG", "BMP" or "PNG"
};

// The record button's two picture sets of the macro manager, each picture
// the size of the button: start_record_{normal,over,down}.jpg and
// stop_record_{normal,over,down}.jpg.
std::vector<NamedImage> recordButtonPictures();

// The program's bitmap and icon resources (skins/resources/).
std::vector<NamedImage> resourcePictures();

// The program icon at one size (square).
QImage programIcon(int size);

} // namespace orvyn::skingen
