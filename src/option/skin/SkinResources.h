// The skin folder and the program's bitmap and icon resources, which live
// as files in the skin folder's "resources/" sub-folder:
// bitmap<ID>.bmp and icon<ID>.png.
#pragma once

#include <QImage>
#include <QString>

namespace orvyn {

inline constexpr int kEnterKeyMaskBitmap = 308; // outline of the Enter key
inline constexpr int kProgramIcon = 128;
inline constexpr int kSubmenuArrowIcon = 145;

// <program folder>skins/, or what setSkinFolder() chose. Always ends in "/".
QString skinFolder();
// For tests and tools; an empty path returns to the default.
void setSkinFolder(const QString &folder);

// Empty image when the file is missing or cannot be decoded.
QImage loadResourceBitmap(int id);
QImage loadResourceIcon(int id);

} // namespace orvyn
