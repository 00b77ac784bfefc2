// Fakes for Option's windows: the desktop's viewers and the file dialogs.
#pragma once

#include <QStringList>
#include <vector>

#include "option/DocumentOpener.h"
#include "option/dialogs/FileChooser.h"

namespace orvyn::testing {

class FakeShell final : public DocumentOpener {
public:
    bool openFile(const QString &path) override {
        files.push_back(path);
        return opens;
    }
    bool openAddress(const QString &address) override {
        addresses.push_back(address);
        return true;
    }
    // As the desktop reports a document it could not show.
    using DocumentOpener::reportFailure;
    QStringList files, addresses;
    bool opens = true; // false: as if the file were missing
};

// Answers each file dialog with the next of `answers` (empty: cancelled).
class FakeChooser final : public FileChooser {
public:
    QString choose(QWidget *, const FileRequest &request) override {
        requests.push_back(request);
        if (answers.isEmpty())
            return {};
        return answers.takeFirst();
    }
    QStringList answers;
    std::vector<FileRequest> requests;
};

} // namespace orvyn::testing
