// INI files with the private-profile semantics the settings files were
// designed for: case-insensitive section and key names, blanks around names
// and values ignored, the first matching section and key win, every other
// line kept as it is. Every write replaces the file atomically.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileAccess.h" // replaceFileAtomically, for the files beside the INI ones

namespace orvyn {

inline constexpr std::size_t kIniTextMax = 2047;           // characters read into a 2048-byte buffer
inline constexpr std::size_t kIniFileMaxBytes = 16u << 20; // larger files are refused

// Structure encoding of a block: two upper-case hex digits per byte, then a
// checksum byte (sum of all bytes mod 256), also as two digits.
std::string encodeBlock(const void *data, std::size_t size);
// True and fills `out` only when `text` has exactly 2*size+2 hex digits and
// the checksum matches.
bool decodeBlock(std::string_view text, void *out, std::size_t size);

// Number as the platform parses it: blanks, optional sign, leading decimal
// digits (none = 0). Saturates at the int32 range.
int32_t parseIniNumber(std::string_view text);

// A parsed INI file in memory. Lines are kept verbatim; lookups and edits
// follow the private-profile rules.
class IniDocument {
public:
    IniDocument() = default;
    static IniDocument parse(std::string_view bytes);
    std::string serialize() const;

    // Value of the first matching key in the first matching section, trimmed;
    // nullopt when missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // Sets (or adds) a key. The line is written as "<key>=<value>" with the
    // key exactly as given. A value is cut at the first CR or LF so that it
    // can never break the file. False for section or key names that cannot
    // be stored (empty after trimming, or holding CR, LF, '=' or ']').
    bool set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first matching key; true if one was removed.
    bool remove(std::string_view section, std::string_view key);

    // Typed helpers over value()/set().
    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t readNumber(std::string_view section, std::string_view key, int32_t fallback) const;
    bool readBlock(std::string_view section, std::string_view key, void *out, std::size_t size) const;
    bool writeText(std::string_view section, std::string_view key, std::string_view text);
    bool writeNumber(std::string_view section, std::string_view key, int32_t value);
    bool writeBlock(std::string_view section, std::string_view key, const void *data, std::size_t size);

    bool empty() const { return lines_.empty(); }

private:
    struct Line {
        std::string text; // without its line ending
    };
    std::vector<Line> lines_;
    std::string eol_ = "\n";
    bool finalEol_ = true;

    // Index of the first line of the first matching section's body and one
    // past its last line; nullopt when the section is missing.
    std::optional<std::pair<std::size_t, std::size_t>> sectionRange(std::string_view section) const;
    std::optional<std::size_t> keyLine(std::size_t begin, std::size_t end, std::string_view key) const;
};

enum class IniLoad { Ok, Missing, Unreadable };

// Reads a file into a document. A missing file gives an empty document and
// IniLoad::Missing; a file that cannot be read (or is larger than
// kIniFileMaxBytes) gives IniLoad::Unreadable.
IniLoad loadIniDocument(const std::string &path, IniDocument &doc);

// The INI helper: one file path and the six operations, each a whole-file
// read (and, for writes, one atomic replacement). update() applies many
// edits with a single replacement. Writers in one folder are serialised
// with an advisory lock on the folder, so two programs saving at the same
// time never lose each other's keys.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
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

private:
    std::string path_;
};

} // namespace orvyn
