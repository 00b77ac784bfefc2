#include "shared/IniFile.h"

#include "platform/FileAccess.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace orvyn {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// "[name]" -> name (trimmed); nullopt for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
}

// "key=value" -> key (trimmed); nullopt for lines without '='.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, eq));
}

std::string_view valuePart(std::string_view line) {
    const std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : trim(line.substr(eq + 1));
}

bool validName(std::string_view name, bool isKey) {
    if (trim(name).empty())
        return false;
    for (char c : name) {
        if (c == '\r' || c == '\n' || c == '\0')
            return false;
        if (isKey && (c == '=' || c == '['))
            return false;
        if (!isKey && c == ']')
            return false;
    }
    return true;
}

std::string_view oneLine(std::string_view value) {
    const std::size_t cut = value.find_first_of("\r\n");
    return cut == std::string_view::npos ? value : value.substr(0, cut);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string encodeBlock(const void *data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    const auto *bytes = static_cast<const uint8_t *>(data);
    std::string out;
    out.reserve(size * 2 + 2);
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
        sum += bytes[i];
    }
    out += digits[(sum >> 4) & 15];
    out += digits[sum & 15];
    return out;
}

bool decodeBlock(std::string_view text, void *out, std::size_t size) {
    if (size > (SIZE_MAX - 2) / 2 || text.size() != size * 2 + 2)
        return false;
    // Decode into a scratch buffer first: the destination is only filled by
    // a value that is valid as a whole.
    std::vector<uint8_t> bytes(size + 1);
    unsigned sum = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        const int hi = hexDigit(text[2 * i]);
        const int lo = hexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes[i] = static_cast<uint8_t>(hi * 16 + lo);
        if (i < size)
            sum += bytes[i];
    }
    if ((sum & 0xFF) != bytes[size])
        return false;
    if (size)
        std::memcpy(out, bytes.data(), size);
    return true;
}

int32_t parseIniNumber(std::string_view text) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1)
            value = static_cast<int64_t>(INT32_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument doc;
    const std::size_t firstLf = bytes.find('\n');
    if (firstLf != std::string_view::npos && firstLf > 0 && bytes[firstLf - 1] == '\r')
        doc.eol_ = "\r\n";
    doc.finalEol_ = bytes.empty() || bytes.back() == '\n';
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::size_t stop = end;
        if (stop > pos && bytes[stop - 1] == '\r')
            --stop;
        doc.lines_.push_back({std::string(bytes.substr(pos, stop - pos))});
        pos = next;
    }
    return doc;
}

std::string IniDocument::serialize() const {
    std::string out;
    std::size_t total = 0;
    for (const Line &l : lines_)
        total += l.text.size() + eol_.size();
    out.reserve(total);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        if (i + 1 < lines_.size() || finalEol_)
            out += eol_;
    }
    return out;
}

std::optional<std::pair<std::size_t, std::size_t>> IniDocument::sectionRange(std::string_view section) const {
    section = trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = sectionName(lines_[i].text);
        if (!name || !equalsNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end].text))
            ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::keyLine(std::size_t begin, std::size_t end,
                                                std::string_view key) const {
    key = trim(key);
    for (std::size_t i = begin; i < end; ++i) {
        auto name = keyName(lines_[i].text);
        if (name && equalsNoCase(*name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    auto range = sectionRange(section);
    if (!range)
        return std::nullopt;
    auto line = keyLine(range->first, range->second, key);
    if (!line)
        return std::nullopt;
    return std::string(valuePart(lines_[*line].text));
}

bool IniDocument::hasSection(std::string_view section) const {
    return sectionRange(section).has_value();
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!validName(section, false) || !validName(key, true))
        return false;
    std::string text(key);
    text += '=';
    text += oneLine(value);
    auto range = sectionRange(section);
    if (!range) {
        lines_.push_back({"[" + std::string(trim(section)) + "]"});
        lines_.push_back({std::move(text)});
        return true;
    }
    if (auto line = keyLine(range->first, range->second, key)) {
        lines_[*line].text = std::move(text);
        return true;
    }
    // New key: after the section's last non-blank line.
    std::size_t at = range->second;
    while (at > range->first && trim(lines_[at - 1].text).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text)});
    return true;
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
    auto range = sectionRange(section);
    if (!range)
        return false;
    auto line = keyLine(range->first, range->second, key);
    if (!line)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    return true;
}

std::string IniDocument::readText(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    std::string v = value(section, key).value_or(std::string(fallback));
    if (v.size() > kIniTextMax)
        v.resize(kIniTextMax);
    return v;
}

int32_t IniDocument::readNumber(std::string_view section, std::string_view key, int32_t fallback) const {
    auto v = value(section, key);
    if (!v || v->empty())
        return fallback;
    return parseIniNumber(*v);
}

bool IniDocument::readBlock(std::string_view section, std::string_view key, void *out,
                            std::size_t size) const {
    auto v = value(section, key);
    return v && decodeBlock(*v, out, size);
}

bool IniDocument::writeText(std::string_view section, std::string_view key, std::string_view text) {
    return set(section, key, text);
}

bool IniDocument::writeNumber(std::string_view section, std::string_view key, int32_t value) {
    return set(section, key, std::to_string(value));
}

bool IniDocument::writeBlock(std::string_view section, std::string_view key, const void *data,
                             std::size_t size) {
    return set(section, key, encodeBlock(data, size));
}

IniLoad loadIniDocument(const std::string &path, IniDocument &doc) {
    doc = IniDocument();
    const FileRead file = readRegularFile(path, kIniFileMaxBytes);
    if (file.status == ReadStatus::Missing)
        return IniLoad::Missing;
    if (!file.ok())
        return IniLoad::Unreadable;
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
    FolderLock lock(folderOfPath(path_));
    IniDocument doc;
    if (start == Start::FromFile && loadIniDocument(path_, doc) == IniLoad::Unreadable)
        return false; // never replace a file we could not read: its keys would be lost
    if (!edit(doc))
        return false;
    return replaceFileAtomically(path_, doc.serialize());
}

IniDocument IniFile::load() const {
    IniDocument doc;
    loadIniDocument(path_, doc);
    return doc;
}

} // namespace orvyn
