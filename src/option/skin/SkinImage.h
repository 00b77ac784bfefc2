// Pictures of skinned windows: loading, cutting a control's state picture
// out of a full-window picture, and turning a mask into a window outline.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace orvyn {

// Decodes the picture at `path` (JPEG, BMP, PNG, ...) into `target`,
// replacing what it held, and returns its size. A missing, unreadable or
// undecodable file leaves `target` empty and returns an empty size.
QSize LoadSkinImage(const QString &path, QImage &target);

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
