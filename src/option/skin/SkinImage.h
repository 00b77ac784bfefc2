// Pictures of skinned windows: loading, cutting a control's state picture
// out of a full-window picture, and turning a mask into a window outline.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvyn {

// Bounds on a skin picture, checked on the size its header declares before
// anything is decoded. A window's "Normal" picture gives the window its
// size; its other pictures are at most 4 times its area. A picture whose
// window is not known (the "Normal" picture itself, the program's small
// pictures) is at most kSkinPicturePixelsMax pixels, 64 MiB decoded.
inline constexpr int kSkinPictureSideMax = 8192;
inline constexpr qint64 kSkinPicturePixelsMax = qint64{4096} * 4096;
inline constexpr qint64 kSkinWindowAreaFactor = 4;
// A picture file: room for an uncompressed 32-bit BMP at the pixel bound.
inline constexpr std::size_t kSkinPictureMaxBytes = std::size_t{72} << 20;

// The pixel bound for a picture of a window of this size (an empty size:
// not known).
qint64 skinPicturePixelsMax(QSize window);

// Decodes the picture at `path` (JPEG, BMP, PNG, ...) into `target`,
// replacing what it held, and returns its size. A missing, unreadable,
// oversized or undecodable file, or anything but a regular file, leaves
// `target` empty and returns an empty size; `error` (when given) says why,
// naming the file. The file is read with readRegularFile, so a FIFO never
// blocks.
QSize LoadSkinImage(const QString &path, QImage &target, qint64 pixelsMax = kSkinPicturePixelsMax,
                    std::string *error = nullptr);

// The checks of LoadSkinImage without decoding: "" when the picture would
// load, else why not. `declared` gets the size from the header.
std::string checkSkinImage(const QString &path, qint64 pixelsMax = kSkinPicturePixelsMax,
                           QSize *declared = nullptr);

// A skin picture decoded when first asked for, and then kept: the pictures
// a control shows only under the pointer or when disabled need not be
// decoded before the window first shows. A picture that fails to decode
// stays empty (and the failure is traced once).
class DeferredSkinImage {
public:
    DeferredSkinImage(QString path, qint64 pixelsMax) : path_(std::move(path)), pixelsMax_(pixelsMax) {}
    const QImage &image();

private:
    QString path_;
    qint64 pixelsMax_;
    QImage image_;
    bool decoded_ = false;
};

// Copies the area (left, top)-(right, bottom) of `source` into `target`
// 1:1. Nothing happens when `source` is empty; an empty or inverted area
// gives an empty target. Parts outside the source come out black.
void CropStateImage(QImage &target, const QImage &source, int left, int top, int right, int bottom);

// Most rectangles turned into a region at once.
inline constexpr int kRegionBatchMax = 2000;

// The maximal runs of non-transparent pixels of every row, as one-row
// rectangles in row order, left to right. A pixel is transparent when each
// of its colour components c lies in [t, min(t + tolerance, 255)] for the
// transparent colour's component t.
std::vector<QRect> maskRuns(const QImage &mask, QRgb transparent, QRgb tolerance);

// The outline a mask gives: the union of its runs, built in batches of at
// most `batchMax` rectangles, each batch made into a region at once and the
// batches OR-ed together. No mask gives no outline (nullopt); a mask that is
// transparent everywhere gives an empty outline.
std::optional<QRegion> RegionFromMask(const QImage &mask, QRgb transparent, QRgb tolerance,
                                      int batchMax = kRegionBatchMax);

// Every skinned window and the Enter key use pure white, tolerance 0.
inline constexpr QRgb kMaskTransparent = 0xFFFFFF;
inline constexpr QRgb kMaskTolerance = 0x000000;

} // namespace orvyn
