// The user manual: its Markdown source laid out with the pictures it shows,
// written as a PDF of A4 pages (and, for review, as page pictures).
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class QTextDocument;
class QTranslator;

namespace orvyn::manual {

// What the first page of the manual says. The chapters are written in
// English; a manual in another language says so on its title page.
struct TitlePage {
    QString title;    // the suite's name
    QString subtitle; // what the document is
    QString summary;  // what the suite does, in one line
    QString note;     // empty in English
};

// The title page in the language of the translators installed in the
// application (context "UserManual"); `english` leaves the note out.
enum class ManualLanguage { English, Translated };
TitlePage titlePage(ManualLanguage language);

// True when `catalogue` has the title page's texts.
bool translatesTitlePage(const QTranslator &catalogue);

// The manual's file name in the program folder: "User Manual.pdf" in
// English, "User Manual.<code>.pdf" in the language `code`.
QString manualFileName(const QString &code);

// The pictures the source shows, in order of appearance ("gallery/x.png").
QStringList pictureNames(const QString &markdown);

// The manual as a document. Every picture the source names must be in
// `pictures`; a picture wider than the text is scaled down to fit.
// A title page of its own comes first when `title` names one.
std::unique_ptr<QTextDocument> buildManual(const QString &markdown, const std::map<QString, QImage> &pictures,
                                           const TitlePage &title = {});

// Writes the document as a PDF (A4, numbered pages) in one replacement of
// `path`. False with `error` set when it cannot be written.
// `title` is the document's title in its properties.
bool writeManualPdf(const QTextDocument &document, const QString &path, QString *error,
                    const QString &title = QStringLiteral("Orvyn Vantor Keyboard - User Manual"));

// The pages as pictures at 96 dots per inch, laid out like the PDF.
std::vector<QImage> renderPages(const QTextDocument &document);

} // namespace orvyn::manual
