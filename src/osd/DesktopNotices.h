// Notices through the desktop's notification service, closing the previous
// one first; the OSD's own overlay for about two seconds when no service is
// there, or when a fullscreen window has the focus (desktops keep banners
// back over fullscreen windows, which is when a profile notice matters). The
// overlay goes to the top centre of the active window's monitor. A slow service is not a missing one: nothing
// here waits for it, and an id that comes late is closed like any other.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>

#include "osd/LayerNotice.h"
#include "osd/NoticeOverlay.h"
#include "osd/OsdProgram.h"

namespace orvyn {

// The application entry notices belong to, so desktops can configure them.
inline constexpr const char *kNoticeDesktopEntry = "orvyn-vantor-option";

class DesktopNotices final : public QObject, public NoticeDisplay {
public:
    // True while a fullscreen window has the focus.
    using FullscreenProbe = std::function<bool()>;
    // The active window's rectangle in the display server's pixels.
    using ActiveWindowProbe = std::function<std::optional<QRect>()>;

    explicit DesktopNotices(FullscreenProbe fullscreen = {},
                            QDBusConnection bus = QDBusConnection::sessionBus());
    ~DesktopNotices() override;
    void show(const std::string &summary, const std::string &body) override;
    void showNotice(const Notice &notice) override;
    void setActiveWindowProbe(ActiveWindowProbe probe) { activeWindow_ = std::move(probe); }
    // On a compositor with a layer shell every notice goes there: above
    // native fullscreen windows, which neither X11 nor banners reach.
    void setLayerNotice(LayerNotice *layer) { layer_ = layer; }
    // Makes the overlay's window and loads its fonts now, so the first
    // notice in a game is as quick as the others.
    void prepareOverlay();

    // The overlay, when one was shown (tests look at it).
    NoticeOverlay *overlay() const { return overlay_.get(); }
    // The id of the notice on screen, once the service has told it.
    uint32_t lastNotificationId() const { return lastId_; }

private:
    void notify(const Notice &notice);
    void closeNotice(uint32_t id);
    void showOverlay(const Notice &notice);

    FullscreenProbe fullscreen_;
    ActiveWindowProbe activeWindow_;
    LayerNotice *layer_ = nullptr;
    QDBusConnection bus_;
    uint32_t lastId_ = 0;
    uint64_t sent_ = 0; // Notify calls made; the newest one's answer counts
    std::unique_ptr<NoticeOverlay> overlay_;
};

} // namespace orvyn
