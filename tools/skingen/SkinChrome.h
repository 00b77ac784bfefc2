// Everything of a window's pictures that is not a control: backgrounds,
// title bars, groups, headings and hints, one function per window. The
// control tables (SkinSet.cpp) share the few layouts the chrome draws
// around.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace orvyn::skingen {

// Main window: the rectangle the pages fill.
inline constexpr QRect kPageRect{220, 108, 720, 312};
inline constexpr QSize kConfigWindowSize{960, 500};
inline constexpr int kConfigChamfer = 14;

// Dialogs: corner cut and title bar height.
inline constexpr int kDialogChamfer = 12;
inline constexpr int kTitleBar = 40;
// The close button in a dialog's title bar.
inline constexpr QRect closeRect(QSize size) {
    return QRect(size.width() - 40, 6, 28, 28);
}

// Where the standard keys start on their page.
inline constexpr QPoint kKeysOrigin{40, 90};
// Badge of programmable key n (0-14, column by column) on the macro-key page.
inline constexpr QPoint macroKeyCell(int n) {
    return QPoint(16 + (n / 5) * 236, 80 + (n % 5) * 42);
}
// Badge of media key i (0-5) on the media-key page.
inline constexpr QPoint mediaKeyCell(int i) {
    return QPoint(32 + (i % 2) * 212, 104 + (i / 2) * 46);
}

void drawConfigChrome(QPainter &p, QSize size);
void drawStandardKeyChrome(QPainter &p, QSize size);
void drawMacroKeyChrome(QPainter &p, QSize size);
void drawMediaKeyChrome(QPainter &p, QSize size);
void drawAdvancedChrome(QPainter &p, QSize size);
void drawMacroManagerChrome(QPainter &p);
void drawLaunchProgramChrome(QPainter &p);
void drawProfileChrome(QPainter &p);
void drawShortcutChrome(QPainter &p);
void drawSwapKeyChrome(QPainter &p);
void drawWarningChrome(QPainter &p, const QString &message, const QString &detail);

// Base of a dialog: background, border and title bar with its heading.
void drawDialogBase(QPainter &p, QSize size, const QString &heading);

} // namespace orvyn::skingen
