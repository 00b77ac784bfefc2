// Monitor's own notices (a keyboard it may not open, a program key that
// cannot start) through the desktop's notification service, without waiting
// for it. When the service answers with an error (none there), the fallback
// gets the text instead.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

#include "monitor/HostInterfaces.h"

namespace orvyn {

// The application entry notices belong to, so desktops can configure them.
inline constexpr const char *kNoticeDesktopEntry = "orvyn-vantor-option";

class SessionNotifier final : public QObject, public Notifier {
public:
    using Fallback = std::function<void(const std::string &summary, const std::string &body)>;
    explicit SessionNotifier(Fallback fallback, QDBusConnection bus = QDBusConnection::sessionBus());

    void notify(const std::string &summary, const std::string &body) override;

private:
    Fallback fallback_;
    QDBusConnection bus_;
};

} // namespace orvyn
