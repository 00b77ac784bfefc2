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
constexpr int kOverlayMaxWidth = 640;

// Errors that mean nobody serves notices (as opposed to a late answer).
bool serviceMissing(const QDBusError &error) {
    return error.type() != QDBusError::NoReply && error.type() != QDBusError::Timeout &&
           error.type() != QDBusError::TimedOut;
}

} // namespace

DesktopNotices::DesktopNotices(FullscreenProbe fullscreen, QDBusConnection bus)
    : fullscreen_(std::move(fullscreen)), bus_(std::move(bus)) {
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, [this] {
        if (overlay_)
            overlay_->hide();
    });
}

DesktopNotices::~DesktopNotices() = default;

void DesktopNotices::closeNotice(uint32_t id) {
    QDBusMessage close =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CloseNotification"));
    close << id;
    bus_.send(close);
}

void DesktopNotices::notify(const QString &summary, const QString &body) {
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
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, mine, summary, body] {
        watcher->deleteLater();
        const QDBusPendingReply<uint32_t> reply = *watcher;
        if (reply.isError()) {
            if (mine == sent_ && serviceMissing(reply.error()))
                showOverlay(summary, body);
            return;
        }
        if (mine == sent_)
            lastId_ = reply.value(); // closed before the next one
        else
            closeNotice(reply.value()); // a newer notice was asked for meanwhile
    });
}

void DesktopNotices::showOverlay(const QString &summary, const QString &body) {
    if (!overlay_) {
        overlay_ = std::make_unique<QLabel>();
        // Bypassing the window manager keeps it above a fullscreen window.
        overlay_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                 Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint);
        overlay_->setAttribute(Qt::WA_ShowWithoutActivating);
        overlay_->setAlignment(Qt::AlignCenter);
        overlay_->setMargin(18);
        overlay_->setStyleSheet(QStringLiteral("QLabel { background: rgba(20, 20, 24, 230); color: #f0f0f0;"
                                               " border: 2px solid #c82828; border-radius: 10px;"
                                               " font-size: 20px; }"));
    }
    QString text = QStringLiteral("<b>%1</b>").arg(summary.toHtmlEscaped());
    if (!body.isEmpty())
        text += QStringLiteral("<br>") + body.toHtmlEscaped();
    overlay_->setText(text);
    // Long texts (a fix to type in) wrap at a fixed width instead of
    // running off the screen.
    overlay_->setWordWrap(false);
    overlay_->adjustSize();
    if (overlay_->sizeHint().width() > kOverlayMaxWidth) {
        overlay_->setWordWrap(true);
        overlay_->resize(kOverlayMaxWidth, overlay_->heightForWidth(kOverlayMaxWidth));
    }
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        overlay_->move(area.center().x() - overlay_->width() / 2,
                       area.bottom() - overlay_->height() - area.height() / 8);
    }
    overlay_->show();
    overlay_->raise();
    hideTimer_.start(kNoticeMs);
}

void DesktopNotices::show(const std::string &summary, const std::string &body) {
    const QString s = QString::fromUtf8(summary.data(), static_cast<qsizetype>(summary.size()));
    const QString b = QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size()));
    if (fullscreen_ && fullscreen_()) {
        if (lastId_ != 0)
            closeNotice(lastId_);
        lastId_ = 0;
        ++sent_; // an answer still on its way is out of date
        showOverlay(s, b);
        return;
    }
    if (!bus_.isConnected()) {
        showOverlay(s, b);
        return;
    }
    notify(s, b);
}

} // namespace orvyn
