#include "editing/MacroLibrary.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/Text.h"
#include "shared/IniFile.h"

namespace orvyn {

namespace {

// The largest file a library of kMaxStoredMacros records makes: the section
// line, "number=<count>", and per record "<index>=" with the 522 digits of
// its encoding, each line ended by one "\n".
constexpr std::size_t decimalDigits(std::size_t n) {
    std::size_t digits = 1;
    while (n >= 10) {
        n /= 10;
        ++digits;
    }
    return digits;
}
constexpr std::size_t kLargestLibraryFile =
    std::char_traits<char>::length(kMacroSection) + 3 + std::char_traits<char>::length(kMacroCountKey) + 1 +
    decimalDigits(kMaxStoredMacros) + 1 +
    static_cast<std::size_t>(kMaxStoredMacros) *
        (decimalDigits(kMaxStoredMacros - 1) + 1 + 2 * (sizeof(MacroRecord) + 1) + 1);
static_assert(kLargestLibraryFile <= kMacroLibraryMaxBytes, "a full library must read back whole");

int clampCount(long count) {
    return static_cast<int>(std::clamp<long>(count, 0, kMacroEventCapacity));
}

// Decimal digits only, as save() writes counts and indexes.
std::optional<int64_t> decimalValue(std::string_view text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A record's key: its index exactly as save() writes it ("1", never "01").
std::optional<int64_t> recordIndex(std::string_view key) {
    if (key.size() > 1 && key.front() == '0')
        return std::nullopt;
    return decimalValue(key);
}

// "record 1", "records 1 and 4", "records 1, 4, 7 and 12 more".
std::string recordList(const std::vector<int> &indexes) {
    std::string text = indexes.size() == 1 ? "record " : "records ";
    const std::size_t named = std::min<std::size_t>(indexes.size(), 3);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            text += i + 1 == indexes.size() ? " and " : ", ";
        text += std::to_string(indexes[i]);
    }
    if (indexes.size() > named)
        text += " and " + std::to_string(indexes.size() - named) + " more";
    return text;
}

// What a library file holds, read as far as it can be.
struct LibraryRead {
    std::vector<std::unique_ptr<MacroRecord>> records;
    std::string problem; // empty when the file was read whole
};

LibraryRead readLibrary(const IniDocument &doc) {
    LibraryRead read;
    int64_t highest = -1; // the highest record index present
    for (const std::string &key : doc.keys(kMacroSection)) {
        if (const auto index = recordIndex(key))
            highest = std::max(highest, *index);
    }
    const std::string countText(
        trim(doc.value(kMacroSection, kMacroCountKey).value_or(""), kAsciiWhitespace));
    // No count and no records: the empty library (no file, no section).
    const std::optional<int64_t> count =
        countText.empty() && highest < 0 ? std::optional<int64_t>(0) : decimalValue(countText);
    if (count == 0)
        return read; // the empty library, whatever else the section holds
    if (count && *count > kMaxStoredMacros) {
        read.problem = "it counts " + std::to_string(*count) + " macros, more than the " +
                       std::to_string(kMaxStoredMacros) + " this program keeps";
        return read;
    }
    const int64_t length = std::min<int64_t>(std::max(count.value_or(0), highest + 1), kMaxStoredMacros);
    std::vector<int> damaged, missing;
    int64_t lastPresent = -1;
    for (int64_t i = 0; i < length; ++i) {
        auto record = std::make_unique<MacroRecord>();
        std::memset(record.get(), 0, sizeof(MacroRecord));
        const std::string key = std::to_string(i);
        if (!doc.value(kMacroSection, key)) {
            missing.push_back(static_cast<int>(i));
        } else {
            lastPresent = i;
            if (!doc.readBlock(kMacroSection, key, record.get(), sizeof(MacroRecord))) {
                std::memset(record.get(), 0, sizeof(MacroRecord));
                damaged.push_back(static_cast<int>(i));
            }
        }
        read.records.push_back(std::move(record));
    }
    std::vector<std::string> problems;
    if (!damaged.empty())
        problems.push_back(recordList(damaged) + (damaged.size() == 1 ? " is" : " are") +
                           " damaged (wrong length or checksum)");
    if (!missing.empty())
        problems.push_back(recordList(missing) + (missing.size() == 1 ? " is" : " are") + " missing");
    if (!count && countText.empty())
        problems.push_back("its count (number=) is missing");
    else if (!count)
        problems.push_back("its count (number=" + countText + ") is not a number of macros");
    else if (highest >= *count)
        problems.push_back("it holds record " + std::to_string(highest) +
                           " beyond its count (number=" + countText + ")");
    for (const std::string &p : problems)
        read.problem += (read.problem.empty() ? "" : "; ") + p;
    // Shown as far as it can be read: records missing at the end are not
    // made up.
    if (!read.problem.empty())
        read.records.resize(static_cast<std::size_t>(lastPresent + 1));
    return read;
}

void copyKeyEvents(MacroRecord &record, const MacroKeyInfo &key) {
    std::memcpy(record.events, key.events, sizeof record.events);
    record.count = clampCount(key.eventCount);
}

// Name, repeat, count and the events it counts: what a user can change.
bool sameMacro(const MacroRecord &a, const MacroRecord &b) {
    return getFixed(a.name) == getFixed(b.name) && a.repeat == b.repeat && a.count == b.count &&
           std::memcmp(a.events, b.events, sizeof(MacroEvent) * a.validCount()) == 0;
}

} // namespace

MacroLibrary::MacroLibrary(const MacroLibrary &other)
    : path_(other.path_), fileState_(other.fileState_), problem_(other.problem_) {
    records_.reserve(other.records_.size());
    for (const auto &record : other.records_)
        records_.push_back(std::make_unique<MacroRecord>(*record));
}

MacroLibrary &MacroLibrary::operator=(const MacroLibrary &other) {
    if (this != &other)
        *this = MacroLibrary(other);
    return *this;
}

int MacroRecord::validCount() const {
    return clampCount(count);
}

bool macroNamesMatch(std::string_view libraryName, std::string_view keyName) {
    return equalsFoldingCase(trim(libraryName, kAsciiWhitespace), keyName);
}

void clearKeyMacro(MacroKeyInfo &key) {
    key.eventCount = 0;
    std::memset(key.events, 0, sizeof key.events);
    std::memset(key.macroName, 0, sizeof key.macroName);
}

void MacroLibrary::load() {
    IniDocument doc;
    std::string error;
    problem_.clear();
    switch (loadIniDocument(path_, doc, kMacroLibraryMaxBytes, &error)) {
    case IniLoad::Missing:
        fileState_ = MacroFileState::Missing;
        records_.clear();
        return;
    case IniLoad::Unreadable:
        fileState_ = MacroFileState::Unreadable;
        problem_ = error.starts_with(path_ + ": ") ? error.substr(path_.size() + 2) : error;
        records_.clear();
        return;
    case IniLoad::Ok:
        break;
    }
    LibraryRead read = readLibrary(doc);
    fileState_ = read.problem.empty() ? MacroFileState::Readable : MacroFileState::Unreadable;
    problem_ = std::move(read.problem);
    if (read.records.empty()) {
        records_.clear();
        return;
    }
    records_.reserve(records_.size() + read.records.size());
    for (auto &record : read.records)
        records_.push_back(std::move(record));
}

bool MacroLibrary::save(std::string *error) {
    if (fileState_ == MacroFileState::Unreadable)
        return false;
    if (records_.size() > static_cast<std::size_t>(kMaxStoredMacros)) {
        if (error)
            *error = path_ + ": not written, it would hold more than " + std::to_string(kMaxStoredMacros) +
                     " macros";
        return false;
    }
    IniDocument doc;
    if (!doc.writeNumber(kMacroSection, kMacroCountKey, static_cast<int32_t>(records_.size())))
        return false;
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (!doc.writeBlock(kMacroSection, std::to_string(i), records_[i].get(), sizeof(MacroRecord)))
            return false;
    }
    const std::string contents = doc.serialize();
    // A file that appeared, or became unreadable, since the last load is
    // still not ours to overwrite. Every apply saves the library; a file
    // that already holds exactly this is left alone (no rewrite, no flush).
    IniDocument current;
    std::string why;
    switch (loadIniDocument(path_, current, kMacroLibraryMaxBytes, &why)) {
    case IniLoad::Unreadable:
        fileState_ = MacroFileState::Unreadable;
        problem_ = why.starts_with(path_ + ": ") ? why.substr(path_.size() + 2) : why;
        return false;
    case IniLoad::Ok:
        // Damaged since the last load: its readable records are not ours
        // to drop either.
        if (std::string problem = readLibrary(current).problem; !problem.empty()) {
            fileState_ = MacroFileState::Unreadable;
            problem_ = std::move(problem);
            return false;
        }
        if (current.serialize() == contents) {
            fileState_ = MacroFileState::Readable;
            return true;
        }
        break;
    case IniLoad::Missing:
        break;
    }
    if (!replaceFileAtomically(path_, contents, error))
        return false;
    fileState_ = MacroFileState::Readable;
    return true;
}

