#include "SkinChrome.h"

#include "SkinPainter.h"
#include "StandardKeys.h"
#include <QCoreApplication>

#include <QFontMetrics>

namespace orvyn::skingen {

namespace {

using namespace palette;

void dimText(QPainter &p, QRect rect, const QString &text, int pixelSize = 12) {
    drawText(p, rect, text, bodyFont(pixelSize), textDim, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void label(QPainter &p, QRect rect, const QString &text, int pixelSize = 13) {
    drawText(p, rect, text, headingFont(pixelSize), textDim, Qt::AlignLeft | Qt::AlignVCenter);
}

// Key-name badge beside a programmable key's field.
void keyBadge(QPainter &p, QRect rect, const QString &text) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(46, 46, 53));
    g.setColorAt(1, QColor(28, 28, 33));
    p.setPen(QPen(lineHigh, 1));
    p.setBrush(g);
    p.drawPath(cutCornerPath(r, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRect(QRectF(r.left(), r.bottom() - 2, r.width() - 5, 2));
    drawText(p, rect.adjusted(0, 0, 0, -2), text, headingFont(15), text.isEmpty() ? textDim : palette::text,
             Qt::AlignCenter);
    p.restore();
}

// Page background: the pages are rectangular children of the main window.
void drawPageBase(QPainter &p, QSize size, const QString &heading, const QString &hint) {
    const QRectF all(0, 0, size.width(), size.height());
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, QColor(18, 18, 22));
    g.setColorAt(1, QColor(11, 11, 13));
    p.fillRect(all, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 5), 1));
    for (int x = -size.height(); x < size.width(); x += 6)
        p.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
    p.restore();
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(red, 2));
    p.drawLine(QPointF(1, 1), QPointF(40, 1));
    drawHeading(p, QPoint(16, 14), heading, 16, size.width() - 32);
    dimText(p, QRect(16, 36, size.width() - 32, 20), hint);
}

} // namespace

void drawDialogBase(QPainter &p, QSize size, const QString &heading) {
    drawWindowBase(p, size, kDialogChamfer, heading, kTitleBar);
}

void drawConfigChrome(QPainter &p, QSize size) {
    drawWindowBase(p, size, kConfigChamfer, QString(), 52);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Brand.
    const QString first = QStringLiteral("ORVYN ");
    const int firstWidth = QFontMetrics(headingFont(24)).horizontalAdvance(first);
    drawText(p, QRect(66, 8, 200, 26), first, headingFont(24), palette::text);
    drawText(p, QRect(66 + firstWidth, 8, 200, 26), QStringLiteral("VANTOR"), headingFont(24), red);
    drawText(p, QRect(67, 32, 300, 14),
             QCoreApplication::translate("SkinMain", "GAMING KEYBOARD CONTROL CENTER"), headingFont(11),
             textDim);
    // Profiles column.
    drawGroup(p, QRect(20, 64, 176, 372), QCoreApplication::translate("SkinMain", "PROFILES"));
    p.setPen(QPen(line, 1));
    p.drawLine(QPointF(32, 296.5), QPointF(184, 296.5));
    p.drawLine(QPointF(32, 378.5), QPointF(184, 378.5));
    // Room of the pages.
    p.fillRect(kPageRect.adjusted(-1, -1, 1, 1), QColor(46, 46, 53));
    p.fillRect(kPageRect, QColor(14, 14, 17));
    drawText(p, kPageRect, QStringLiteral("ORVYN VANTOR"), headingFont(40), QColor(30, 30, 35),
             Qt::AlignCenter);
    // Footer line.
    p.setPen(QPen(line, 1));
    p.drawLine(QPointF(20, 436.5), QPointF(940, 436.5));
}

