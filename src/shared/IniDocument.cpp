#include "shared/IniDocument.h"

#include "platform/Text.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orvyn {

namespace {

// "[name]" -> name (trimmed); nullopt for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view t = trim(line, kSpaceAndTab);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1), kSpaceAndTab);
}

// "key=value" -> key (trimmed); nullopt for lines without '='.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, eq), kSpaceAndTab);
}

std::string_view valuePart(std::string_view line) {
    const std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : trim(line.substr(eq + 1), kSpaceAndTab);
}

bool validName(std::string_view name, bool isKey) {
    if (trim(name, kSpaceAndTab).empty())
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

// FNV-1a over the case-folded name: a cheap first test before comparing.
uint32_t nameHash(std::string_view name) {
    uint32_t h = 2166136261u;
    for (char c : name) {
        h ^= static_cast<uint8_t>(asciiLower(c));
        h *= 16777619u;
    }
    return h;
}

bool isBlankLine(std::string_view line) {
    return trim(line, kSpaceAndTab).empty();
}

} // namespace

void IniDocument::addLine(std::vector<Piece> &pieces, std::string_view line) {
    if (!pieces.empty() && pieces.back().kind == PieceKind::Run) {
        pieces.back().text += '\n';
        pieces.back().text += line;
        return;
    }
    Piece run;
    run.text = std::string(line);
    pieces.push_back(std::move(run));
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
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::size_t stop = end;
        if (stop > pos && bytes[stop - 1] == '\r')
            --stop;
        const std::string_view line = bytes.substr(pos, stop - pos);
        pos = next;

        if (const auto name = sectionName(line)) {
            Section section;
            section.header = std::string(line);
            section.hash = nameHash(*name);
            doc.sections_.push_back(std::move(section));
            continue;
        }
        // Keys count only inside a section.
        if (doc.sections_.empty()) {
            addLine(doc.preamble_, line);
            continue;
        }
        std::vector<Piece> &body = doc.sections_.back().body;
        if (const auto key = keyName(line)) {
            Piece piece;
            piece.text = std::string(line);
            piece.hash = nameHash(*key);
            piece.kind = PieceKind::Key;
            body.push_back(std::move(piece));
        } else {
            addLine(body, line);
        }
    }
    // Runs grew by doubling; a long one would keep up to twice its size.
    auto tighten = [](std::vector<Piece> &pieces) {
        for (Piece &p : pieces)
            if (p.kind == PieceKind::Run)
                p.text.shrink_to_fit();
    };
    tighten(doc.preamble_);
    for (Section &s : doc.sections_)
        tighten(s.body);
    return doc;
}

std::string IniDocument::serialize() const {
    std::size_t total = 0;
    auto measure = [&](const std::vector<Piece> &pieces) {
        for (const Piece &p : pieces)
            total += p.text.size() + eol_.size() * (1 + std::count(p.text.begin(), p.text.end(), '\n'));
    };
    measure(preamble_);
    for (const Section &s : sections_) {
        total += s.header.size() + eol_.size();
        measure(s.body);
    }
    std::string out;
    out.reserve(total);
    auto append = [&](std::string_view text) {
        // Runs hold their lines joined by '\n'; each line ends as the file's
        // lines do.
        if (eol_ == "\n") {
            out += text;
        } else {
            std::size_t from = 0;
            for (std::size_t lf; (lf = text.find('\n', from)) != std::string_view::npos; from = lf + 1) {
                out += text.substr(from, lf - from);
                out += eol_;
            }
            out += text.substr(from);
        }
        out += eol_;
    };
    for (const Piece &p : preamble_)
        append(p.text);
    for (const Section &s : sections_) {
        append(s.header);
        for (const Piece &p : s.body)
            append(p.text);
    }
    if (!finalEol_ && !out.empty())
        out.resize(out.size() - eol_.size());
    return out;
}

const IniDocument::Section *IniDocument::findSection(std::string_view name) const {
    name = trim(name, kSpaceAndTab);
    const uint32_t hash = nameHash(name);
    for (const Section &s : sections_) {
        if (s.hash == hash && equalsAsciiNoCase(*sectionName(s.header), name))
            return &s;
    }
    return nullptr;
}