void MacroLibrary::reload() {
    clear();
    load();
}

MacroRecord *MacroLibrary::at(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < records_.size() ? records_[index].get() : nullptr;
}

const MacroRecord *MacroLibrary::at(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < records_.size() ? records_[index].get() : nullptr;
}

MacroMatch MacroLibrary::findByName(const MacroKeyInfo &key) const {
    MacroMatch match;
    const std::string_view keyName = getFixed(key.macroName);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const MacroRecord &record = *records_[i];
        if (!macroNamesMatch(getFixed(record.name), keyName))
            continue;
        match.index = static_cast<int>(i);
        const int count = record.validCount();
        match.same = record.count == static_cast<int32_t>(key.eventCount) &&
                     record.repeat == key.repeatCount &&
                     std::memcmp(record.events, key.events, sizeof(MacroEvent) * count) == 0;
        return match;
    }
    return match;
}

MacroRecord &MacroLibrary::addFromKey(const MacroKeyInfo &key) {
    auto record = std::make_unique<MacroRecord>();
    std::memset(record.get(), 0, sizeof(MacroRecord));
    setFixed(record->name, getFixed(key.macroName));
    record->count = clampCount(key.eventCount);
    std::memcpy(record->events, key.events, sizeof(MacroEvent) * record->count);
    records_.push_back(std::move(record));
    return *records_.back();
}

