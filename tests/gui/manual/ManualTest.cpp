// The user manual: the PDF the build writes into the program folder, and
// what its text covers.
#include "ManualDocument.h"
#include "SkinControlTables.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>

namespace orvyn {
namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QGuiApplication &app() {
    static int argc = 1;
    static char name[] = "manual_test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

TEST(UserManual, TheBuiltPdfOpensWithItsPagesAndPictures) {
    const QByteArray pdf = readFile(QStringLiteral(ORVYN_PROGRAM_DIR "User Manual.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no User Manual.pdf in the program folder";
    EXPECT_TRUE(pdf.startsWith("%PDF-1."));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(pdf.contains("startxref"));

    // The page tree's count agrees with the pages it holds.
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral(R"(/Type\s*/Pages\b[^>]*?/Count\s+(\d+))"))
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(count.hasMatch());
    const int pages = count.captured(1).toInt();
    const qsizetype pageObjects =
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral(R"(/Type\s*/Page\b(?!s))")));
    EXPECT_EQ(pageObjects, pages);
    EXPECT_GE(pages, 10); // a chapter a page at least

    // Every picture the text shows is in it.
    const QString source =
        QString::fromUtf8(readFile(QStringLiteral(ORVYN_SOURCE_DIR "docs/manual/UserManual.md")));
    const QStringList pictures = manual::pictureNames(source);
    EXPECT_GE(pictures.size(), 10);
    EXPECT_GE(pdf.count("/Subtype /Image"), std::set<QString>(pictures.begin(), pictures.end()).size());
}

TEST(UserManual, ItsChaptersNameEveryPageOfTheWindowAndWhatAUserMeets) {
    app();
    const QString source =
        QString::fromUtf8(readFile(QStringLiteral(ORVYN_SOURCE_DIR "docs/manual/UserManual.md")));
    ASSERT_FALSE(source.isEmpty());
    std::map<QString, QImage> pictures;
    for (const QString &name : manual::pictureNames(source)) {
        QImage blank(80, 40, QImage::Format_RGB32);
        blank.fill(Qt::gray);
        pictures[name] = blank;
    }
    const auto document = manual::buildManual(source, pictures);
    std::set<QString> chapters;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            chapters.insert(block.text().toUpper());
    }
    // Every tab of the main window, as the window labels it, has a chapter.
    int tabs = 0;
    for (const skingen::ControlRow &row : skingen::kConfigControls) {
        if (row.look != skingen::Look::Tab)
            continue;
        ++tabs;
        EXPECT_TRUE(chapters.count(QString::fromUtf8(row.label) + QStringLiteral(" PAGE"))) << row.label;
    }
    EXPECT_EQ(tabs, 4);
    for (const char *chapter :
         {"INSTALLING", "FIRST START", "THE MAIN WINDOW", "MACROS", "PROFILES AND GAME SWITCHING",
          "THE TRAY ICON AND NOTICES", "TROUBLESHOOTING"})
        EXPECT_TRUE(chapters.count(QString::fromLatin1(chapter))) << chapter;
    const QString text = document->toPlainText();
    for (const char *topic :
         {"udev", "Swap Key", "Key Combination", "Launch Program", "Macro Manager", "IMPORT", "EXPORT",
          "RESTORE DEFAULTS", "file name", "Wine", "Wayland", "Permission denied", "No keyboard found"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
}

TEST(UserManual, ALanguageWhoseCatalogueHasTheTitlePageHasAManualOfItsOwn) {
    app();
    for (const char *code : {"de", "fr", "es", "pt_BR", "it", "pl", "ru", "zh_CN", "ja"}) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral("orvyn_") + QString::fromLatin1(code),
                                   QStringLiteral(ORVYN_PROGRAM_DIR "translations")));
        const QString path =
            QStringLiteral(ORVYN_PROGRAM_DIR) + manual::manualFileName(QString::fromLatin1(code));
        // Without it, Help opens the English manual.
        EXPECT_EQ(readFile(path).startsWith("%PDF-1."), manual::translatesTitlePage(catalogue)) << code;
    }
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("orvyn_de"), QStringLiteral(ORVYN_PROGRAM_DIR "translations")));
    QCoreApplication::installTranslator(&german);
    const manual::TitlePage title = manual::titlePage(manual::ManualLanguage::Translated);
    QCoreApplication::removeTranslator(&german);
    const QString source =
        QString::fromUtf8(readFile(QStringLiteral(ORVYN_SOURCE_DIR "docs/manual/UserManual.md")));
    const auto document = manual::buildManual(source, {}, title);
    QTextBlock block = document->begin();
    QStringList page;
    for (; block.isValid() && block.blockFormat().headingLevel() == 0; block = block.next())
        page << block.text();
    EXPECT_EQ(page.value(0), QStringLiteral("Orvyn Vantor Keyboard"));
    EXPECT_EQ(page.value(1), QStringLiteral("Benutzerhandbuch"));
    EXPECT_TRUE(page.join(QLatin1Char(' ')).contains(QStringLiteral("Englisch")))
        << page.join('|').toStdString();
    // The chapters start on the next page.
    ASSERT_TRUE(block.isValid());
    EXPECT_EQ(block.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_TRUE(block.text().contains(QStringLiteral("User Manual")));
}

} // namespace
} // namespace orvyn
