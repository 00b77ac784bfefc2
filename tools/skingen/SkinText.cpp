#include "SkinText.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <map>

namespace orvyn::skingen {

namespace {

struct Place {
    QString window;
    QString control;
};

Place &currentPlace() {
    static Place place;
    return place;
}

QStringList &misfitLines() {
    static QStringList lines;
    return lines;
}

// The first character of `text` that none of the font's families has.
char32_t missingGlyph(const QString &text, const QFont &font) {
    const QStringList families = font.families().isEmpty() ? QStringList{font.family()} : font.families();
    for (char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c) || QChar::category(c) == QChar::Other_Control ||
            QChar::category(c) == QChar::Other_Format)
            continue;
        const bool drawn = std::any_of(families.begin(), families.end(), [&](const QString &family) {
            if (!QFontDatabase::hasFamily(family))
                return false;
            // Without merging the metrics answer for this family alone.
            QFont single(font);
            single.setFamilies({family});
            single.setStyleStrategy(QFont::NoFontMerging);
            return QFontMetrics(single).inFontUcs4(c);
        });
        if (!drawn)
            return c;
    }
    return 0;
}

} // namespace

QString skinText(const char *context, const char *source) {
    if (!source || !*source)
        return QString();
    return QCoreApplication::translate(context, source);
}

FitResult fitText(const QString &text, const QFont &font, QSize box, int flags, int floorPercent) {
    FitResult result;
    result.pixelSize = font.pixelSize();
    if (text.isEmpty())
        return result;
    if (const char32_t c = missingGlyph(text, font)) {
        result.fit = Fit::MissingGlyph;
        result.missing = c;
        return result;
    }
    const bool wrapped = (flags & Qt::TextWordWrap) != 0;
    const int floor = std::max(1, (font.pixelSize() * floorPercent + 99) / 100);
    for (int size = font.pixelSize(); size >= floor; --size) {
        QFont f(font);
        f.setPixelSize(size);
        const QFontMetrics metrics(f);
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000), flags, text);
        // A word longer than the wrap box sticks out of it sideways.
        const bool widthFits = needed.width() <= box.width();
        const bool fits = wrapped ? widthFits && needed.height() <= box.height()
                                  : metrics.horizontalAdvance(text) <= box.width();
        result.needed = wrapped && widthFits ? needed.height()
                        : wrapped            ? needed.width()
                                             : metrics.horizontalAdvance(text);
        result.holds = wrapped && widthFits ? box.height() : box.width();
        result.byHeight = wrapped && widthFits;
        result.pixelSize = size;
        if (fits) {
            result.fit = size == font.pixelSize() ? Fit::Fits : Fit::Shrunk;
            return result;
        }
    }
    result.fit = Fit::TooLarge;
    return result;
}

void setDrawingPlace(const QString &window, const QString &control) {
    currentPlace() = {window, control};
}

QFont fittedFont(const QString &text, const QFont &font, QSize box, int flags) {
    // Each text is drawn once per control state; measure it once.
    static QHash<QString, FitResult> measured;
    const QString key =
        QStringLiteral("%1|%2|%3x%4|%5").arg(text, font.key()).arg(box.width()).arg(box.height()).arg(flags);
    auto it = measured.find(key);
    if (it == measured.end())
        it = measured.insert(key, fitText(text, font, box, flags));
    const FitResult r = *it;
    const Place &place = currentPlace();
    const QString where = QStringLiteral("%1: %2: caption \"%3\" ").arg(place.window, place.control, text);
    QString line;
    if (r.fit == Fit::MissingGlyph) {
        line = where +
               QStringLiteral("has U+%1, which no font can draw")
                   .arg(QString::number(static_cast<uint>(r.missing), 16).toUpper().rightJustified(4, u'0'));
    } else if (r.fit == Fit::TooLarge) {
        line = where + (r.byHeight ? QStringLiteral("is %1 px high, the box holds %2 px")
                                   : QStringLiteral("is %1 px wide, the control holds %2 px"))
                           .arg(r.needed)
                           .arg(r.holds);
    }
    if (!line.isEmpty() && !misfitLines().contains(line))
        misfitLines() << line;
    QFont drawn(font);
    drawn.setPixelSize(r.pixelSize);
    return drawn;
}

QStringList takeMisfits() {
    QStringList lines;
    lines.swap(misfitLines());
    return lines;
}

QString pseudoText(const QString &source) {
    static const std::map<QChar, QChar> accents = {
        {u'a', u'á'}, {u'c', u'ç'}, {u'e', u'é'}, {u'g', u'ğ'}, {u'i', u'í'}, {u'k', u'ķ'},
        {u'l', u'ĺ'}, {u'n', u'ñ'}, {u'o', u'ó'}, {u'r', u'ŕ'}, {u's', u'š'}, {u'u', u'ú'},
        {u'y', u'ý'}, {u'z', u'ž'}, {u'A', u'Á'}, {u'C', u'Ç'}, {u'D', u'Ď'}, {u'E', u'É'},
        {u'G', u'Ğ'}, {u'I', u'Í'}, {u'K', u'Ķ'}, {u'L', u'Ĺ'}, {u'N', u'Ñ'}, {u'O', u'Ó'},
        {u'R', u'Ŕ'}, {u'S', u'Š'}, {u'T', u'Ť'}, {u'U', u'Ú'}, {u'Y', u'Ý'}, {u'Z', u'Ž'}};
    QString accented;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar ch = source.at(i);
        // Placeholders stay as they are: %1 must still be found by arg().
        if (ch == u'%' && i + 1 < source.size() && source.at(i + 1).isDigit()) {
            accented += ch;
            while (i + 1 < source.size() && source.at(i + 1).isDigit())
                accented += source.at(++i);
            continue;
        }
        const auto it = accents.find(ch);
        accented += it == accents.end() ? ch : it->second;
    }
    // Padded in words of five, which wrap like the words of a translation.
    const qsizetype target = (source.size() * 14 + 9) / 10;
    QString padding(std::max<qsizetype>(1, target - source.size() - 3), u'~');
    for (qsizetype at = 5; at + 1 < padding.size(); at += 6)
        padding[at] = u' ';
    return QLatin1Char('[') + accented + QLatin1Char(' ') + padding + QLatin1Char(']');
}

QString PseudoTranslator::translate(const char *, const char *sourceText, const char *, int) const {
    if (!sourceText || !*sourceText)
        return QString();
    return pseudoText(QString::fromUtf8(sourceText));
}

} // namespace orvyn::skingen