MacroRecord &MacroLibrary::create(std::string_view name) {
    auto record = std::make_unique<MacroRecord>();
    std::memset(record.get(), 0, sizeof(MacroRecord));
    setFixed(record->name, name);
    records_.push_back(std::move(record));
    return *records_.back();
}

void MacroLibrary::remove(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < records_.size())
        records_.erase(records_.begin() + index);
}

CollectedMacros MacroLibrary::collectKeyMacros(const ConfigBlock &config) {
    // Each record touched, with its content before its first change.
    std::vector<std::pair<int, std::optional<MacroRecord>>> touched;
    auto note = [&touched](int index, const MacroRecord *before) {
        for (const auto &t : touched)
            if (t.first == index)
                return;
        touched.emplace_back(index, before ? std::optional<MacroRecord>(*before) : std::nullopt);
    };
    for (const ProfileData &profile : config.profiles) {
        for (int k = 0; k < kKeyboardSlotCount; ++k) {
            const MacroKeyInfo &key = profile.keys[k];
            if (key.assignType() != AssignType::Macro)
                continue;
            const MacroMatch match = findByName(key);
            if (!match.found()) {
                addFromKey(key);
                note(static_cast<int>(records_.size()) - 1, nullptr);
            } else if (!match.same) {
                MacroRecord &record = *records_[match.index];
                note(match.index, &record);
                copyKeyEvents(record, key);
                record.repeat = key.repeatCount;
            }
        }
    }
    CollectedMacros collected;
    collected.reserve(touched.size());
    for (auto &[index, before] : touched)
        collected.push_back({std::move(before), *records_[index]});
    return collected;
}

void MacroLibrary::mergeCollected(const CollectedMacros &collected) {
    for (const CollectedMacro &change : collected) {
        const std::string_view name = trim(getFixed(change.after.name), kAsciiWhitespace);
        auto own = std::find_if(records_.begin(), records_.end(),
                                [name](const auto &r) { return macroNamesMatch(getFixed(r->name), name); });
        if (own == records_.end()) {
            if (!change.before)
                records_.push_back(std::make_unique<MacroRecord>(change.after));
            continue; // else deleted here
        }
        MacroRecord &record = **own;
        if (!change.before || !sameMacro(record, *change.before))
            continue; // edited or made here
        std::memcpy(record.events, change.after.events, sizeof record.events);
        record.count = change.after.count;
        record.repeat = change.after.repeat;
    }
}

void MacroLibrary::takeRecords(MacroLibrary &&edited) {
    records_ = std::move(edited.records_);
    edited.records_.clear();
}

namespace {

void takeRecord(MacroKeyInfo &key, const MacroRecord &record) {
    key.eventCount = static_cast<uint16_t>(record.validCount());
    setFixed(key.macroName, getFixed(record.name));
    std::memcpy(key.events, record.events, sizeof key.events);
    key.repeatCount = record.repeat;
}

} // namespace

void MacroLibrary::refreshKeys(ConfigBlock &config) const {
    for (int p = 0; p < kProfileCount; ++p) {
        for (int k = 0; k < kKeyboardSlotCount; ++k) {
            MacroKeyInfo &key = config.profiles[p].keys[k];
            if (key.assignType() != AssignType::Macro || getFixed(key.macroName).empty())
                continue;
            const MacroMatch match = findByName(key);
            if (!match.found()) {
                setFactoryKeyEntry(key, k); // its macro was deleted from the library
                continue;
            }
            takeRecord(key, *records_[match.index]);
            config.flags.keySlot[p][k] = 1;
        }
    }
}

bool MacroLibrary::assign(int index, ConfigBlock &config, int profile, int slot) const {
    const MacroRecord *record = at(index);
    if (!record || !isValidProfile(profile) || slot < 0 || slot >= kKeySlotCount)
        return false;
    MacroKeyInfo &key = config.profiles[profile].keys[slot];
    key.type = static_cast<uint8_t>(AssignType::Macro);
    key.flags = 0;
    key.code = 0;
    takeRecord(key, *record);
    config.flags.keySlot[profile][slot] = 1;
    return true;
}

} // namespace orvyn
