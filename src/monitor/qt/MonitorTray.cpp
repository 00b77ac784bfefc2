#include "monitor/qt/MonitorTray.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusVariant>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include "monitor/CMonitorWnd.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

constexpr unsigned kTextOpenOption = 1000;
constexpr unsigned kTextQuit = 1001;
constexpr unsigned kTextTip = 1002;
constexpr int kTipMax = 127;
constexpr int kTrayRetryMs = 3000;
constexpr int kTrayRetries = 40; // two minutes

QString fromText(const std::string &text, int max) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min<std::size_t>(text.size(), max)));
}

} // namespace

MonitorTray::MonitorTray(const TextSource &texts, std::string programFolder,
                         std::function<void(int64_t)> onMouse, std::function<void(int64_t)> onCommand)
    : texts_(texts), programFolder_(std::move(programFolder)), onMouse_(std::move(onMouse)),
      onCommand_(std::move(onCommand)) {
    retry_.setSingleShot(true);
    retry_.setInterval(kTrayRetryMs);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (wanted_)
            show();
    });
}

MonitorTray::~MonitorTray() {
    remove();
}

QIcon MonitorTray::findIcon(const std::string &programFolder) {
    const QString folder = QString::fromStdString(programFolder);
    QIcon fallback;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder + QStringLiteral("icons/hicolor/%1x%1/apps/orvyn-vantor.png").arg(size);
        if (QFile::exists(path))
            fallback.addFile(path, QSize(size, size));
    }
    if (fallback.isNull()) {
        // Nothing generated yet: a plain key-cap picture so the icon exists.
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(30, 30, 36));
        painter.setPen(QPen(QColor(220, 40, 40), 2));
        painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
        painter.setPen(QColor(230, 230, 230));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(18);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("V"));
        painter.end();
        fallback.addPixmap(pixmap);
    }
    return QIcon::fromTheme(QStringLiteral("orvyn-vantor"), fallback);
}

bool MonitorTray::statusNotifierHost() {
    QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                           QStringLiteral("/StatusNotifierWatcher"),
                           QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus());
    if (!watcher.isValid())
        return false;
    return watcher.property("IsStatusNotifierHostRegistered").toBool();
}

void MonitorTray::add() {
    wanted_ = true;
    // Without a real display there will never be a tray host.
    const QString platform = QGuiApplication::platformName();
    const bool headless = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    retriesLeft_ = headless ? 0 : kTrayRetries;
    show();
}

void MonitorTray::show() {
    if (icon_)
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // No tray host: no icon, nothing else changes.
        if (retriesLeft_-- > 0)
            retry_.start();
        return;
    }
    menu_ = std::make_unique<QMenu>();
    QAction *open = menu_->addAction(fromText(texts_.text(kTextOpenOption), 259));
    menu_->setDefaultAction(open);
    menu_->addSeparator();
    QAction *quit = menu_->addAction(fromText(texts_.text(kTextQuit), 259));
    connect(open, &QAction::triggered, this, [this] { onCommand_(CMD_CUSTOMIZER); });
    connect(quit, &QAction::triggered, this, [this] { onCommand_(CMD_QUIT_MONITOR); });

    icon_ = std::make_unique<QSystemTrayIcon>(findIcon(programFolder_));
    icon_->setToolTip(fromText(texts_.text(kTextTip), kTipMax));
    icon_->setContextMenu(menu_.get());
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &MonitorTray::activated);
    icon_->show();
}

void MonitorTray::remove() {
    wanted_ = false;
    retry_.stop();
    if (icon_)
        icon_->hide();
    icon_.reset();
    menu_.reset();
}

void MonitorTray::activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        onMouse_(kMouseLeftDoubleClick);
        break;
    case QSystemTrayIcon::Trigger:
        // StatusNotifierItem hosts send Activate for a click and never a
        // double click: the click opens Option there.
        if (statusNotifierHost())
            onMouse_(kMouseLeftDoubleClick);
        else
            onMouse_(kMouseLeftDown);
        break;
    default:
        break;
    }
}

} // namespace orvyn
