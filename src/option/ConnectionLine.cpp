#include "option/ConnectionLine.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMessageBox>
#include <QPainter>
#include <cstring>

#include "editing/ConfigSession.h"
#include "option/skin/SkinAccessible.h"
#include "option/skin/SkinFonts.h"
#include "platform/ProcessStart.h"
#include "platform/Trace.h"
#include "shared/Messages.h"

namespace orvyn {

namespace {

using namespace std::chrono_literals;

constexpr auto kLookInterval = 1s;
constexpr auto kConfirmationShown = 4s;
// A Monitor just started needs a moment before its endpoint is there.
constexpr qint64 kStartingMs = 10000;

const QColor kText(0xE6, 0xE6, 0xE6);
const QColor kAccent(0xD0, 0x1A, 0x26); // the skin's red

QFont lineFont() {
    return skinFont(FontFace::Arial, 12, 6, 400);
}

QColor stateColour(ConnectionState state) {
    switch (state) {
    case ConnectionState::KeyboardConnected:
        return QColor(0x4C, 0xC1, 0x5A);
    case ConnectionState::NoKeyboard:
        return QColor(0x8A, 0x8A, 0x8A);
    case ConnectionState::MonitorStarting:
        return QColor(0xE0, 0xA0, 0x30);
    case ConnectionState::MonitorNotRunning:
        break;
    }
    return kAccent;
}

} // namespace

SkinTextButton::SkinTextButton(const QString &text, QWidget *parent) : QAbstractButton(parent) {
    setText(text);
    setAccessibleName(text);
    setFont(lineFont());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

QSize SkinTextButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 16, metrics.height() + 4};
}

void SkinTextButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, isDown() ? QColor(0x1A, 0x1A, 0x1D) : QColor(0x2B, 0x2B, 0x30));
    painter.setPen(hovered_ || hasFocus() ? kAccent : QColor(0x5A, 0x5A, 0x60));
    painter.drawRect(box);
    painter.setPen(kText);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void SkinTextButton::enterEvent(QEnterEvent *event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SkinTextButton::leaveEvent(QEvent *event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

ConnectionLine::ConnectionLine(Services services, QWidget *parent)
    : QWidget(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("connectionLine"));
    markAsStatusLine(this);
    startButton_ = new SkinTextButton(QCoreApplication::translate("ConnectionLine", "Start Monitor"), this);
    startButton_->setObjectName(QStringLiteral("startMonitorButton"));
    startButton_->hide();
    connect(startButton_, &QAbstractButton::clicked, this, &ConnectionLine::startMonitor);
    lookTimer_.setInterval(kLookInterval);
    connect(&lookTimer_, &QTimer::timeout, this, &ConnectionLine::look);
    lookTimer_.start();
    confirmationTimer_.setSingleShot(true);
    connect(&confirmationTimer_, &QTimer::timeout, this, &ConnectionLine::clearConfirmation);
}

ConnectionLine::~ConnectionLine() = default;

void ConnectionLine::look() {
    ConnectionFacts facts;
    facts.monitorRunning = services_.poster.exists(kMonitorTitle);
    if (!facts.monitorRunning)
        keyboardNews_ = false;
    else
        startedMonitor_.reset();
    facts.monitorStarting = startedMonitor_ && startedMonitor_->elapsed() < kStartingMs;
    facts.deviceState = services_.settings.readDeviceState();
    facts.keyboardNews = keyboardNews_;
    facts.firmwareVersion = firmware_;
    ConnectionStatus next = connectionStatus(facts);
    // The firmware line is read only when the state moves (or on news), so a
    // damaged config.ini is not complained of every second.
    if (firmwareDue_ || !lookedOnce_ || next.state != status_.state) {
        firmwareDue_ = false;
        firmware_ = services_.settings.readFirmwareVersion(-1);
        facts.firmwareVersion = firmware_;
        next = connectionStatus(facts);
    }
    // An edit since, or a keyboard or Monitor gone since, ends the confirmation.
    const bool edited = confirmedCopy_ &&
                        std::memcmp(confirmedCopy_.get(), &services_.session.working(), sizeof(ConfigBlock));
    if (edited || (lookedOnce_ && next.state != status_.state))
        clearConfirmation();
    if (lookedOnce_ && next == status_)
        return;
    lookedOnce_ = true;
    status_ = std::move(next);
    startButton_->setVisible(status_.state == ConnectionState::MonitorNotRunning);
    setAccessibleName(stateText());
    trace("Option: connection: " + status_.stateText + " (" + status_.versionLine + ")\n");
    update();
    emit statusChanged();
}

void ConnectionLine::noteMessage(uint32_t message) {
    if (message != WM_READBACK_DONE && message != WM_PROFILE_CHANGED && message != WM_LIGHTING_CHANGED)
        return;
    keyboardNews_ = true;
    // A read-back brings the firmware the keyboard told.
    firmwareDue_ = true;
    look();
}

void ConnectionLine::confirmApply(ApplyOutcome outcome) {
    const auto confirmation = applyConfirmation(outcome);
    if (!confirmation)
        return;
    look(); // first: a state change would end the confirmation
    confirmation_ = confirmation;
    confirmedCopy_ = std::make_unique<ConfigBlock>(services_.session.working());
    confirmationTimer_.start(kConfirmationShown);
    trace("Option: confirmation: " + applyConfirmationText(*confirmation) + "\n");
    update();
    emit statusChanged();
}

void ConnectionLine::clearConfirmation() {
    confirmationTimer_.stop();
    confirmedCopy_.reset();
    if (!confirmation_)
        return;
    confirmation_.reset();
    trace("Option: confirmation ended\n");
    update();
    emit statusChanged();
}

void ConnectionLine::startMonitor() {
    if (services_.poster.exists(kMonitorTitle)) {
        trace("Option: Monitor is already running\n");
        look();
        tell(QCoreApplication::translate("ConnectionLine", "Monitor is already running."));
        return;
    }
    std::string folder = services_.programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    const ResolvedProgram program = checkProgram(folder + "Monitor");
    StartResult started;
    if (program.ok())
        started = startProgram({program.path, {program.path}, {}, {}, {}});
    else
        started.error = program.error;
    if (!started.started) {
        trace("Option: Monitor could not be started: " + started.error + "\n");
        tell(QCoreApplication::translate("ConnectionLine", "Monitor could not be started: %1")
                 .arg(QString::fromStdString(started.error)));
        return;
    }
    trace("Option: started Monitor\n");
    startedMonitor_.emplace();
    startedMonitor_->start();
    look();
}

void ConnectionLine::tell(const QString &text) {
    QMessageBox::information(window(), QStringLiteral("Option"), text, QMessageBox::Ok);
}

void ConnectionLine::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(lineFont());
    const int rowHeight = height() / 2;
    const QRect stateRow(0, 0, width(), rowHeight);
    const int dot = 8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(stateColour(status_.state));
    painter.drawEllipse(QRectF(1, (rowHeight - dot) / 2.0, dot, dot));
    painter.setPen(kText);
    painter.drawText(stateRow.adjusted(dot + 7, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, stateText());
    if (confirmation_) {
        painter.setPen(*confirmation_ == ApplyConfirmation::SavedToKeyboard
                           ? stateColour(ConnectionState::KeyboardConnected)
                           : kText);
        painter.drawText(QRect(0, rowHeight, width(), height() - rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, confirmationText());
    }
}

void ConnectionLine::resizeEvent(QResizeEvent *) {
    // Under the state, where a confirmation would stand.
    const int rowHeight = height() / 2;
    const QSize button = startButton_->sizeHint();
    startButton_->setGeometry(0, rowHeight + (height() - rowHeight - button.height()) / 2, button.width(),
                              button.height());
}

QString ConnectionLine::confirmationText() const {
    return confirmation_ ? QString::fromStdString(applyConfirmationText(*confirmation_)) : QString();
}

} // namespace orvyn
