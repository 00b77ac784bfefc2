// Chinese and Japanese text in every face the programs name, under a
// fontconfig that would rather fall back to another CJK face (when one is
// installed): every glyph is there, the CJK ones come from the chosen face
// and the Latin ones keep the face asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include "platform/qt/FallbackFonts.h"

namespace orvyn {
namespace {

struct GlyphRun {
    QString family;
    int glyphs = 0;
    int missing = 0;
};

std::vector<GlyphRun> runs(const QFont &font, const QString &text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<GlyphRun> out;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        GlyphRun r{run.rawFont().familyName(), static_cast<int>(run.glyphIndexes().size()), 0};
        for (quint32 glyph : run.glyphIndexes())
            r.missing += glyph == 0 ? 1 : 0;
        out.push_back(r);
    }
    return out;
}

class FallbackFontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "fallback_fonts_test";
        static char *argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        installFallbackFonts();
    }
    static inline QApplication *app_ = nullptr;
};

TEST_F(FallbackFontsTest, ChineseAndJapaneseComeFromTheFallbackFaceAndLatinKeepsItsFace) {
    const QString cjk = QString::fromLatin1(kCjkFallbackFamily);
    ASSERT_EQ(QFontInfo(QFont(cjk)).family(), cjk) << "the fallback face is not installed";
    struct Sample {
        const char *language;
        const char *text; // Latin first, then CJK only
        int latin;
    };
    const Sample samples[] = {
        {"zh_CN", "Profile 配置文件宏管理器", 8},
        {"ja", "Macro マクロ管理キーの設定", 6},
    };
    for (const QString &label : namedFontFamilies()) {
        QFont font(label);
        font.setPixelSize(14);
        for (const Sample &sample : samples) {
            SCOPED_TRACE(label.toStdString() + " / " + sample.language);
            const QString text = QString::fromUtf8(sample.text);
            const QString latinFace = QFontInfo(font).family();
            int cjkGlyphs = 0;
            for (const GlyphRun &run : runs(font, text)) {
                EXPECT_EQ(run.missing, 0) << run.family.toStdString();
                if (run.family.compare(cjk, Qt::CaseInsensitive) == 0)
                    cjkGlyphs += run.glyphs;
                else
                    EXPECT_EQ(run.family, latinFace) << "a run in a third face";
            }
            EXPECT_EQ(cjkGlyphs, text.size() - sample.latin);
        }
    }
}

} // namespace
} // namespace orvyn
