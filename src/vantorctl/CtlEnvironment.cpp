#include "vantorctl/CtlEnvironment.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

#include "vantorctl/CtlValues.h"

namespace orvyn::ctl {

void print(const std::string &text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void complain(const std::string &text) {
    std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
}

std::string str(const QString &s) {
    return s.toStdString();
}

std::string said(const char *source, std::initializer_list<std::string_view> args) {
    const QString text = QCoreApplication::translate("vantorctl", source);
    QStringList values;
    for (const std::string_view a : args)
        values << QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    // One pass: a "%2" inside a path or name given is never taken for a
    // place of its own.
    switch (values.size()) {
    case 0:
        return text.toStdString();
    case 1:
        return text.arg(values[0]).toStdString();
    case 2:
        return text.arg(values[0], values[1]).toStdString();
    default:
        return text.arg(values[0], values[1], values[2]).toStdString();
    }
}

bool endsWithJson(const std::string &path) {
    return path.size() >= 5 && sameWord(std::string_view(path).substr(path.size() - 5), ".json");
}

namespace {

// Chinese and Japanese characters take two columns of a terminal.
bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

std::size_t terminalColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 1;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        columns += isWide(c) ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string alignedRows(const std::vector<LabelledRow> &rows, std::string_view indent) {
    std::size_t width = 0;
    for (const LabelledRow &row : rows)
        width = std::max(width, terminalColumns(row.first));
    std::string out;
    for (const auto &[label, value] : rows)
        out +=
            std::string(indent) + label + std::string(width + 1 - terminalColumns(label), ' ') + value + "\n";
    return out;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace orvyn::ctl
