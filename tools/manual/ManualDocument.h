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

namespace orvyn::manual {

// The pictures the source shows, in order of appearance ("gallery/x.png").
QStringList pictureNames(const QString &markdown);

// The manual as a document. Every picture the source names must be in
// `pictures`; a picture wider than the text is scaled down to fit.
std::unique_ptr<QTextDocument> buildManual(const QString &markdown,
                                           const std::map<QString, QImage> &pictures);

// Writes the document as a PDF (A4, numbered pages) in one replacement of
// `path`. False with `error` set when it cannot be written.
bool writeManualPdf(const QTextDocument &document, const QString &path, QString *error);

// The pages as pictures at 96 dots per inch, laid out like the PDF.
std::vector<QImage> renderPages(const QTextDocument &document);

} // namespace orvyn::manual
