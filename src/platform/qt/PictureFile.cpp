#include "platform/qt/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "platform/FileAccess.h"

namespace orvyn {

namespace {

std::string sizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height()) + " pixels";
}

// Why a picture of this size is refused; empty when it is within bounds.
std::string beyondLimits(QSize size, const PictureLimits &limits) {
    if (size.width() > limits.sideMax || size.height() > limits.sideMax)
        return "is " + sizeText(size) + ", more than " + std::to_string(limits.sideMax) + " a side";
    if (qint64{size.width()} * size.height() > limits.pixelsMax)
        return "is " + sizeText(size) + ", more than " + std::to_string(limits.pixelsMax) + " pixels in all";
    return {};
}

} // namespace

PictureRead readPictureFile(const QString &path, const PictureLimits &limits, PictureUse use) {
    PictureRead result;
    const std::string name = path.toStdString();
    auto fail = [&](const std::string &why) {
        result.image = QImage();
        result.error = name + ": " + why;
        return result;
    };
    const FileRead file = readRegularFile(name, limits.maxBytes);
    if (!file.ok()) {
        result.error = file.error;
        return result;
    }
    if (file.contents.empty())
        return fail("is empty");
    // The reader works on the bytes where they are: no second copy.
    QByteArray bytes =
        QByteArray::fromRawData(file.contents.data(), static_cast<qsizetype>(file.contents.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return fail("is not a picture (" + reader.errorString().toStdString() + ")");
    // Read from the header; nothing is decoded yet.
    result.declared = reader.size();
    if (!result.declared.isValid() || result.declared.isEmpty())
        return fail("does not say its size in its header");
    if (std::string why = beyondLimits(result.declared, limits); !why.empty())
        return fail(why);
    if (use == PictureUse::HeaderOnly)
        return result;
    if (!reader.read(&result.image) || result.image.isNull())
        return fail("cannot be decoded (" + reader.errorString().toStdString() + ")");
    // A header that understated the size is refused all the same.
    if (std::string why = beyondLimits(result.image.size(), limits); !why.empty())
        return fail(why);
    return result;
}

} // namespace orvyn
