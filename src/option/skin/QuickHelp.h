// Quick help: the help text of the button under the pointer, published
// program-wide so the main window can show it.
#pragma once

#include <QObject>
#include <QString>

namespace orvyn {

class QuickHelp : public QObject {
    Q_OBJECT
public:
    static QuickHelp &instance();

    // The help text of the button under the pointer, or empty.
    QString text() const { return text_; }

    // A button was entered (with its help text) or left (text cleared).
    // The text changes first, so whoever hears of the hover reads it.
    void setText(bool entered, const QString &helpText) { text_ = entered ? helpText : QString(); }
    void announce(bool entered) { emit quickHelp(entered); }

signals:
    void quickHelp(bool entered);

private:
    QuickHelp() = default;
    QString text_;
};

// The current quick-help text.
inline QString QuickHelpText() {
    return QuickHelp::instance().text();
}

} // namespace orvyn
