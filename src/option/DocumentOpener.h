// Opening documents and addresses with the desktop's own viewers.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace orvyn {

// How handing a document to the desktop's opener ended.
enum class OpenOutcome {
    Shown,
    NoViewer, // nothing is set up to show such a document (or no opener at all)
    Failed,   // a viewer was found but could not show it
};

// How the opener process ended.
enum class OpenerEnd { NotStarted, Crashed, Exited };
// The outcome from the opener's end and exit code (xdg-open: 0 shown, 3 "no
// method available", others failures).
OpenOutcome openOutcome(OpenerEnd end, int exitCode);

// Something the desktop did not show.
struct NotShown {
    QString target;
    OpenOutcome outcome;
};
class DocumentOpener {
public:
    // Told, later and from the event loop, when something handed over could
    // not be shown: the file or address, and why.
    using FailureHandler = std::function<void(const NotShown &failure)>;

    virtual ~DocumentOpener() = default;
    // A local file (or folder) with its default application; false when it
    // could not be handed over (a missing document is not reported to the
    // user). Whether it was shown arrives later, as a failure or not at all.
    virtual bool openFile(const QString &path) = 0;
    virtual bool openAddress(const QString &address) = 0;

    void setFailureHandler(FailureHandler handler) { failure_ = std::move(handler); }
    // Failures told to the user over `owner` (tellNotShown); the user manual
    // is at `manual`.
    void tellFailuresOver(QWidget *owner, const std::string &manual);

protected:
    void reportFailure(const QString &target, OpenOutcome outcome) const {
        if (failure_)
            failure_({target, outcome});
    }

private:
    FailureHandler failure_;
};

// Runs xdg-open without waiting for it; its exit status tells whether the
// desktop had a viewer (a desktop-services call only says it was started).
class QtDocumentOpener final : public DocumentOpener {
public:
    bool openFile(const QString &path) override;
    bool openAddress(const QString &address) override;

private:
    void start(const QString &target);

    QObject processes_; // owns the running openers; ends their reports with it
};

// Tells the user over `owner`; the user manual (at `manual`) with its path
// and a button that opens its folder through `shell`.
void tellNotShown(QWidget *owner, DocumentOpener &shell, const NotShown &failure, const std::string &manual);

} // namespace orvyn
