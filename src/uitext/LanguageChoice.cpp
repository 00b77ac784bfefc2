#include "uitext/LanguageChoice.h"

#include <array>
#include <cstdlib>

namespace orvyn {
namespace {

constexpr std::array<std::string_view, 10> kShipped = {"en", "de", "fr", "es", "pt_BR", "it", "pl", "ru", "zh_CN", "ja"};

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "de-DE.UTF-8@euro" -> "de_de": no encoding, no modifier, one separator.
std::string normalised(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '.' || c == '@')
            break;
        out += c == '-' ? '_' : lower(c);
    }
    return out;
}

bool isCLocale(std::string_view value) {
    const std::string n = normalised(value);
    return n.empty() || n == "c" || n == "posix";
}

} // namespace

std::span<const std::string_view> shippedLanguages() {
    return kShipped;
}

LocaleVariables LocaleVariables::fromProcess() {
    return {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"), environment("LANG")};
}

std::string shippedLanguageFor(std::string_view value) {
    const std::string wanted = normalised(value);
    if (wanted.empty())
        return {};
    const std::string base = wanted.substr(0, wanted.find('_'));
    for (const std::string_view code : kShipped)
        if (normalised(code) == wanted)
            return std::string(code);
    for (const std::string_view code : kShipped)
        if (normalised(code) == base)
            return std::string(code);
    // A region we do not ship reads the one we do ship ("pt_PT" reads "pt_BR",
    // "zh_TW" reads "zh_CN"): closer to the user than English.
    for (const std::string_view code : kShipped) {
        const std::string shipped = normalised(code);
        if (shipped.substr(0, shipped.find('_')) == base)
            return std::string(code);
    }
    return {};
}

std::string chooseLanguage(std::string_view commandLine, std::string_view configured,
                           const LocaleVariables &locale) {
    for (const std::string_view explicitChoice : {commandLine, configured})
        if (std::string code = shippedLanguageFor(explicitChoice); !code.empty())
            return code;
    // The locale in force: the first of LC_ALL, LC_MESSAGES, LANG that is set.
    std::string_view effective;
    for (const std::string *v : {&locale.lcAll, &locale.lcMessages, &locale.lang})
        if (!v->empty()) {
            effective = *v;
            break;
        }
    if (isCLocale(effective))
        return std::string(kEnglish);
    std::string_view list = locale.language;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        if (std::string code = shippedLanguageFor(entry); !code.empty())
            return code;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (std::string code = shippedLanguageFor(effective); !code.empty())
        return code;
    return std::string(kEnglish);
}

std::string takeLanguageArgument(int &argc, char **argv) {
    static constexpr std::string_view kOption = "--language";
    std::string code;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i] ? std::string_view(argv[i]) : std::string_view();
        if (i > 0 && arg == kOption && i + 1 < argc) {
            code = argv[++i] ? argv[i] : "";
            continue;
        }
        if (i > 0 && arg.size() > kOption.size() && arg.starts_with(kOption) && arg[kOption.size()] == '=') {
            code = std::string(arg.substr(kOption.size() + 1));
            continue;
        }
        argv[kept++] = argv[i];
    }
    for (int i = kept; i < argc; ++i)
        argv[i] = nullptr;
    argc = kept;
    return code;
}

} // namespace orvyn
