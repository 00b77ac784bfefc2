// An INI file in memory with the private-profile semantics the settings
// files were designed for: case-insensitive section and key names, blanks
// around names and values ignored, the first matching section and key win,
// every other line kept as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/IniValues.h"

namespace orvyn {

inline constexpr std::size_t kIniTextMax = 2047; // characters read into a 2048-byte buffer

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
    // The first key name (as written) that a section holds more than once,
    // the section counted together with any repetition of its header; or
    // "[<section>]" when the header itself repeats. nullopt when every key
    // is there once. Lookups take the first; an import refuses such files.
    std::optional<std::string> firstRepeatedKey(std::string_view section) const;
    // The names of the keys of the first matching section, trimmed, in file
    // order (a name may repeat); empty when there is no such section.
    std::vector<std::string> keys(std::string_view section) const;

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

    bool empty() const { return preamble_.empty() && sections_.empty(); }

private:
    // Lines that are neither a section header nor a key are kept together
    // as one run (joined by '\n'), so a file of blank lines or comments
    // costs about its own size, not a record per line.
    enum class PieceKind : uint8_t { Key, Run };
    struct Piece {
        std::string text;  // the key line, or a run of other lines
        uint32_t hash = 0; // of the key name, case-folded
        PieceKind kind = PieceKind::Run;
    };
    struct Section {
        std::string header; // the "[name]" line as it was read
        uint32_t hash = 0;  // of the name, case-folded
        std::vector<Piece> body;
    };
    std::vector<Piece> preamble_; // lines before the first section
    std::vector<Section> sections_;
    std::string eol_ = "\n";
    bool finalEol_ = true;

    const Section *findSection(std::string_view name) const;
    Section *findSection(std::string_view name);
    static std::optional<std::size_t> findKey(const Section &section, std::string_view key);
    static void addLine(std::vector<Piece> &pieces, std::string_view line);
};

} // namespace orvyn
