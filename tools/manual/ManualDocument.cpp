#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTranslator>

namespace orvyn::manual {

namespace {

// Document units are pixels at 96 dpi: an A4 page less 2 cm margins holds
// about 640 of them across. Pictures are shown at 80 % of their size, so a
// dialog stays smaller than the main window.
constexpr qreal kPictureWidthMax = 640;
constexpr qreal kPictureScale = 0.8;
constexpr qreal kScreenDpi = 96;
constexpr qreal kMarginCm = 2;

QFont bodyFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    // The CJK font for a title page in Chinese or Japanese.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10);
    return font;
}

// Pictures keep their proportions and fit the text width.
void fitPictures(QTextDocument &document, const std::map<QString, QImage> &pictures) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const auto found = pictures.find(image.name());
            if (found == pictures.end() || found->second.isNull())
                continue;
            const QSizeF size = found->second.size();
            const qreal width = std::min(size.width() * kPictureScale, kPictureWidthMax);
            image.setWidth(width);
            image.setHeight(size.height() * width / size.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

// Room above headings; every chapter starts on a page of its own, so no
// heading is left alone at the foot of a page.
void spaceHeadings(QTextDocument &document) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level <= 2 ? 6 : 10);
        format.setBottomMargin(4);
        if (level == 2)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

// The title page before the first line of the text, which starts the next
// page.
void insertTitlePage(QTextDocument &document, const TitlePage &title) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::Start);
    QTextBlockFormat textStart = cursor.blockFormat();
    cursor.insertBlock(); // the text moves down a block; the title fills the one above
    textStart.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(textStart);
    cursor.movePosition(QTextCursor::Start);
    bool first = true;
    auto line = [&](const QString &text, qreal points, int weight, qreal above) {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setTopMargin(above);
        QTextCharFormat chars;
        chars.setFont(bodyFont());
        chars.setFontPointSize(points);
        chars.setFontWeight(weight);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, chars);
        first = false;
        cursor.insertText(text, chars);
    };
    line(title.title, 28, QFont::Bold, 240);
    line(title.subtitle, 20, QFont::Normal, 12);
    line(title.summary, 11, QFont::Normal, 48);
    if (!title.note.isEmpty())
        line(title.note, 11, QFont::Normal, 24);
}

} // namespace

TitlePage titlePage(ManualLanguage language) {
    TitlePage page;
    page.title = QStringLiteral("Orvyn Vantor Keyboard");
    page.subtitle = QCoreApplication::translate("UserManual", "User Manual");
    page.summary = QCoreApplication::translate(
        "UserManual", "Profiles, keys, macros and lighting of the keyboard, set up from the Linux desktop");
    if (language == ManualLanguage::Translated)
        page.note = QCoreApplication::translate("UserManual", "The chapters that follow are in English.");
    return page;
}

bool translatesTitlePage(const QTranslator &catalogue) {
    return !catalogue.translate("UserManual", "User Manual").isEmpty();
}

QString manualFileName(const QString &code) {
    return code.isEmpty() || code == QLatin1String("en") ? QStringLiteral("User Manual.pdf")
                                                         : QStringLiteral("User Manual.%1.pdf").arg(code);
}

QStringList pictureNames(const QString &markdown) {
    static const QRegularExpression image(QStringLiteral(R"(!\[[^\]]*\]\(([^)\s]+)\))"));
    QStringList names;
    for (auto it = image.globalMatch(markdown); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

std::unique_ptr<QTextDocument> buildManual(const QString &markdown, const std::map<QString, QImage> &pictures,
                                           const TitlePage &title) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(bodyFont());
    document->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    // After the text: setting it clears the resources.
    for (const auto &[name, picture] : pictures)
        document->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    fitPictures(*document, pictures);
    spaceHeadings(*document);
    if (!title.title.isEmpty())
        insertTitlePage(*document, title);
    return document;
}

bool writeManualPdf(const QTextDocument &document, const QString &path, QString *error,
                    const QString &title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Orvyn Vantor Keyboard suite"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        // The document's own margins (2 cm) frame the text; numbered pages.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        document.print(&writer);
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

std::vector<QImage> renderPages(const QTextDocument &document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    const QSizeF page = QPageSize(QPageSize::A4).sizePixels(int(kScreenDpi));
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(kMarginCm / 2.54 * kScreenDpi);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(page);
    std::vector<QImage> pages;
    for (int i = 0; i < copy->pageCount(); ++i) {
        QImage image(page.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        copy->documentLayout()->draw(&painter, context);
        pages.push_back(image);
    }
    return pages;
}

} // namespace orvyn::manual
