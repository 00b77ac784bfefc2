#include "option/DocumentOpener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace orvyn {

OpenOutcome openOutcome(OpenerEnd end, int exitCode) {
    switch (end) {
    case OpenerEnd::NotStarted:
        return OpenOutcome::NoViewer;
    case OpenerEnd::Crashed:
        return OpenOutcome::Failed;
    case OpenerEnd::Exited:
        break;
    }
    if (exitCode == 0)
        return OpenOutcome::Shown;
    return exitCode == 3 ? OpenOutcome::NoViewer : OpenOutcome::Failed;
}

bool QtDocumentOpener::openFile(const QString &path) {
    if (!QFileInfo::exists(path))
        return false;
    start(QFileInfo(path).absoluteFilePath());
    return true;
}

bool QtDocumentOpener::openAddress(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return false;
    start(url.toString(QUrl::FullyEncoded));
    return true;
}

void QtDocumentOpener::start(const QString &target) {
    auto *process = new QProcess(&processes_);
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(
        process, &QProcess::finished, &processes_,
        [this, process, target](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            const OpenOutcome outcome =
                openOutcome(status == QProcess::CrashExit ? OpenerEnd::Crashed : OpenerEnd::Exited, exitCode);
            if (outcome != OpenOutcome::Shown)
                reportFailure(target, outcome);
        });
    QObject::connect(process, &QProcess::errorOccurred, &processes_,
                     [this, process, target](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash also ends in finished()
                         process->deleteLater();
                         reportFailure(target, openOutcome(OpenerEnd::NotStarted, 0));
                     });
    process->start();
}

void DocumentOpener::tellFailuresOver(QWidget *owner, const std::string &manual) {
    setFailureHandler(
        [this, owner, manual](const NotShown &failure) { tellNotShown(owner, *this, failure, manual); });
}

void tellNotShown(QWidget *owner, DocumentOpener &shell, const NotShown &failure, const std::string &manual) {
    const QFileInfo file(failure.target);
    const QString title = QStringLiteral("Option");
    if (file.absoluteFilePath() != QFileInfo(QString::fromStdString(manual)).absoluteFilePath()) {
        QMessageBox::information(
            owner, title,
            QCoreApplication::translate("DocumentOpener", "No program could open %1.").arg(failure.target));
        return;
    }
    const QString why =
        failure.outcome == OpenOutcome::NoViewer
            ? QCoreApplication::translate("DocumentOpener", "No program to show PDF files is installed.")
            : QCoreApplication::translate("DocumentOpener", "The PDF viewer could not show it.");
    QMessageBox box(QMessageBox::Information, title,
                    QCoreApplication::translate("DocumentOpener",
                                                "The user manual could not be opened. %1\n\nIt is at:\n%2")
                        .arg(why, failure.target),
                    QMessageBox::Close, owner);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QPushButton *folder =
        box.addButton(QCoreApplication::translate("DocumentOpener", "Open Folder"), QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == folder)
        shell.openFile(file.absolutePath());
}

} // namespace orvyn
