#include "osd/DesktopNotices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QScreen>
#include <QVariantMap>

namespace orvyn {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kNoticeMs = 2000;
constexpr int kCallTimeoutMs = 1000;

} // namespace

DesktopNotices::DesktopNotices() {
    hideTimer_.setSingleShot(true);
    QObject::connect(&hideTimer_, &QTimer::timeout, [this] {
        if (overlay_)
            overlay_->hide();
    });
}

DesktopNotices::~DesktopNotices() = default;

bool DesktopNotices::notify(const QString &summary, const QString &body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (lastId_ != 0) {
        QDBusMessage close =
            QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CloseNotification"));
        close << lastId_;
        bus.call(close, QDBus::Block, kCallTimeoutMs);
        lastId_ = 0;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QStringLiteral("Orvyn Vantor Keyboard") << uint32_t(0) << QStringLiteral("orvyn-vantor")
         << summary << body << QStringList() << QVariantMap() << int32_t(kNoticeMs);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    lastId_ = reply.arguments().constFirst().toUInt();
    return true;
}

void DesktopNotices::showOverlay(const QString &summary, const QString &body) {
    if (!overlay_) {
        overlay_ = std::make_unique<QLabel>();
        overlay_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                 Qt::WindowDoesNotAcceptFocus);
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
    overlay_->adjustSize();
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
    if (!notify(s, b))
        showOverlay(s, b);
}

} // namespace orvyn
