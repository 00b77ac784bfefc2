// The OSD's own notice: a small dark panel in the skin set's style (red
// accent, the emblem), drawn with QPainter so it stays sharp at any scale.
// A profile shows its number large with its name, the Windows-key lock a
// padlock with its text, anything else its text. It fades in, stays about
// two seconds and fades out; a new notice replaces the shown one at once.
// It never takes the focus or input: a click on it reaches the window below,
// and the window manager does not handle it (no task bar entry, kept above a
// fullscreen window).
#pragma once

#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <optional>
#include <vector>

#include "osd/OsdProgram.h"

namespace orvyn {

// Every notice, on X11 and on a layer shell alike: how long it stays, how
// long it fades, and how far below the screen's top it sits.
inline constexpr int kNoticeShownMs = 2000;
inline constexpr int kNoticeFadeMs = 150;
inline constexpr int kNoticeTopMargin = 48;

// One screen: its rectangle in the display server's pixels and its
// available area in Qt's logical pixels.
struct ScreenArea {
    QRect native;
    QRect available;
};

// The available area of the screen that holds the centre of the active
// window (given in the display server's pixels); without one, or when it is
// on none of them, the first screen's (the primary one goes first).
QRect noticeArea(const std::vector<ScreenArea> &screens, const std::optional<QRect> &activeWindow);

class NoticeOverlay final : public QWidget {
public:
    NoticeOverlay();

    // Shows `notice` at the top centre of `area` (a screen's available
    // area, in the screen's logical pixels).
    void present(const Notice &notice, const QRect &area);

    // The notice as escaped rich text: a title line and the body.
    QString text() const;
    const Notice &notice() const { return notice_; }

    // The panel's size for a notice, in logical pixels.
    static QSize panelSize(const Notice &notice);
    // Draws the panel for `notice` into a `size` rectangle at (0, 0).
    static void paintPanel(QPainter &p, const Notice &notice, QSize size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fadeTo(qreal opacity);

    Notice notice_;
    QTimer holdTimer_;
    QVariantAnimation fade_;
};

} // namespace orvyn
