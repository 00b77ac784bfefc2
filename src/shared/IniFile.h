// INI files on disk: loading one into an IniDocument and the helper that
// reads or edits a file in one step. Every write replaces the file
// atomically.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/FileAccess.h" // replaceFileAtomically, for the files beside the INI ones
#include "shared/IniDocument.h"

namespace orvyn {

// Larger INI files are refused unless the caller names its own limit.
inline constexpr std::size_t kIniFileMaxBytes = 1u << 20;

enum class IniLoad { Ok, Missing, Unreadable };

// Reads a file into a document. A missing file gives an empty document and
// IniLoad::Missing; anything but a regular file of at most `maxBytes` bytes
// (a FIFO, a device, a folder, a larger file) or a read error gives
// IniLoad::Unreadable and, in `error`, a message that says why.
IniLoad loadIniDocument(const std::string &path, IniDocument &doc, std::size_t maxBytes = kIniFileMaxBytes,
                        std::string *error = nullptr);

// The INI helper: one file path and the six operations, each a whole-file
// read (and, for writes, one atomic replacement). update() applies many
// edits with a single replacement. Writers in one folder are serialised
// with an advisory lock on the folder, so two programs saving at the same
// time never lose each other's keys.
class IniFile {
public:
    explicit IniFile(std::string path, std::size_t maxBytes = kIniFileMaxBytes)
        : path_(std::move(path)), maxBytes_(maxBytes) {}
    const std::string &path() const { return path_; }

    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t readNumber(std::string_view section, std::string_view key, int32_t fallback) const;
    bool readBlock(std::string_view section, std::string_view key, void *out, std::size_t size) const;
    bool writeText(std::string_view section, std::string_view key, std::string_view text);
    bool writeNumber(std::string_view section, std::string_view key, int32_t value);
    bool writeBlock(std::string_view section, std::string_view key, const void *data, std::size_t size);

    enum class Start { FromFile, Empty };
    // Loads the file (or starts empty), lets `edit` change the document and
    // writes the result back with one replacement. `edit` returning false
    // abandons the change. False when the file could not be read (and
    // Start::FromFile was asked) or written.
    bool update(const std::function<bool(IniDocument &)> &edit, Start start = Start::FromFile);

    // The parsed file for many reads; empty when missing or unreadable.
    IniDocument load() const;

    // Why the last read or write of this object failed: a file that is not
    // a regular file, too large, unreadable or not writable. Empty after a
    // success and for a file that is simply missing.
    const std::string &error() const { return error_; }

private:
    std::string path_;
    std::size_t maxBytes_;
    mutable std::string error_;
};

} // namespace orvyn
