// Where the 104 standard keys sit on the drawn keyboard, in the position
// order of the remap table.
#pragma once

#include "option/skin/SkinNames.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace orvyn::skingen {

struct StandardKey {
    int position = 0; // 0-103
    uint8_t code = 0; // the key's own code (its default remap entry)
    QString name;     // spoken name, used in the help text
    QString legend;   // printed on the cap
    QString shifted;  // printed above the legend, when the cap has two
    QRect rect;       // relative to the top-left key (Escape)
};

inline constexpr int kEnterPosition = StandardKeyPageSkin::kEnterPosition;
inline constexpr int kEnterWidth = 34; // mask 308
inline constexpr int kEnterHeight = 49;

// The 104 keys in position order.
std::vector<StandardKey> standardKeys();

} // namespace orvyn::skingen
