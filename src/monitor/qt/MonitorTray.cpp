#include "monitor/qt/MonitorTray.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

#include "monitor/CMonitorWnd.h"
#include "monitor/Utf8Text.h"
#include "platform/qt/PictureFile.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

constexpr unsigned kTextOpenOption = 1000;
constexpr unsigned kTextQuit = 1001;
constexpr unsigned kTextTip = 1002;
constexpr std::size_t kTipMax = 127;
constexpr std::size_t kMenuTextMax = 259;
constexpr int kTrayRetryMs = 3000;
constexpr int kTrayRetries = 40; // two minutes

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

// Limits count characters: a cut never splits one.
QString fromText(const std::string &text, std::size_t maxCharacters) {
    const std::string cut = utf8Prefix(text, maxCharacters);
    return QString::fromUtf8(cut.data(), static_cast<qsizetype>(cut.size()));
}

// An XEmbed tray owns the manager selection of the X screen.
bool xembedTrayPresent() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    static const char name[] = "_NET_SYSTEM_TRAY_S0";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false; // nobody ever asked for it
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool present = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return present;
}

} // namespace

MonitorTray::MonitorTray(const TextSource &texts, std::string programFolder,
                         std::function<void(int64_t)> onMouse, std::function<void(int64_t)> onCommand,
                         QDBusConnection bus)
    : texts_(texts), programFolder_(std::move(programFolder)), onMouse_(std::move(onMouse)),
      onCommand_(std::move(onCommand)), bus_(std::move(bus)),
      watcher_(kWatcherService, bus_, QDBusServiceWatcher::WatchForRegistration) {
    retry_.setSingleShot(true);
    retry_.setInterval(kTrayRetryMs);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (wanted_)
            show();
    });
    if (!bus_.isConnected()) {
        hostAnswered_ = true;
        return;
    }
    // A panel that starts after Monitor: its watcher appears, then its host.
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] { queryHost(); });
    bus_.connect(kWatcherService, kWatcherPath, kWatcherService,
                 QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(onHostRegistered()));
    queryHost();
}

MonitorTray::~MonitorTray() {
    remove();
}

void MonitorTray::queryHost() {
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        hostAnswered_ = true;
        if (!reply.isError() && reply.value().variant().toBool())
            hostRegistered_ = true;
        if (wanted_)
            show();
    });
}

void MonitorTray::onHostRegistered() {
    hostAnswered_ = true;
    hostRegistered_ = true;
    if (wanted_)
        show();
}

namespace {

// The icons are 16 to 256 pixels; anything far larger is not one of them.
constexpr PictureLimits kIconLimits{std::size_t{4} << 20, 1024, qint64{1024} * 1024};

} // namespace

QIcon MonitorTray::findIcon(const std::string &programFolder) {
    const QString folder = QString::fromStdString(programFolder);
    QIcon fallback;
    // Built, the pictures are in the program folder; installed, only in the
    // hicolor theme folder beside it (<prefix>/lib/orvyn-vantor/ and
    // <prefix>/share/icons/).
    for (const QString &root :
         {folder + QStringLiteral("icons/"), folder + QStringLiteral("../../share/icons/")}) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path = root + QStringLiteral("hicolor/%1x%1/apps/orvyn-vantor.png").arg(size);
            // Read like every other file: a FIFO in an icon's place never blocks.
            const PictureRead icon = readPictureFile(path, kIconLimits);
            if (icon.ok())
                fallback.addPixmap(QPixmap::fromImage(icon.image));
        }
        if (!fallback.isNull())
            break;
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

void MonitorTray::add() {
    wanted_ = true;
    // Without a real display there will never be a tray.
    const QString platform = QGuiApplication::platformName();
    const bool headless = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    retriesLeft_ = headless ? 0 : kTrayRetries;
    if (!headless)
        show();
}

void MonitorTray::show() {
    if (icon_ || !hostAnswered_)
        return; // the answer about a host calls again
    if (hostRegistered_) {
        create(true);
    } else if (xembedTrayPresent()) {
        create(false);
    } else if (retriesLeft_-- > 0) {
        retry_.start(); // no tray yet: no icon, nothing else changes
    }
}

void MonitorTray::create(bool statusNotifier) {
    viaStatusNotifier_ = statusNotifier;
    menu_ = std::make_unique<QMenu>();
    QAction *open = menu_->addAction(fromText(texts_.text(kTextOpenOption), kMenuTextMax));
    menu_->setDefaultAction(open);
    menu_->addSeparator();
    QAction *quit = menu_->addAction(fromText(texts_.text(kTextQuit), kMenuTextMax));
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
        if (viaStatusNotifier_)
            onMouse_(kMouseLeftDoubleClick);
        else
            onMouse_(kMouseLeftDown);
        break;
    default:
        break;
    }
}

} // namespace orvyn
