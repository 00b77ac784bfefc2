#include "SkinWriter.h"

#include "SkinPainter.h"
#include "SkinText.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

#include <map>

namespace orvyn::skingen {

namespace {

constexpr int kJpegQuality = 95;
constexpr int kNameMax = 39;  // characters the name field holds
constexpr int kHelpMax = 403; // characters the help field holds

QString stateWord(State s) {
    switch (s) {
    case State::Normal:
        return QStringLiteral("normal");
    case State::Over:
        return QStringLiteral("over");
    case State::Down:
        return QStringLiteral("down");
    case State::Disable:
        return QStringLiteral("disable");
    }
    return {};
}

QString rectText(const Control &c) {
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(c.name)
        .arg(c.rect.x())
        .arg(c.rect.y())
        .arg(c.rect.width())
        .arg(c.rect.height())
        .arg(c.help);
}

} // namespace

QImage renderState(const SkinWindow &window, State state) {
    QImage image(window.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    setDrawingPlace(window.fileName, QStringLiteral("window"));
    if (window.chrome)
        window.chrome(p);
    for (const Control &c : window.controls) {
        setDrawingPlace(window.fileName, c.name);
        drawControl(p, c, state);
    }
    p.end();
    return image;
}

QImage renderMask(const SkinWindow &window) {
    QImage image(window.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(windowPath(window.size, window.outline == Outline::Chamfered ? window.chamfer : 0));
    p.end();
    // Two colours only: a one-bit picture keeps the mask small.
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

QStringList pictureNames(const SkinWindow &window) {
    QStringList names{window.stem + QStringLiteral("_mask.bmp")};
    for (State s : kStates)
        names << window.stem + QLatin1Char('_') + stateWord(s) + QStringLiteral(".jpg");
    return names;
}

QString skinFileText(const SkinWindow &window) {
    const QStringList pictures = pictureNames(window);
    QString text;
    text += QStringLiteral("; %1\n").arg(window.title);
    for (const QString &note : window.notes)
        text += QStringLiteral("; %1\n").arg(note);
    text += QStringLiteral("\n[SCREEN]\n");
    const char *keys[] = {"Mask", "Normal", "Over", "Down", "Disable"};
    for (int i = 0; i < 5; ++i)
        text += QStringLiteral("%1=%2\n").arg(QLatin1String(keys[i]), pictures[i]);

    std::map<int, QStringList> sections;
    for (const Control &c : window.controls)
        sections[c.section] << QStringLiteral("BUTTONPOS=") + rectText(c);
    for (const ExtraKey &k : window.extraKeys)
        sections[k.section] << k.key + QLatin1Char('=') + k.value;
    for (const auto &[number, lines] : sections) {
        text += QStringLiteral("\n[%1]\n").arg(number);
        for (const QString &line : lines)
            text += line + QLatin1Char('\n');
    }
    return text;
}

QStringList checkWindow(const SkinWindow &window) {
    QStringList problems;
    const QRect inside(QPoint(0, 0), window.size);
    std::map<int, int> seen;
    for (const Control &c : window.controls) {
        const QString where = QStringLiteral("%1 [%2]").arg(window.fileName).arg(c.section);
        if (++seen[c.section] > 1)
            problems << where + QStringLiteral(": two controls in one section");
        if (c.name.isEmpty() || c.name.size() > kNameMax || c.name.contains(QLatin1Char(',')))
            problems << where + QStringLiteral(": bad name");
        if (c.help.size() > kHelpMax || c.help.contains(QLatin1Char(',')) || c.help.trimmed() != c.help)
            problems << where + QStringLiteral(": help text cannot be stored");
        if (c.rect.isEmpty() || !inside.contains(c.rect))
            problems << where + QStringLiteral(": rectangle outside the window");
    }
    return problems;
}

bool saveImage(const QImage &image, const QString &path, const char *format, int quality, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format, quality) || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool saveText(const QString &text, const QString &path, QString *error) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool writeSkinWindow(const SkinWindow &window, const QString &folder, QString *error) {
    const QStringList problems = checkWindow(window);
    if (!problems.isEmpty()) {
        if (error)
            *error = problems.join(QLatin1Char('\n'));
        return false;
    }
    const QStringList pictures = pictureNames(window);
    if (!saveImage(renderMask(window), folder + pictures[0], "BMP", -1, error))
        return false;
    int i = 1;
    for (State s : kStates) {
        if (!saveImage(renderState(window, s), folder + pictures[i++], "JPEG", kJpegQuality, error))
            return false;
    }
    return saveText(skinFileText(window), folder + window.fileName, error);
}

} // namespace orvyn::skingen