void drawStandardKeyChrome(QPainter &p, QSize size) {
    QRect bounds;
    for (const StandardKey &k : standardKeys())
        bounds |= k.rect.translated(kKeysOrigin);
    drawPageBase(p, size, QCoreApplication::translate("SkinKeyMapping", "KEY MAPPING"),
                 QCoreApplication::translate(
                     "SkinKeyMapping",
                     "Click a key to make it send another key or a mouse function. Remapped keys stay lit."));
    p.setRenderHint(QPainter::Antialiasing, true);
    // Keyboard case.
    const QRectF body = QRectF(bounds).adjusted(-14, -14, 14, 14);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(36, 36, 42));
    g.setColorAt(0.06, QColor(22, 22, 26));
    g.setColorAt(1, QColor(9, 9, 11));
    p.setPen(QPen(QColor(62, 62, 70), 1));
    p.setBrush(g);
    p.drawPath(cutCornerPath(body, 14));
    p.setPen(QPen(red, 2));
    p.drawLine(QPointF(body.left() + 16, body.bottom() - 0.5),
               QPointF(body.right() - 16, body.bottom() - 0.5));
    // Plate under the keys.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(7, 7, 8));
    p.drawRoundedRect(QRectF(bounds).adjusted(-4, -4, 4, 4), 3, 3);
    // Lock lights above the keypad.
    const int padLeft = kKeysOrigin.x() + 76 * 7;
    const char *lights[] = {QT_TRANSLATE_NOOP("SkinKeyMapping", "NUM"),
                            QT_TRANSLATE_NOOP("SkinKeyMapping", "CAPS"),
                            QT_TRANSLATE_NOOP("SkinKeyMapping", "SCROLL")};
    for (int i = 0; i < 3; ++i) {
        const QRectF led(padLeft + 8 + i * 34, kKeysOrigin.y() + 4, 12, 4);
        p.setBrush(i == 0 ? QColor(200, 16, 24) : QColor(48, 16, 18));
        p.drawRoundedRect(led, 1.5, 1.5);
        // A long name takes a second line in the room above the keys.
        drawText(p, QRect(int(led.left()) - 11, kKeysOrigin.y() + 9, 34, 24),
                 QCoreApplication::translate("SkinKeyMapping", lights[i]), headingFont(8), textDim,
                 Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    }
    // Legend below the keyboard.
    const int y = int(body.bottom()) + 12;
    QRectF lit(16, y, 18, 16), unlit(176, y, 18, 16);
    p.setBrush(QColor(200, 18, 26));
    p.setPen(QPen(redHigh, 1));
    p.drawRoundedRect(lit, 3, 3);
    p.setBrush(QColor(40, 40, 46));
    p.setPen(QPen(QColor(66, 66, 75), 1));
    p.drawRoundedRect(unlit, 3, 3);
    dimText(p, QRect(40, y + 1, 130, 16), QCoreApplication::translate("SkinKeyMapping", "Remapped key"));
    dimText(p, QRect(200, y + 1, 160, 16), QCoreApplication::translate("SkinKeyMapping", "Default key"));
}

void drawMacroKeyChrome(QPainter &p, QSize size) {
    drawPageBase(p, size, QCoreApplication::translate("SkinMacroKeys", "MACRO KEYS"),
                 QCoreApplication::translate("SkinMacroKeys",
                                             "Click a key to give it a macro, a key combination, a "
                                             "program, a media function or a mouse button."));
    for (int n = 0; n < 15; ++n)
        keyBadge(p, QRect(macroKeyCell(n), QSize(40, 30)), QStringLiteral("G%1").arg(n + 1));
    dimText(
        p, QRect(16, 290, 680, 16),
        QCoreApplication::translate(
            "SkinMacroKeys", "G9 to G14 are the media keys: the Media Keys page shows the same six keys."),
        11);
}

void drawMediaKeyChrome(QPainter &p, QSize size) {
    drawPageBase(p, size, QCoreApplication::translate("SkinMediaKeys", "MEDIA KEYS"),
                 QCoreApplication::translate("SkinMediaKeys",
                                             "Click a media key to choose its function. The media "
                                             "keys drive the player chosen on the right."));
    drawGroup(p, QRect(16, 64, 440, 232), QCoreApplication::translate("SkinMediaKeys", "KEYS"));
    drawGroup(p, QRect(472, 64, 232, 232), QCoreApplication::translate("SkinMediaKeys", "MEDIA PLAYER"));
    for (int i = 0; i < 6; ++i)
        keyBadge(p, QRect(mediaKeyCell(i), QSize(44, 30)), QStringLiteral("M%1").arg(i + 1));
    dimText(
        p, QRect(32, 248, 400, 40),
        QCoreApplication::translate("SkinMediaKeys", "M1 to M6 are keys G9 to G14 of the Macro Keys page."),
        11);
    dimText(p, QRect(488, 96, 200, 32),
            QCoreApplication::translate("SkinMediaKeys", "The media keys control this player:"));
    dimText(
        p, QRect(488, 176, 200, 100),
        QCoreApplication::translate(
            "SkinMediaKeys", "Play, pause, stop and track keys go to the chosen player when it is running."),
        11);
}

