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

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

std::string alignedRows(const std::vector<LabelledRow> &rows, std::string_view indent) {
    std::size_t width = 0;
    for (const LabelledRow &row : rows)
        width = std::max(width, characters(row.first));
    std::string out;
    for (const auto &[label, value] : rows)
        out += std::string(indent) + label + std::string(width + 1 - characters(label), ' ') + value + "\n";
    return out;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace orvyn::ctl
