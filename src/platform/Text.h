// Text utilities every parser of the suite shares: trimming with the blank
// set the caller's format defines, ASCII and UTF-8 case folding, and whole
// numbers from text.
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvyn {

// The blank sets the formats use.
inline constexpr std::string_view kSpaceAndTab = " \t";             // INI and desktop-entry lines
inline constexpr std::string_view kLineBlanks = " \t\r\n";          // names read from files
inline constexpr std::string_view kAsciiWhitespace = " \t\r\n\v\f"; // what C's isspace calls blank

// `text` without the characters of `blanks` at either end.
std::string_view trim(std::string_view text, std::string_view blanks);

// A-Z lowered; every other byte, UTF-8 included, kept.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string asciiLower(std::string_view text);
bool equalsAsciiNoCase(std::string_view a, std::string_view b);

// The code point at `pos` of UTF-8 text, moving `pos` past it. A byte that
// does not start a valid sequence stands for itself, so any bytes compare.
char32_t nextCodePoint(std::string_view text, std::size_t &pos);
// The lower-case form of a code point, from the C library's UTF-8 tables
// (not the process locale's).
char32_t foldCase(char32_t codePoint);
// Equal after folding every code point (as names typed in any case match).
bool equalsFoldingCase(std::string_view a, std::string_view b);

// The whole text as a number of type T in `base`; nullopt for an empty
// text, anything after the digits, or a value T cannot hold.
template <std::integral T> std::optional<T> parseWhole(std::string_view text, int base = 10) {
    T value{};
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace orvyn
