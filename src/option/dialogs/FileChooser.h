// Where Option's windows ask the user for a file. The real chooser is Qt's
// own file dialog (the same on every desktop, and one a test can drive);
// window tests choose for the user.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orvyn {

enum class FileChoice { Open, Save };

struct FileRequest {
    FileChoice choice = FileChoice::Open;
    QString title;
    QString folder;      // where the dialog starts
    QStringList filters; // "Name(*.ext)"
    QString selectedFilter;
    QString defaultSuffix; // added to a typed name without one (Save)
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or empty when the user cancelled.
    virtual QString choose(QWidget *parent, const FileRequest &request) = 0;
};

class QtFileChooser final : public FileChooser {
public:
    QString choose(QWidget *parent, const FileRequest &request) override;
};

} // namespace orvyn
