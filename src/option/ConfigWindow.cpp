#include "option/ConfigWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "editing/KeyboardLayout.h"
#include "editing/OptionLinks.h"
#include "option/ConnectionLine.h"
#include "option/dialogs/MacroManagerDialog.h"
#include "option/dialogs/ProfileTransfer.h"
#include "option/dialogs/ResetWarningDialog.h"
#include "option/keyboard/KeystrokeRecorder.h"
#include "option/pages/AdvancedPage.h"
#include "option/pages/KeyPagesSummary.h"
#include "option/pages/MacroKeyPage.h"
#include "option/pages/MediaKeyPage.h"
#include "option/pages/StandardKeyPage.h"
#include "option/skin/BitmapButton.h"
#include "option/skin/SkinAccessible.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinResources.h"
#include "platform/Clock.h"
#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

// The area Monitor's read-back news redraws: where the firmware number sits.
const QRect kFirmwareArea(QPoint(308, 252), QPoint(347, 281));
// The version line sits in the empty strip the skin leaves left of the
// restore-defaults button, centred in its height.
const QRect kVersionStrip(ConfigWindowSkin::kVersionLine.x, ConfigWindowSkin::kVersionLine.y,
                          ConfigWindowSkin::kVersionLine.width, ConfigWindowSkin::kVersionLine.height);
// Where the user stands, in the empty strip between restore-defaults and OK.
const QRect kConnectionArea(404, 446, 226, 40);

QFont versionFont() {
    return skinFont(FontFace::Arial, 12, 6, 400);
}

// Lies over the whole window while Monitor writes the keyboard: it takes
// every click meant for the window or its controls and shows the busy
// cursor, while the pointer stays free for other programs.
class WaitShield final : public QWidget {
public:
    explicit WaitShield(QWidget *parent) : QWidget(parent) {
        setCursor(Qt::WaitCursor);
        hide();
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
    void wheelEvent(QWheelEvent *event) override { event->accept(); }
};

} // namespace

std::chrono::milliseconds ConfigWindow::applyWaitLimit() {
    return orvyn::applyWaitLimit(parseTimeScale(std::getenv("ORVYN_TIME_SCALE")));
}

ConfigWindow::ConfigWindow(Services services, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), services_(std::move(services)) {
    // A top-level window of its own with a task-bar entry, drawn without a
    // frame; it keeps the system menu (close, minimize) of the desktop.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    loadSkin(QString::fromLatin1(ConfigWindowSkin::kFile), pushButtons(ConfigWindowSkin::kButtons));
    for (int tab = StandardKeysTab; tab <= AdvancedTab; ++tab) {
        if (BitmapButton *b = button(tab))
            b->setControlRole(ControlRole::PageTab);
    }

    const ControlPlacement pagePlace = skinFile().placement(ConfigWindowSkin::kPageLine, kPageGroup);
    pageRect_ = QRect(pagePlace.left, pagePlace.top, pagePlace.width(), pagePlace.height());

    if (!services_.layout)
        services_.layout = &KeystrokeRecorder::instance().layout();
    const KeyboardLayout &layout = *services_.layout;
    keys_ = std::make_unique<KeyCodeTable>(layout);
    const KeyPageServices keyPages{services_.session, services_.texts, layout, *keys_};
    // Created in this order; each sits on the page rectangle.
    pages_[StandardKeys] = new StandardKeyPage(keyPages, this);
    pages_[Advanced] = new AdvancedPage(services_.session.working(), services_.texts, this);
    pages_[MacroKeys] = new MacroKeyPage(keyPages, this);
    pages_[MediaKeys] = new MediaKeyPage(keyPages, this);
    for (ConfigPage *p : pages_) {
        p->move(pageRect_.topLeft());
        p->hide();
    }
    // A page goes by the name of its tab.
    for (int tab = StandardKeysTab; tab <= AdvancedTab; ++tab) {
        if (const BitmapButton *b = button(tab))
            pages_[tab - StandardKeysTab]->setAccessibleName(spokenNameOf(*b));
    }
    pages_[StandardKeys]->show();
    shown_ = StandardKeys;
    if (BitmapButton *b = button(StandardKeysTab))
        b->setChecked(ButtonCheck::Pressed);

    connection_ = new ConnectionLine(
        {services_.session, services_.poster, services_.settings, services_.programFolder}, this);
    connection_->setGeometry(kConnectionArea);
    connect(connection_, &ConnectionLine::statusChanged, this, [this] { update(versionLineRect()); });
    connection_->look();

    waitShield_ = new WaitShield(this);
    waitShield_->setAccessibleName(QCoreApplication::translate("ConfigWindow", "Writing to the keyboard"));
    // The session decides when the wait ends; the timer only wakes it.
    services_.session.setApplyWaitTiming({applyWaitLimit(), kMonitorWatchInterval});
    waitCheck_.setSingleShot(true);
    connect(&waitCheck_, &QTimer::timeout, this, [this] {
        services_.session.checkApplyWait();
        scheduleWaitCheck();
    });
    services_.session.setView(this);
    services_.shell.tellFailuresOver(this, userManualPath(services_.programFolder, services_.language));
}

