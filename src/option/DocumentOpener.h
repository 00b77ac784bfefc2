// Opening documents and addresses with the desktop's own viewers.
#pragma once

#include <QString>

namespace orvyn {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // A local file with its default application; false when it could not be
    // handed over (a missing document is not reported to the user).
    virtual bool openFile(const QString &path) = 0;
    virtual bool openAddress(const QString &address) = 0;
};

class QtDocumentOpener final : public DocumentOpener {
public:
    bool openFile(const QString &path) override;
    bool openAddress(const QString &address) override;
};

} // namespace orvyn
