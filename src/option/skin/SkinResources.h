// The skin folder and the program's bitmap and icon resources, which live
// as files in the skin folder's "resources/" sub-folder:
// bitmap<ID>.bmp and icon<ID>.png.
#pragma once

#include "option/skin/SkinNames.h"

#include <QImage>
#include <QString>

#include <string>

namespace orvyn {

inline constexpr int kEnterKeyMaskBitmap = static_cast<int>(SkinBitmap::EnterKeyMask);
inline constexpr int kProgramIcon = static_cast<int>(SkinIcon::Program);
inline constexpr int kSubmenuArrowIcon = static_cast<int>(SkinIcon::SubmenuArrow);

// <program folder>skins/, or what setSkinFolder() chose. Always ends in "/".
QString skinFolder();
// For tests and tools; an empty path returns to the default.
void setSkinFolder(const QString &folder);

// The set drawn for `language` under `skins` (ending in "/"): skins/<code>/
// when it holds the set, else `skins` itself (English, or a language
// without its own pictures).
QString languageSkinFolder(const QString &skins, const std::string &language);
// Option's pictures follow its language; a folder chosen with
// setSkinFolder() is kept.
void useLanguageSkins(const std::string &language);

// Empty image when the file is missing or cannot be decoded.
QImage loadResourceBitmap(int id);
QImage loadResourceIcon(int id);
inline QImage loadResourceIcon(SkinIcon icon) {
    return loadResourceIcon(static_cast<int>(icon));
}

} // namespace orvyn
