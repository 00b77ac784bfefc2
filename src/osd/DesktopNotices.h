// Notices through the desktop's notification service, closing the previous
// one first; a small frameless overlay for about two seconds when no
// service is there, or when a fullscreen window has the focus (desktops keep
// banners back over fullscreen windows, which is when a profile notice
// matters). A slow service is not a missing one: nothing here waits for it,
// and an id that comes late is closed like any other.
#pragma once

#include <QDBusConnection>
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "osd/OsdProgram.h"

namespace orvyn {

// The application entry notices belong to, so desktops can configure them.
inline constexpr const char *kNoticeDesktopEntry = "orvyn-vantor-option";

class DesktopNotices final : public QObject, public NoticeDisplay {
public:
    // True while a fullscreen window has the focus.
    using FullscreenProbe = std::function<bool()>;

    explicit DesktopNotices(FullscreenProbe fullscreen = {},
                            QDBusConnection bus = QDBusConnection::sessionBus());
    ~DesktopNotices() override;
    void show(const std::string &summary, const std::string &body) override;

    // The overlay, when one was shown (tests look at it).
    QLabel *overlay() const { return overlay_.get(); }
    // The id of the notice on screen, once the service has told it.
    uint32_t lastNotificationId() const { return lastId_; }

private:
    void notify(const QString &summary, const QString &body);
    void closeNotice(uint32_t id);
    void showOverlay(const QString &summary, const QString &body);

    FullscreenProbe fullscreen_;
    QDBusConnection bus_;
    uint32_t lastId_ = 0;
    uint64_t sent_ = 0; // Notify calls made; the newest one's answer counts
    std::unique_ptr<QLabel> overlay_;
    QTimer hideTimer_;
};

} // namespace orvyn
