// Pictures read from files the user controls (skins, icons): through
// readRegularFile, so that a FIFO or a device in a picture's place never
// blocks and an oversized file is refused unread, and with the size the
// picture declares in its header checked against a bound before anything is
// decoded, so that a small file cannot make a huge image.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <string>

namespace orvyn {

struct PictureLimits {
    std::size_t maxBytes = 0; // of the file
    int sideMax = 0;          // pixels, width and height each
    qint64 pixelsMax = 0;     // width x height
};

struct PictureRead {
    QImage image;      // the decoded picture; empty unless ok() and decoded
    QSize declared;    // the size its header gives; invalid when unknown
    std::string error; // "<path>: why", empty when the picture is good
    bool ok() const { return error.empty(); }
};

enum class PictureUse { Decode, HeaderOnly };

// Reads the picture at `path` within `limits`; with HeaderOnly it checks the
// file and the declared size without decoding the pixels.
PictureRead readPictureFile(const QString &path, const PictureLimits &limits,
                            PictureUse use = PictureUse::Decode);

} // namespace orvyn
