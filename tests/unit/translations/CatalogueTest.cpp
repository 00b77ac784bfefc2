#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "uitext/LanguageChoice.h"

namespace orvyn {
namespace {

using Message = std::pair<QString, QString>; // context, source text

// The programs' texts as lupdate finds them in the sources now, so a text
// added without its translation is found even before anyone updates a .ts.
std::vector<Message> textsInTheSources() {
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("fresh.ts"));
    QStringList args = QString::fromUtf8(ORVYN_TRANSLATED_FOLDERS).split(QLatin1Char(';'));
    args << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVYN_LUPDATE), args);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {};
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Message> found;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            found.emplace_back(context, xml.readElementText());
    }
    return found;
}

TEST(Catalogues, EveryProgramTextIsTranslatedInEveryLanguage) {
    const std::vector<Message> texts = textsInTheSources();
    ASSERT_GT(texts.size(), 30u) << "lupdate found too few texts";
    for (const std::string_view code : shippedLanguages()) {
        if (code == kEnglish)
            continue;
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral("orvyn_") + QString::fromUtf8(code.data(), code.size()),
                                   QStringLiteral(ORVYN_PROGRAM_DIR "translations")))
            << code;
        for (const auto &[context, source] : texts) {
            const QString translated =
                catalogue.translate(context.toUtf8().constData(), source.toUtf8().constData());
            EXPECT_FALSE(translated.isEmpty())
                << code << " [" << context.toStdString() << "] " << source.toStdString();
        }
    }
}

} // namespace
} // namespace orvyn
