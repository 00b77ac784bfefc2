// Which language the suite speaks. Every program chooses the same way:
// `--language CODE`, else `Language` in config.ini ([Setting]), else the
// locale, else English. Codes are those of the shipped tables ("en", "de");
// a regional or encoded value ("de_AT.UTF-8") falls back to its language.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvyn {

inline constexpr std::string_view kEnglish = "en";

// The languages with a string table and a translation catalogue.
std::span<const std::string_view> shippedLanguages();

// The locale variables, as the C library's message catalogues read them.
struct LocaleVariables {
    std::string language;   // LANGUAGE: a colon-separated preference list
    std::string lcAll;      // LC_ALL
    std::string lcMessages; // LC_MESSAGES
    std::string lang;       // LANG
    static LocaleVariables fromProcess();
};

// The shipped language `value` names ("de", "de_DE", "de-DE.UTF-8@euro"),
// or empty when none does.
std::string shippedLanguageFor(std::string_view value);

// The first source that names a shipped language wins; an unknown code is
// passed over. LANGUAGE counts only when the locale itself is not "C" or
// "POSIX" (unset counts as "C"), as with the C library's catalogues.
std::string chooseLanguage(std::string_view commandLine, std::string_view configured,
                           const LocaleVariables &locale);

// Takes "--language CODE" or "--language=CODE" out of the arguments, so the
// programs' own parsers never see it, and returns CODE (empty when absent).
std::string takeLanguageArgument(int &argc, char **argv);

} // namespace orvyn