IniDocument::Section *IniDocument::findSection(std::string_view name) {
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

std::optional<std::size_t> IniDocument::findKey(const Section &section, std::string_view key) {
    key = trim(key, kSpaceAndTab);
    const uint32_t hash = nameHash(key);
    for (std::size_t i = 0; i < section.body.size(); ++i) {
        const Piece &p = section.body[i];
        if (p.kind == PieceKind::Key && p.hash == hash && equalsAsciiNoCase(*keyName(p.text), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::firstRepeatedKey(std::string_view section) const {
    section = trim(section, kSpaceAndTab);
    const uint32_t hash = nameHash(section);
    std::unordered_map<uint32_t, std::vector<std::string_view>> seen;
    int headers = 0;
    for (const Section &s : sections_) {
        if (s.hash != hash || !equalsAsciiNoCase(*sectionName(s.header), section))
            continue;
        if (++headers > 1)
            return "[" + std::string(section) + "]";
        for (const Piece &p : s.body) {
            if (p.kind != PieceKind::Key)
                continue;
            const std::string_view key = *keyName(p.text);
            std::vector<std::string_view> &same = seen[p.hash];
            for (std::string_view other : same)
                if (equalsAsciiNoCase(other, key))
                    return std::string(key);
            same.push_back(key);
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto at = findKey(*s, key);
    if (!at)
        return std::nullopt;
    return std::string(valuePart(s->body[*at].text));
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section *s = findSection(section)) {
        for (const Piece &p : s->body) {
            if (p.kind == PieceKind::Key)
                names.emplace_back(*keyName(p.text));
        }
    }
    return names;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    if (!validName(section, false) || !validName(key, true))
        return false;
    Piece line;
    line.text = std::string(key);
    line.text += '=';
    line.text += oneLine(value);
    line.hash = nameHash(trim(key, kSpaceAndTab));
    line.kind = PieceKind::Key;
    Section *s = findSection(section);
    if (!s) {
        Section fresh;
        fresh.header = "[" + std::string(trim(section, kSpaceAndTab)) + "]";
        fresh.hash = nameHash(trim(section, kSpaceAndTab));
        fresh.body.push_back(std::move(line));
        sections_.push_back(std::move(fresh));
        return true;
    }
    if (const auto at = findKey(*s, key)) {
        s->body[*at].text = std::move(line.text);
        return true;
    }
    // A new key goes after the section's last non-blank line; the blank
    // lines that part it from the next section stay after it.
    std::vector<Piece> &body = s->body;
    std::size_t at = body.size();
    while (at > 0) {
        Piece &p = body[at - 1];
        if (p.kind == PieceKind::Key)
            break;
        // The run's last non-blank line, if any: split the run after it.
        std::size_t lineEnd = p.text.size();
        bool found = false;
        for (;;) {
            const std::size_t lf = p.text.rfind('\n', lineEnd == 0 ? 0 : lineEnd - 1);
            const std::size_t lineBegin = (lf == std::string::npos || lineEnd == 0) ? 0 : lf + 1;
            if (!isBlankLine(std::string_view(p.text).substr(lineBegin, lineEnd - lineBegin))) {
                found = true;
                break;
            }
            if (lineBegin == 0)
                break;
            lineEnd = lineBegin - 1; // the '\n' before this line
        }
        if (found) {
            if (lineEnd < p.text.size()) {
                Piece tail;
                tail.text = p.text.substr(lineEnd + 1);
                p.text.resize(lineEnd);
                body.insert(body.begin() + static_cast<std::ptrdiff_t>(at), std::move(tail));
            }
            break;
        }
        --at;
    }
    body.insert(body.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    return true;
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
    Section *s = findSection(section);
    if (!s)
        return false;
    const auto at = findKey(*s, key);
    if (!at)
        return false;
    s->body.erase(s->body.begin() + static_cast<std::ptrdiff_t>(*at));
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

} // namespace orvyn
