#include "shared/IniFile.h"

#include <utility>

#include "platform/FileAccess.h"

namespace orvyn {

IniLoad loadIniDocument(const std::string &path, IniDocument &doc, std::size_t maxBytes, std::string *error) {
    doc = IniDocument();
    if (error)
        error->clear();
    FileRead file = readRegularFile(path, maxBytes);
    if (file.status == ReadStatus::Missing)
        return IniLoad::Missing;
    if (!file.ok()) {
        if (error)
            *error = std::move(file.error);
        return IniLoad::Unreadable;
    }
    doc = IniDocument::parse(file.contents);
    return IniLoad::Ok;
}

std::string IniFile::readText(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    return load().readText(section, key, fallback);
}

int32_t IniFile::readNumber(std::string_view section, std::string_view key, int32_t fallback) const {
    return load().readNumber(section, key, fallback);
}

bool IniFile::readBlock(std::string_view section, std::string_view key, void *out, std::size_t size) const {
    return load().readBlock(section, key, out, size);
}

bool IniFile::writeText(std::string_view section, std::string_view key, std::string_view text) {
    return update([&](IniDocument &d) { return d.writeText(section, key, text); });
}

bool IniFile::writeNumber(std::string_view section, std::string_view key, int32_t value) {
    return update([&](IniDocument &d) { return d.writeNumber(section, key, value); });
}

bool IniFile::writeBlock(std::string_view section, std::string_view key, const void *data, std::size_t size) {
    return update([&](IniDocument &d) { return d.writeBlock(section, key, data, size); });
}

bool IniFile::update(const std::function<bool(IniDocument &)> &edit, Start start) {
    error_.clear();
    FolderLock lock(folderOfPath(path_));
    IniDocument doc;
    // Never replace a file we could not read: its keys would be lost.
    if (start == Start::FromFile && loadIniDocument(path_, doc, maxBytes_, &error_) == IniLoad::Unreadable)
        return false;
    if (!edit(doc))
        return false;
    return replaceFileAtomically(path_, doc.serialize(), &error_);
}

IniDocument IniFile::load() const {
    IniDocument doc;
    loadIniDocument(path_, doc, maxBytes_, &error_);
    return doc;
}

} // namespace orvyn
