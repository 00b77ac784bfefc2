// The line under the pages that tells where the user stands: keyboard
// connected, none, or Monitor not running (with a button that starts it),
// and after an apply a short confirmation. It looks again every second, so
// it follows Monitor being killed and started without the user.
#pragma once

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "editing/ConnectionStatus.h"

namespace orvyn {

class ConfigSession;
class MessagePoster;
class SettingsStore;
struct ConfigBlock;

// A small button drawn like the skin's dark buttons.
class SkinTextButton final : public QAbstractButton {
public:
    SkinTextButton(const QString &text, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool hovered_ = false;
};

class ConnectionLine final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString stateText READ stateText NOTIFY statusChanged)
    Q_PROPERTY(QString confirmationText READ confirmationText NOTIFY statusChanged)
public:
    struct Services {
        ConfigSession &session;
        MessagePoster &poster;
        SettingsStore &settings;
        std::string programFolder;
    };
    ConnectionLine(Services services, QWidget *parent);
    ~ConnectionLine() override;

    // Reads the facts again and redraws what changed.
    void look();
    // A message posted to Option: keyboard news proves a keyboard.
    void noteMessage(uint32_t message);
    void confirmApply(ApplyOutcome outcome);

    const ConnectionStatus &status() const { return status_; }
    std::string versionLine() const { return status_.versionLine; }
    QString stateText() const { return QString::fromStdString(status_.stateText); }
    QString confirmationText() const;
    QAbstractButton *startButton() const { return startButton_; }

signals:
    void statusChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void startMonitor();
    void clearConfirmation();
    void tell(const QString &text);

    Services services_;
    ConnectionStatus status_;
    bool lookedOnce_ = false;
    bool keyboardNews_ = false;
    bool firmwareDue_ = false;
    int32_t firmware_ = -1;
    std::optional<QElapsedTimer> startedMonitor_;
    std::optional<ApplyConfirmation> confirmation_;
    // The working copy when the confirmation came: an edit ends it.
    std::unique_ptr<ConfigBlock> confirmedCopy_;
    QTimer lookTimer_;
    QTimer confirmationTimer_;
    SkinTextButton *startButton_ = nullptr;
};

} // namespace orvyn
