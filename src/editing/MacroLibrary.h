// Option's library of named macros, shared by all profiles and kept in
// config/sequence.dat, and the operations that keep it in step with the
// macros stored on the programmable keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {

inline constexpr std::size_t kMacroNameField = 52;
inline constexpr int kMacroRepeatMax = 255;

// One library macro, 260 bytes, zero-filled when created.
struct MacroRecord {
    char name[kMacroNameField];
    int32_t repeat; // 1..255 with the repeat switch on; 0 = switch off
    int32_t count;  // valid events, 0..50
    MacroEvent events[kMacroEventCapacity];

    // The number of events that may be read: `count` clamped to 0..50, so a
    // damaged record never reads past its slots.
    int validCount() const;
};
static_assert(sizeof(MacroRecord) == 260);
static_assert(offsetof(MacroRecord, name) == 0);
static_assert(offsetof(MacroRecord, repeat) == 52);
static_assert(offsetof(MacroRecord, count) == 56);
static_assert(offsetof(MacroRecord, events) == 60);

inline constexpr const char *kMacroSection = "Macros";
inline constexpr const char *kMacroCountKey = "number";
// sequence.dat holds one line of about 530 bytes per macro: 4 MiB is some
// 7,900 macros, far more than the key menus can offer.
inline constexpr std::size_t kMacroLibraryMaxBytes = 4u << 20;

// The most macros a library file holds. Every key menu lists the whole
// library, so this is far beyond use; its file stays far below the size the
// settings-file reader accepts, so a library this program wrote can always
// be read back whole.
inline constexpr int32_t kMaxStoredMacros = 1000;

// What the last load or save found at the library's path.
enum class MacroFileState {
    Missing,    // no file yet: the next save creates it
    Readable,   // read whole
    Unreadable, // exists but could not be read whole (permissions, I/O
                // error, too large, more macros than kMaxStoredMacros, a
                // record missing or failing its checksum, a count that is
                // not a number or does not match the records): left as it
                // is, never overwritten
};

// Result of a name lookup: index -1 when nothing matched.
struct MacroMatch {
    int index = -1;
    bool same = false; // events, count and repeat equal the key's
    bool found() const { return index >= 0; }
};

// A macro a collect of the keys' macros added (`before` none) or changed, as
// it was before and as the collect left it.
struct CollectedMacro {
    std::optional<MacroRecord> before;
    MacroRecord after;
};
using CollectedMacros = std::vector<CollectedMacro>;

class MacroLibrary {
public:
    MacroLibrary() = default;
    explicit MacroLibrary(std::string filePath) : path_(std::move(filePath)) {}
    // A copy owns copies of the records: an editor may change or drop it
    // without touching the original.
    MacroLibrary(const MacroLibrary &other);
    MacroLibrary &operator=(const MacroLibrary &other);
    MacroLibrary(MacroLibrary &&) noexcept = default;
    MacroLibrary &operator=(MacroLibrary &&) noexcept = default;
    ~MacroLibrary() = default;

    const std::string &path() const { return path_; }
    void setPath(std::string filePath) { path_ = std::move(filePath); }

    // Appends the file's macros to the list (callers clear first). A number
    // of 0 (also a missing file or section) empties the list, as does a
    // file that cannot be read at all. A file whose records cannot be read
    // whole is marked Unreadable and shown as far as it can be read: a
    // damaged or missing record is appended zero-filled so indexes stay
    // aligned, and the list ends with the last record present.
    void load();
    // Replaces the file whole with the list, in list order, in one atomic
    // write. False, and the file untouched, when it could not be written,
    // when the list is longer than kMaxStoredMacros, or when the file at the
    // path is (or at the last load was) unreadable: saving over a file we
    // could not read would lose the macros it holds. `error` (when given)
    // says why a file that could be ours was not written.
    bool save(std::string *error = nullptr);
    // clear() then load(): drops every unsaved edit.
    void reload();
    MacroFileState fileState() const { return fileState_; }
    // Why the file is Unreadable, for a message ("record 1 is damaged");
    // empty otherwise.
    const std::string &problem() const { return problem_; }

    void clear() { records_.clear(); }
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }

    // nullptr when the index is out of range.
    MacroRecord *at(int index);
    const MacroRecord *at(int index) const;

    // First record whose trimmed name equals the key's (untrimmed) macro
    // name, ignoring case.
    MacroMatch findByName(const MacroKeyInfo &key) const;
    // Appends a record with the key's name, count and events; repeat 0.
    MacroRecord &addFromKey(const MacroKeyInfo &key);
    // Appends a zero-filled record with the given name.
    MacroRecord &create(std::string_view name);
    // Removes the record at the index; nothing when out of range.
    void remove(int index);

    // Every macro key (slots 0-14 of all profiles) into the library: unknown
    // names are added, known ones with other content take the key's events.
    // Returns what it added or changed.
    CollectedMacros collectKeyMacros(const ConfigBlock &config);
    // This list is an edited copy of a library that `collected` changed
    // since: the same changes reach it unless they would undo an edit. A
    // macro new to both is appended; one left as it was here takes the new
    // content; one edited, made or deleted here stays as it is.
    void mergeCollected(const CollectedMacros &collected);
    // The records of `edited` (a copy of this list) replace these; the path
    // and what is known of the file stay.
    void takeRecords(MacroLibrary &&edited);
    // Every named macro key takes its library content (and gets its change
    // flag); a key whose macro is gone falls back to its factory entry.
    void refreshKeys(ConfigBlock &config) const;
    // Key `slot` of profile `profile` gets macro `index`; false when either
    // is out of range.
    bool assign(int index, ConfigBlock &config, int profile, int slot) const;

private:
    std::string path_;
    std::vector<std::unique_ptr<MacroRecord>> records_;
    MacroFileState fileState_ = MacroFileState::Missing;
    std::string problem_;
};

// Case-insensitive equality of a trimmed library name and a key name.
bool macroNamesMatch(std::string_view libraryName, std::string_view keyName);

// Clears the macro fields of a key (count, events, name) when it is given any
// assignment other than a macro.
void clearKeyMacro(MacroKeyInfo &key);

} // namespace orvyn