void drawAdvancedChrome(QPainter &p, QSize size) {
    drawPageBase(p, size, QCoreApplication::translate("SkinAdvanced", "ADVANCED"),
                 QCoreApplication::translate(
                     "SkinAdvanced",
                     "Settings of the current profile. They reach the keyboard when you press APPLY or OK."));
    drawGroup(p, QRect(16, 62, 336, 114), QCoreApplication::translate("SkinAdvanced", "POLLING RATE"));
    dimText(p, QRect(32, 94, 310, 16),
            QCoreApplication::translate("SkinAdvanced", "How often the keyboard reports to the computer."),
            11);
    drawGroup(p, QRect(368, 62, 336, 114), QCoreApplication::translate("SkinAdvanced", "LIGHTING"));
    label(p, QRect(384, 94, 150, 14), QCoreApplication::translate("SkinAdvanced", "EFFECT"), 12);
    label(p, QRect(546, 94, 142, 14), QCoreApplication::translate("SkinAdvanced", "COLOUR"), 12);
    drawGroup(p, QRect(16, 188, 336, 114), QCoreApplication::translate("SkinAdvanced", "WINDOWS KEY"));
    dimText(p, QRect(32, 220, 310, 16),
            QCoreApplication::translate("SkinAdvanced", "Lock it so that it cannot throw you out of a game."),
            11);
    drawGroup(p, QRect(368, 188, 336, 114), QCoreApplication::translate("SkinAdvanced", "POWER SAVING"));
    dimText(p, QRect(384, 220, 310, 16),
            QCoreApplication::translate("SkinAdvanced", "Lets the keyboard save power when it is idle."), 11);
}

void drawMacroManagerChrome(QPainter &p) {
    drawGroup(p, QRect(16, 52, 232, 340), QCoreApplication::translate("SkinMacroManager", "MACROS"));
    drawGroup(p, QRect(260, 52, 384, 340), QCoreApplication::translate("SkinMacroManager", "EVENTS"));
    label(p, QRect(556, 222, 80, 22), QCoreApplication::translate("SkinMacroManager", "TIMES"), 13);
    dimText(p, QRect(494, 262, 140, 120),
            QCoreApplication::translate("SkinMacroManager",
                                        "Right-click the event list to record before or after a step, insert "
                                        "delays and mouse buttons, edit or delete."),
            11);
}

void drawLaunchProgramChrome(QPainter &p) {
    label(p, QRect(20, 54, 400, 20),
          QCoreApplication::translate("SkinLaunchProgram", "PROGRAM TO START WHEN THE KEY IS PRESSED"));
}

void drawProfileChrome(QPainter &p) {
    label(p, QRect(20, 52, 300, 20), QCoreApplication::translate("SkinProfile", "PROFILE NAME"));
    label(p, QRect(20, 112, 300, 20), QCoreApplication::translate("SkinProfile", "GAME PROGRAM"));
    dimText(
        p, QRect(20, 132, 460, 30),
        QCoreApplication::translate(
            "SkinProfile",
            "Matched by file name only (like game.exe): when it comes to the front, this profile is used."),
        11);
}

void drawShortcutChrome(QPainter &p) {
    label(p, QRect(20, 52, 300, 20), QCoreApplication::translate("SkinShortcut", "PRESS THE KEY"));
    label(p, QRect(20, 124, 300, 20), QCoreApplication::translate("SkinShortcut", "WITH"));
    dimText(p, QRect(20, 192, 480, 30),
            QCoreApplication::translate("SkinShortcut",
                                        "Every key is recorded; hold Ctrl, Shift, Alt or Win with it for a "
                                        "combination. Hold Enter 1 s: OK; hold Esc 1 s: cancel."),
            11);
}

void drawSwapKeyChrome(QPainter &p) {
    p.setPen(QPen(line, 1));
    p.setBrush(QColor(8, 8, 10));
    p.drawRect(QRectF(16.5, 52.5, 427, 52));
    label(p, QRect(26, 56, 300, 18), QCoreApplication::translate("SkinSwapKey", "THIS KEY NOW SENDS"), 12);
    dimText(p, QRect(20, 210, 420, 32),
            QCoreApplication::translate("SkinSwapKey",
                                        "KEY: press the key it should send. MOUSE: choose a mouse "
                                        "function. Hold Enter 1 s: OK; hold Esc 1 s: cancel."),
            11);
}

void drawWarningChrome(QPainter &p, const QString &message, const QString &detail) {
    drawWarningSign(p, QRect(24, 62, 50, 44));
    drawText(p, QRect(92, 56, 310, 22), message, bodyFont(16, true), palette::text);
    dimText(p, QRect(92, 82, 310, 56), detail, 13);
}

} // namespace orvyn::skingen
