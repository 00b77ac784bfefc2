#include "option/skin/SkinImage.h"

#include <algorithm>

#include "platform/Trace.h"
#include "platform/qt/PictureFile.h"

namespace orvyn {

namespace {

struct ComponentBounds {
    int low[3];
    int high[3];
};

ComponentBounds boundsFor(QRgb transparent, QRgb tolerance) {
    const int t[3] = {qRed(transparent), qGreen(transparent), qBlue(transparent)};
    const int d[3] = {qRed(tolerance), qGreen(tolerance), qBlue(tolerance)};
    ComponentBounds b{};
    for (int i = 0; i < 3; ++i) {
        b.low[i] = t[i];
        b.high[i] = std::min(255, t[i] + d[i]);
    }
    return b;
}

bool isTransparent(QRgb pixel, const ComponentBounds &b) {
    const int c[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int i = 0; i < 3; ++i) {
        if (c[i] < b.low[i] || c[i] > b.high[i])
            return false;
    }
    return true;
}

// Calls `run(x0, x1, y)` for every maximal run [x0, x1) of pixels that
// `clear` does not call transparent.
template <typename ClearFn, typename RunFn>
void forEachRunWhere(const QImage &mask, ClearFn clear, RunFn run) {
    const QImage pixels = mask.format() == QImage::Format_RGB32 || mask.format() == QImage::Format_ARGB32
                              ? mask
                              : mask.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && clear(row[x]))
                ++x;
            if (x >= width)
                break;
            const int x0 = x;
            while (x < width && !clear(row[x]))
                ++x;
            run(x0, x, y);
        }
    }
}

// Calls `run(x0, x1, y)` for every maximal run [x0, x1) of opaque pixels.
template <typename RunFn> void forEachRun(const QImage &mask, QRgb transparent, QRgb tolerance, RunFn run) {
    // Every skin uses tolerance 0: one compare a pixel.
    if ((tolerance & 0xFFFFFF) == 0) {
        const QRgb colour = transparent & 0xFFFFFF;
        forEachRunWhere(
            mask, [colour](QRgb pixel) { return (pixel & 0xFFFFFF) == colour; }, run);
        return;
    }
    const ComponentBounds bounds = boundsFor(transparent, tolerance);
    forEachRunWhere(
        mask, [&bounds](QRgb pixel) { return isTransparent(pixel, bounds); }, run);
}

} // namespace

qint64 skinPicturePixelsMax(QSize window) {
    if (window.isEmpty())
        return kSkinPicturePixelsMax;
    return std::min(kSkinPicturePixelsMax, kSkinWindowAreaFactor * window.width() * window.height());
}

namespace {

PictureLimits skinLimits(qint64 pixelsMax) {
    return PictureLimits{kSkinPictureMaxBytes, kSkinPictureSideMax, pixelsMax};
}

} // namespace

QSize LoadSkinImage(const QString &path, QImage &target, qint64 pixelsMax, std::string *error) {
    target = QImage();
    PictureRead picture = readPictureFile(path, skinLimits(pixelsMax));
    if (error)
        *error = picture.error;
    if (!picture.ok())
        return {};
    // One pixel format for every skin picture: cheap to paint and to read.
    const QImage::Format format =
        picture.image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    target = std::move(picture.image).convertToFormat(format);
    return target.size();
}

std::string checkSkinImage(const QString &path, qint64 pixelsMax, QSize *declared) {
    const PictureRead picture = readPictureFile(path, skinLimits(pixelsMax), PictureUse::HeaderOnly);
    if (declared)
        *declared = picture.declared;
    return picture.error;
}

const QImage &DeferredSkinImage::image() {
    if (decoded_)
        return image_;
    decoded_ = true;
    std::string error;
    LoadSkinImage(path_, image_, pixelsMax_, &error);
    if (!error.empty())
        warn("skin " + error + "\n");
    return image_;
}

void CropStateImage(QImage &target, const QImage &source, int left, int top, int right, int bottom) {
    if (source.isNull())
        return;
    const int64_t width = int64_t{right} - left;
    const int64_t height = int64_t{bottom} - top;
    if (width <= 0 || height <= 0 || width > kSkinPictureSideMax || height > kSkinPictureSideMax) {
        target = QImage();
        return;
    }
    target = source.copy(QRect(left, top, static_cast<int>(width), static_cast<int>(height)));
}

std::vector<QRect> maskRuns(const QImage &mask, QRgb transparent, QRgb tolerance) {
    std::vector<QRect> runs;
    if (mask.isNull())
        return runs;
    forEachRun(mask, transparent, tolerance,
               [&](int x0, int x1, int y) { runs.emplace_back(QPoint(x0, y), QPoint(x1 - 1, y)); });
    return runs;
}

std::optional<QRegion> RegionFromMask(const QImage &mask, QRgb transparent, QRgb tolerance, int batchMax) {
    if (mask.isNull())
        return std::nullopt;
    batchMax = std::max(1, batchMax);
    QRegion outline;
    std::vector<QRect> batch;
    batch.reserve(static_cast<std::size_t>(std::min(batchMax, mask.width() * mask.height())));
    // Rows are scanned top to bottom and runs left to right, and two runs of
    // one row never touch: each batch is already the y-x sorted, banded list
    // of disjoint rectangles that QRegion::setRects takes as it is.
    auto flush = [&]() {
        if (batch.empty())
            return;
        QRegion part;
        part.setRects(batch.data(), static_cast<int>(batch.size()));
        if (outline.isEmpty())
            outline = part;
        else
            outline |= part;
        batch.clear();
    };
    forEachRun(mask, transparent, tolerance, [&](int x0, int x1, int y) {
        batch.emplace_back(QPoint(x0, y), QPoint(x1 - 1, y));
        if (static_cast<int>(batch.size()) >= batchMax)
            flush();
    });
    flush();
    return outline;
}

} // namespace orvyn
