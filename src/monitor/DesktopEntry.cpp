#include "monitor/DesktopEntry.h"

#include "platform/Text.h"

namespace orvyn {

namespace {

bool booleanValue(std::string_view value) {
    return value == "true" || value == "1";
}

DesktopEntry::Type typeOf(std::string_view value) {
    if (value == "Application")
        return DesktopEntry::Type::Application;
    if (value == "Link")
        return DesktopEntry::Type::Link;
    if (value == "Directory")
        return DesktopEntry::Type::Directory;
    return DesktopEntry::Type::Unknown;
}

// One argument being assembled, with what it was made of.
struct Word {
    std::string text;
    bool started = false;   // anything at all was seen
    bool quoted = false;    // quotes make even an empty argument count
    bool plainText = false; // characters other than field codes
    int codes = 0;
    char soleCode = 0;
};

void finishWord(Word &word, const ExecContext &context, std::vector<std::string> &args) {
    if (!word.started)
        return;
    if (word.codes == 1 && !word.plainText) {
        // An argument that is nothing but a field code.
        switch (word.soleCode) {
        case 'i':
            if (!context.icon.empty()) {
                args.emplace_back("--icon");
                args.push_back(context.icon);
            }
            break;
        case 'c':
        case 'k':
            if (!word.text.empty())
                args.push_back(word.text);
            break;
        default:
            break; // files and URLs are not passed; deprecated codes vanish
        }
    } else if (!word.text.empty() || word.quoted) {
        args.push_back(word.text);
    }
    word = Word{};
}

} // namespace

std::string unescapeDesktopString(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (value[i + 1]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += value[i + 1];
            break;
        }
        ++i;
    }
    return out;
}

std::optional<DesktopEntry> parseDesktopEntry(std::string_view text) {
    DesktopEntry entry;
    bool inGroup = false;
    bool found = false;
    // The first value of a key counts.
    bool seenType = false, seenName = false, seenIcon = false, seenExec = false, seenTryExec = false,
         seenPath = false, seenUrl = false, seenHidden = false, seenTerminal = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view content = trim(line, kSpaceAndTab);
        if (content.empty() || content.front() == '#')
            continue;
        if (content.front() == '[') {
            if (found && inGroup)
                break; // the group ended
            inGroup = content == "[Desktop Entry]";
            found = found || inGroup;
            continue;
        }
        if (!inGroup)
            continue;
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trim(content.substr(0, equals), kSpaceAndTab);
        const std::string_view raw = trim(content.substr(equals + 1), kSpaceAndTab);
        const auto take = [&](bool &seen, std::string &into) {
            if (!seen)
                into = unescapeDesktopString(raw);
            seen = true;
        };
        if (key == "Type") {
            if (!seenType) {
                entry.type = typeOf(raw);
                entry.typeGiven = true;
            }
            seenType = true;
        } else if (key == "Name") {
            take(seenName, entry.name);
        } else if (key == "Icon") {
            take(seenIcon, entry.icon);
        } else if (key == "Exec") {
            take(seenExec, entry.exec);
        } else if (key == "TryExec") {
            take(seenTryExec, entry.tryExec);
        } else if (key == "Path") {
            take(seenPath, entry.path);
        } else if (key == "URL") {
            take(seenUrl, entry.url);
        } else if (key == "Hidden") {
            if (!seenHidden)
                entry.hidden = booleanValue(raw);
            seenHidden = true;
        } else if (key == "Terminal") {
            if (!seenTerminal)
                entry.terminal = booleanValue(raw);
            seenTerminal = true;
        }
    }
    if (!found)
        return std::nullopt;
    return entry;
}

std::vector<std::string> splitExecValue(std::string_view value, const ExecContext &context) {
    std::vector<std::string> args;
    Word word;
    enum class Quote { None, Double, Single } quote = Quote::None;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const bool hasNext = i + 1 < value.size();
        if (quote == Quote::Single) {
            if (c == '\'') {
                quote = Quote::None;
            } else {
                word.text += c;
                word.plainText = true;
            }
            continue;
        }
        if (quote == Quote::Double) {
            if (c == '"') {
                quote = Quote::None;
                continue;
            }
            if (c == '\\' && hasNext) {
                const char next = value[i + 1];
                if (next == '"' || next == '`' || next == '$' || next == '\\') {
                    word.text += next;
                    word.plainText = true;
                    ++i;
                    continue;
                }
            }
            // Field codes are expanded inside quotes as well.
        } else {
            if (c == ' ' || c == '\t' || c == '\n') {
                finishWord(word, context, args);
                continue;
            }
            word.started = true;
            if (c == '"' || c == '\'') {
                quote = c == '"' ? Quote::Double : Quote::Single;
                word.quoted = true;
                continue;
            }
            if (c == '\\' && hasNext) {
                word.text += value[++i];
                word.plainText = true;
                continue;
            }
        }
        if (c == '%' && hasNext) {
            const char code = value[++i];
            if (code == '%') {
                word.text += '%';
                word.plainText = true;
                continue;
            }
            ++word.codes;
            word.soleCode = code;
            if (code == 'c')
                word.text += context.name;
            else if (code == 'k')
                word.text += context.location;
            continue;
        }
        word.text += c;
        word.plainText = true;
    }
    if (quote != Quote::None)
        return {}; // unbalanced: the line cannot be trusted
    finishWord(word, context, args);
    return args;
}

std::optional<std::vector<std::string>> desktopEntryCommand(std::string_view fileText) {
    const auto entry = parseDesktopEntry(fileText);
    if (!entry || entry->exec.empty())
        return std::nullopt;
    auto args = splitExecValue(entry->exec, {entry->name, entry->icon, {}});
    if (args.empty())
        return std::nullopt;
    return args;
}

} // namespace orvyn
