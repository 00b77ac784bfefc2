#include "osd/DesktopNotices.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QScreen>
#include <QVariantMap>

namespace orvyn {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kNoticeMs = 2000;

// Errors that mean nobody serves notices (as opposed to a late answer).
bool serviceMissing(const QDBusError &error) {
    return error.type() != QDBusError::NoReply && error.type() != QDBusError::Timeout &&
           error.type() != QDBusError::TimedOut;
}

} // namespace

DesktopNotices::DesktopNotices(FullscreenProbe fullscreen, QDBusConnection bus)
    : fullscreen_(std::move(fullscreen)), bus_(std::move(bus)) {}

DesktopNotices::~DesktopNotices() = default;

void DesktopNotices::closeNotice(uint32_t id) {
    QDBusMessage close =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CloseNotification"));
    close << id;
    bus_.send(close);
}

void DesktopNotices::notify(const Notice &notice) {
    const QString summary = QString::fromStdString(notice.summary);
    const QString body = QString::fromStdString(notice.body);
    if (lastId_ != 0) {
        closeNotice(lastId_);
        lastId_ = 0;
    }
    QVariantMap hints;
    // Passing notices: they need not pile up in the desktop's history.
    hints.insert(QStringLiteral("transient"), true);
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(kNoticeDesktopEntry));
    hints.insert(QStringLiteral("category"), QStringLiteral("device"));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QStringLiteral("Orvyn Vantor Keyboard") << uint32_t(0) << QStringLiteral("orvyn-vantor")
         << summary << body << QStringList() << hints << int32_t(kNoticeMs);
    const uint64_t mine = ++sent_;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, mine, notice] {
        watcher->deleteLater();
        const QDBusPendingReply<uint32_t> reply = *watcher;
        if (reply.isError()) {
            if (mine == sent_ && serviceMissing(reply.error()))
                showOverlay(notice);
            return;
        }
        if (mine == sent_)
            lastId_ = reply.value(); // closed before the next one
        else
            closeNotice(reply.value()); // a newer notice was asked for meanwhile
    });
}

void DesktopNotices::prepareOverlay() {
    if (!overlay_)
        overlay_ = std::make_unique<NoticeOverlay>();
    overlay_->winId();
    Notice sample;
    sample.kind = NoticeKind::Profile;
    sample.profileNumber = 1;
    sample.caption = sample.body = "Profile";
    NoticeOverlay::panelSize(sample);
}

void DesktopNotices::showOverlay(const Notice &notice) {
    if (!overlay_)
        overlay_ = std::make_unique<NoticeOverlay>();
    std::vector<ScreenArea> screens;
    const QList<QScreen *> all = QGuiApplication::screens();
    for (QScreen *screen : all) {
        const QRect logical = screen->geometry();
        // Qt keeps a screen's origin and scales its size.
        ScreenArea area{QRect(logical.topLeft(), logical.size() * screen->devicePixelRatio()),
                        screen->availableGeometry()};
        if (screen == QGuiApplication::primaryScreen())
            screens.insert(screens.begin(), area);
        else
            screens.push_back(area);
    }
    overlay_->present(notice, noticeArea(screens, activeWindow_ ? activeWindow_() : std::nullopt));
}

void DesktopNotices::show(const std::string &summary, const std::string &body) {
    Notice notice;
    notice.summary = summary;
    notice.body = body;
    showNotice(notice);
}

void DesktopNotices::showNotice(const Notice &notice) {
    const bool layerShell = layer_ != nullptr && layer_->available();
    if (layerShell || (fullscreen_ && fullscreen_())) {
        if (lastId_ != 0)
            closeNotice(lastId_);
        lastId_ = 0;
        ++sent_; // an answer still on its way is out of date
        if (layerShell)
            layer_->present(notice);
        else
            showOverlay(notice);
        return;
    }
    if (!bus_.isConnected()) {
        showOverlay(notice);
        return;
    }
    notify(notice);
}

} // namespace orvyn
