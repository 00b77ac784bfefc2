// The per-language screenshot test's eye on the X server: saves a part of
// the screen as PNG and says whether it is blank, and whether the texts it
// is given (a JSON array on stdin) would be drawn with a glyph for every
// character in the faces the programs use. "screen_shot --languages" lists
// the shipped languages; "screen_shot --table PROGRAM_DIR CODE" prints, as a
// JSON object, each string-table text that CODE words otherwise than English.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QRawFont>
#include <QScreen>
#include <QSet>
#include <QTextLayout>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "platform/qt/FallbackFonts.h"
#include "uitext/LanguageChoice.h"
#include "uitext/UiText.h"

namespace {

// A picture of one colour, or of a few (a frame around nothing), is blank.
bool blank(const QImage &image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 16; y += 2)
        for (int x = 0; x < image.width() && colours.size() < 16; x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size() < 16;
}

// What would show as a box, or come from a face nobody asked for.
QStringList glyphProblems(const QString &text, const QList<QFont> &fonts, const QStringList &faces) {
    QStringList problems;
    for (const QFont &font : fonts) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            const QString face = run.rawFont().familyName();
            if (run.glyphIndexes().contains(0))
                problems << QStringLiteral("no glyph in %1 for a character of \"%2\"").arg(face, text);
            if (!faces.contains(face, Qt::CaseInsensitive))
                problems << QStringLiteral("\"%1\" drawn with %2").arg(text, face);
        }
    }
    return problems;
}

// Every id of the string table (menus, function names, lighting values).
constexpr unsigned kFirstTextId = 1000, kLastTextId = 1110;

// The module holds one selected language for the whole process: one at a time.
std::map<unsigned, std::string> tableTexts(const std::string &programFolder, const std::string &language) {
    std::map<unsigned, std::string> texts;
    orvyn::UiTextLibrary library;
    if (library.load(programFolder, language))
        for (unsigned id = kFirstTextId; id <= kLastTextId; ++id)
            if (std::string text = library.text(id); !text.empty())
                texts[id] = text;
    return texts;
}

int printTable(const std::string &programFolder, const std::string &language) {
    const std::map<unsigned, std::string> english = tableTexts(programFolder, "en");
    const std::map<unsigned, std::string> own = tableTexts(programFolder, language);
    if (english.empty())
        return 2;
    QJsonObject differing;
    for (const auto &[id, text] : own)
        if (english.count(id) != 0 && english.at(id) != text)
            differing.insert(QString::fromStdString(english.at(id)), QString::fromStdString(text));
    std::printf("%s\n", QJsonDocument(differing).toJson(QJsonDocument::Compact).constData());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--table")
        return printTable(std::string(argv[2]) + "/", argv[3]);
    if (argc == 2 && std::string_view(argv[1]) == "--languages") {
        for (std::string_view code : orvyn::shippedLanguages())
            std::printf("%.*s\n", static_cast<int>(code.size()), code.data());
        return 0;
    }
    if (argc != 6) {
        std::fprintf(stderr, "usage: screen_shot OUT.png X Y W H < texts.json | screen_shot --languages\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString appFace = QFontInfo(QApplication::font()).family();
    orvyn::installFallbackFonts();
    QStringList faces = orvyn::namedFontFamilies();
    faces << QString::fromLatin1(orvyn::kCjkFallbackFamily) << appFace;
    QList<QFont> fonts{QApplication::font()};
    for (const char *family : {"Liberation Sans", "Liberation Sans Narrow"}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(14);
        fonts << font;
    }

    int status = 0;
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QJsonArray texts = QJsonDocument::fromJson(in.readAll()).array();
    for (const QJsonValue &value : texts)
        for (const QString &problem : glyphProblems(value.toString(), fonts, faces)) {
            std::printf("%s\n", qPrintable(problem));
            status = 1;
        }

    const QImage shot =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]))
            .toImage();
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::printf("cannot save the screenshot %s\n", argv[1]);
        return 1;
    }
    if (blank(shot)) {
        std::printf("the screenshot %s is blank\n", argv[1]);
        status = 1;
    }
    std::fflush(stdout);
    return status;
}
