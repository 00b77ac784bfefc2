#include "platform/qt/FallbackFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>

namespace orvyn {

QStringList namedFontFamilies() {
    // Not the faces named only after these (Arial): a substitute for a face
    // that is missing replaces it whole, Latin too.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans Narrow"),
            QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Condensed")};
}

void installFallbackFonts() {
    const QString cjk = QString::fromLatin1(kCjkFallbackFamily);
    for (const QString &family : namedFontFamilies())
        QFont::insertSubstitution(family, cjk);
    // The application font is asked for by a generic name ("Sans Serif"); a
    // substitute for that would replace it whole, so the face it resolves
    // to is named first instead.
    QFont font = QApplication::font();
    const QString resolved = QFontInfo(font).family();
    if (resolved != cjk) {
        font.setFamilies({resolved, cjk});
        QApplication::setFont(font);
    }
}

} // namespace orvyn
