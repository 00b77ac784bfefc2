// The measure that decides whether a caption fits its control, which fails
// the build for a language whose texts do not, and the pseudo-language that
// tries the layout with longer texts.
#include "SkinPainter.h"
#include "SkinText.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace orvyn::skingen;

namespace {

void ensureApp() {
    static int argc = 1;
    static char name[] = "caption_fit_test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

int widthAt(const QString &text, const QFont &font, int pixelSize) {
    QFont f(font);
    f.setPixelSize(pixelSize);
    return QFontMetrics(f).horizontalAdvance(text);
}

TEST(CaptionFit, FitsShrinksOrFails) {
    ensureApp();
    const QFont heading = headingFont(16);
    const QString caption = QStringLiteral("MACRO MANAGER");
    const int at14 = widthAt(caption, heading, 14);
    const QString note = QStringLiteral("Right-click the event list to record before or after a step, insert "
                                        "delays and mouse buttons, edit or delete.");
    const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const struct {
        const char *what;
        QString text;
        QFont font;
        QSize box;
        int flags;
        Fit fit;
    } cases[] = {
        {"short caption", QStringLiteral("OK"), heading, {92, 32}, Qt::AlignCenter, Fit::Fits},
        {"shrinks to fit", caption, heading, {at14, 32}, Qt::AlignCenter, Fit::Shrunk},
        {"too wide even at the floor", caption, heading, {at14 / 2, 32}, Qt::AlignCenter, Fit::TooLarge},
        {"Latin and CJK in one caption",
         QStringLiteral("宏 MACRO マクロ"),
         heading,
         {300, 32},
         Qt::AlignCenter,
         Fit::Fits},
        {"a glyph no font has",
         QStringLiteral("G\U00013000"),
         heading,
         {300, 32},
         Qt::AlignCenter,
         Fit::MissingGlyph},
        {"note in its wrap box", note, bodyFont(11), {140, 120}, wrap, Fit::Fits},
        {"note too high for its box", note, bodyFont(11), {140, 30}, wrap, Fit::TooLarge},
        {"word wider than the wrap box",
         QStringLiteral("Tastenkombinationsaufzeichnung"),
         bodyFont(11),
         {60, 90},
         wrap,
         Fit::TooLarge},
    };
    for (const auto &c : cases) {
        const FitResult r = fitText(c.text, c.font, c.box, c.flags);
        EXPECT_EQ(r.fit, c.fit) << c.what;
        if (c.fit == Fit::Shrunk) {
            EXPECT_LT(r.pixelSize, c.font.pixelSize()) << c.what;
        } else if (c.fit == Fit::TooLarge) {
            EXPECT_GT(r.needed, r.holds) << c.what;
        } else if (c.fit == Fit::MissingGlyph) {
            EXPECT_EQ(r.missing, U'\U00013000') << c.what;
        }
    }
}

TEST(CaptionFit, NamesEveryMisfitOnce) {
    ensureApp();
    takeMisfits();
    setDrawingPlace(QStringLiteral("skin_Config.ini"), QStringLiteral("RESTORE_DEFAULTS"));
    const QString text = QStringLiteral("WERKSEINSTELLUNGEN WIEDERHERSTELLEN");
    for (int state = 0; state < 4; ++state)
        fittedFont(text, headingFont(15), QSize(100, 32), Qt::AlignCenter);
    const QStringList lines = takeMisfits();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("skin_Config.ini: RESTORE_DEFAULTS: caption \"") + text +
                                    QStringLiteral("\" is ")))
        << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("px wide, the control holds 100 px")))
        << qPrintable(lines[0]);
}

TEST(PseudoLanguage, AccentsPadsAndKeepsPlaceholders) {
    const struct {
        QString source;
        QString expected;
    } cases[] = {
        {QStringLiteral("Macro Keys"), QStringLiteral("[Máçŕó Ķéýš ~]")},
        {QStringLiteral("Programmable key G%1."), QStringLiteral("[Pŕóğŕámmábĺé ķéý Ğ%1. ~~~~~~]")},
        {QStringLiteral("OK"), QStringLiteral("[ÓĶ ~]")},
    };
    for (const auto &c : cases) {
        const QString pseudo = pseudoText(c.source);
        EXPECT_EQ(pseudo, c.expected) << qPrintable(pseudo);
        EXPECT_GE(pseudo.size() * 10, c.source.size() * 14) << qPrintable(c.source);
    }
}

} // namespace