ConfigWindow::~ConfigWindow() {
    services_.shell.setFailureHandler(nullptr);
    services_.session.setView(nullptr);
}

AdvancedPage *ConfigWindow::advancedPage() const {
    return static_cast<AdvancedPage *>(pages_[Advanced]);
}

StandardKeyPage *ConfigWindow::standardKeyPage() const {
    return static_cast<StandardKeyPage *>(pages_[StandardKeys]);
}

MacroKeyPage *ConfigWindow::macroKeyPage() const {
    return static_cast<MacroKeyPage *>(pages_[MacroKeys]);
}

MediaKeyPage *ConfigWindow::mediaKeyPage() const {
    return static_cast<MediaKeyPage *>(pages_[MediaKeys]);
}

namespace {

// Every size of a window's icon goes into one X11 property (_NET_WM_ICON).
// The skin's 256-pixel picture alone makes it a quarter megabyte, more than
// xprop and some task switchers read, which then show no icon at all;
// smaller copies of it up to 128 pixels are what docks and switchers draw.
QIcon windowIconSizes(const QImage &picture) {
    QIcon icon;
    const int largest = std::max(picture.width(), picture.height());
    for (int size : {16, 24, 32, 48, 64, 128}) {
        if (size <= largest)
            icon.addPixmap(QPixmap::fromImage(
                picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    if (icon.isNull())
        icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

} // namespace

void ConfigWindow::initialize(ConfigExchange *exchange, bool viewFailed) {
    const QImage icon = loadResourceIcon(kProgramIcon);
    if (!icon.isNull())
        setWindowIcon(windowIconSizes(icon));
    setWindowTitle(QString::fromUtf8(kOptionTitle));
    // The block is still handed on: a Monitor that starts again later puts a
    // new one in place, which the session then reaches.
    if (viewFailed)
        QMessageBox::warning(this, QStringLiteral("Option"),
                             QCoreApplication::translate("ConfigWindow", "Could not map view of file."),
                             QMessageBox::Ok);
    services_.session.initialize(exchange);
}

void ConfigWindow::handleMessage(const PostedMessage &message) {
    connection_->noteMessage(message.message);
    services_.session.handleMessage(message);
}

void ConfigWindow::command(int section) {
    ConfigSession &session = services_.session;
    switch (section) {
    case StandardKeysTab:
    case MacroKeysTab:
    case MediaKeysTab:
    case AdvancedTab:
        showPage(static_cast<Page>(section - StandardKeysTab));
        break;
    case FirstProfile:
    case FirstProfile + 1:
    case FirstProfile + 2:
    case FirstProfile + 3:
    case FirstProfile + 4:
        session.selectProfile(section - FirstProfile);
        break;
    case Minimize:
        showMinimized();
        break;
    case CloseTop:
    case CloseBottom:
        closeWindow();
        break;
    case ProfileNew:
        editProfile(ProfileDialog::Mode::New);
        break;
    case ProfileEdit:
        editProfile(ProfileDialog::Mode::Edit);
        break;
    case ImportProfile:
        transferProfile(FileChoice::Open);
        break;
    case ExportProfile:
        transferProfile(FileChoice::Save);
        break;
    case UserManual:
        openUserManual();
        break;
    case WebPage:
        services_.shell.openAddress(QString::fromStdString(webPageAddress(services_.settings)));
        break;
    case Ok:
        session.ok();
        break;
    case Apply:
        session.apply(ApplyMode::Apply);
        break;
    case RestoreDefaults:
        restoreDefaults();
        break;
    case MacroManager:
        openMacroManager();
        break;
    default:
        // "5" does nothing.
        break;
    }
}

void ConfigWindow::showPage(Page page) {
    if (page == shown_)
        return;
    pages_[shown_]->hide();
    pages_[page]->show();
    shown_ = page;
    for (int tab = StandardKeysTab; tab <= AdvancedTab; ++tab) {
        if (BitmapButton *b = button(tab))
            b->setChecked(tab - StandardKeysTab == page ? ButtonCheck::Pressed : ButtonCheck::Released);
    }
}

void ConfigWindow::refresh(int current) {
    for (int p = 0; p < kProfileCount; ++p) {
        if (BitmapButton *b = button(FirstProfile + p))
            b->setChecked(p == current ? ButtonCheck::Pressed : ButtonCheck::Released);
    }
    for (Page page : {StandardKeys, MacroKeys, MediaKeys, Advanced})
        pages_[page]->reload();
    if (traceEnabled())
        trace("Option: pages show " + keyPagesSummary() + "\n");
}

std::string ConfigWindow::keyPagesSummary() const {
    return describeKeyPages(*standardKeyPage(), *macroKeyPage(), *mediaKeyPage(),
                            services_.session.working());
}

void ConfigWindow::editProfile(ProfileDialog::Mode mode) {
    ProfileData *profile = services_.session.working().currentProfileData();
    if (profile == nullptr)
        return;
    // Name and game program are saved by the next Apply with the rest; the
    // pages show neither, so nothing is refreshed.
    ProfileDialog dialog(*profile, mode, fileChooser(), this);
    dialog.exec();
}

void ConfigWindow::transferProfile(FileChoice choice) {
    const std::optional<TransferResult> result =
        transferProfileFile(this, fileChooser(), services_.session, services_.settings.folder(), choice);
    if (result && !result->message.empty())
        tell(QString::fromStdString(result->message));
}

FileChooser &ConfigWindow::fileChooser() {
    return services_.files ? *services_.files : qtFiles_;
}

void ConfigWindow::openUserManual() {
    const QString path = QString::fromStdString(userManualPath(services_.programFolder, services_.language));
    if (services_.shell.openFile(path))
        return;
    tell(QFileInfo::exists(path)
             ? QCoreApplication::translate("ConfigWindow",
                                           "No program could show the user manual %1. Install a PDF viewer.")
                   .arg(path)
             : QCoreApplication::translate("ConfigWindow",
                                           "The user manual is missing. It was looked for at %1.")
                   .arg(path));
}

void ConfigWindow::tell(const QString &text) {
    QMessageBox::information(this, QStringLiteral("Option"), text, QMessageBox::Ok);
}

void ConfigWindow::openMacroManager() {
    // OK: the library is saved and the macro keys take its macros; otherwise
    // every edit made in the manager is dropped. It shows first the macro of
    // the key whose menu was opened last, on either key page.
    if (runMacroManager(services_.session, *services_.layout, services_.texts, KeySlotPage::lastMenuKey(),
                        MacroKeysOnOk::Refresh, this))
        pages_[MacroKeys]->reload();
}

bool ConfigWindow::runResetWarning() {
    ResetWarningDialog dialog(this);
    return dialog.exec() == QDialog::Accepted;
}

void ConfigWindow::restoreDefaults() {
    const bool confirmed = confirmReset_ ? confirmReset_() : runResetWarning();
    if (confirmed)
        services_.session.restoreDefaults();
}

void ConfigWindow::beginApplyWait() {
    // No pointer grab: during a long apply the rest of the desktop stays
    // usable; only this window ignores clicks.
    waitShown_ = true;
    waitShield_->setGeometry(rect());
    waitShield_->raise();
    waitShield_->show();
    // A disabled button passes its focus on; a keyboard user gets it back.
    focusBeforeWait_ = nullptr;
    for (int key : {Ok, Apply}) {
        BitmapButton *b = button(key);
        if (b && b->showsFocusRing())
            focusBeforeWait_ = b;
    }
    for (int key : {Ok, Apply}) {
        if (BitmapButton *b = button(key))
            b->setEnabled(false);
    }
    scheduleWaitCheck();
}

void ConfigWindow::scheduleWaitCheck() {
    if (const auto due = services_.session.applyWaitDue())
        waitCheck_.start(*due);
}

void ConfigWindow::endApplyWait() {
    waitCheck_.stop();
    for (int key : {Ok, Apply}) {
        if (BitmapButton *b = button(key))
            b->setEnabled(true);
    }
    waitShown_ = false;
    waitShield_->hide();
    if (focusBeforeWait_ && isActiveWindow())
        focusBeforeWait_->setFocus(Qt::TabFocusReason);
    focusBeforeWait_ = nullptr;
    // The wait may have ended because Monitor went away.
    connection_->look();
}

void ConfigWindow::applyConfirmed(ApplyOutcome outcome) {
    connection_->confirmApply(outcome);
}

void ConfigWindow::versionTextChanged() {
    update(kFirmwareArea);
    update(versionLineRect());
}

void ConfigWindow::closeWindow() {
    waitShown_ = false;
    waitShield_->hide();
    if (focusBeforeWait_ && isActiveWindow())
        focusBeforeWait_->setFocus(Qt::TabFocusReason);
    focusBeforeWait_ = nullptr;
    // A confirmation still open (Monitor closing us meanwhile) ends as
    // declined, so nothing is applied after the window went away.
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != this)
        modal->close();
    // Closed from the event loop, as a posted close would be: the caller's
    // work (an apply before OK) finishes first.
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
}

void ConfigWindow::restoreAndActivate() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void ConfigWindow::tellUser(SessionNotice, const std::string &text) {
    const QString message = QString::fromStdString(text);
    if (isVisible()) {
        showNotice(message);
        return;
    }
    // Told during start-up: shown once the window is on the screen.
    QMetaObject::invokeMethod(
        this, [this, message] { showNotice(message); }, Qt::QueuedConnection);
}

void ConfigWindow::showNotice(const QString &text) {
    QMessageBox::warning(this, QStringLiteral("Option"), text, QMessageBox::Ok);
}

QRect ConfigWindow::versionLineRect() const {
    return kVersionStrip;
}

void ConfigWindow::paintSkinTexts(QPainter &painter) {
    painter.setFont(versionFont());
    painter.setPen(QColor(0xE6, 0xE6, 0xE6));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(kVersionStrip, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(connection_->versionLine()));
}

void ConfigWindow::paintEvent(QPaintEvent *event) {
    SkinnedDialog::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        emit firstPaint();
    }
}

void ConfigWindow::mousePressEvent(QMouseEvent *event) {
    // While Monitor writes the keyboard the window takes no clicks (not even
    // a drag).
    if (waitShown_) {
        event->accept();
        return;
    }
    SkinnedDialog::mousePressEvent(event);
}

void ConfigWindow::closeEvent(QCloseEvent *event) {
    waitCheck_.stop();
    SkinnedDialog::closeEvent(event);
}

} // namespace orvyn
