// Turns a SkinWindow into its files: the four state pictures, the mask and
// the skin description file.
#pragma once

#include "SkinModel.h"

#include <QString>

namespace orvyn::skingen {

// Full-window picture with every control in `state`.
QImage renderState(const SkinWindow &window, State state);
// Outline picture: black inside the window, white outside.
QImage renderMask(const SkinWindow &window);
// Text of the skin description file.
QString skinFileText(const SkinWindow &window);
// File names of the five pictures, in the order Mask, Normal, Over, Down, Disable.
QStringList pictureNames(const SkinWindow &window);

// Problems that would make a file unusable (a comma in a help text, a name
// too long, a control outside the window, two controls in one section).
QStringList checkWindow(const SkinWindow &window);

// Writes the pictures and the description file into `folder` (with a
// trailing "/"). False with `error` set when a file cannot be written.
bool writeSkinWindow(const SkinWindow &window, const QString &folder, QString *error);

// Saves a picture, reporting the file on failure.
bool saveImage(const QImage &image, const QString &path, const char *format, int quality, QString *error);
// Writes a text file, reporting the file on failure.
bool saveText(const QString &text, const QString &path, QString *error);

} // namespace orvyn::skingen
