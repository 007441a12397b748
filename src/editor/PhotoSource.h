#pragma once
// A photo as the card keeps it: the bytes of the file it came from, read once
// when it was placed, and the picture the card paints, decoded from those
// bytes whenever it is needed. Decoded pictures are a cache within a byte
// budget, shared by every thread; one that was let go is decoded again,
// giving the same pixels.
#include "platform/PictureLoadError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>

// How the picture the card uses is made from the decoded file, kept so that a
// card file can make it again.
struct PhotoFit {
    enum class Kind {
        Whole,        // the decoded picture as it is
        KeptForFrame, // reduced to keptSource's size for a frame of `size` screen pixels
        IntoRectangle // photoForFrame for a rectangle of `size`, trimmed when `crop`
    };
    Kind kind = Kind::Whole;
    QSizeF size;
    bool crop = false;

    static PhotoFit keptFor(QSizeF frame) { return {Kind::KeptForFrame, frame, false}; }
    static PhotoFit into(QSizeF rectangle, bool crop) { return {Kind::IntoRectangle, rectangle, crop}; }
    QImage apply(const QImage& decoded) const;
};

class PhotoSource {
public:
    // A file larger than this is kept as a lossless PNG of the picture the card uses.
    static constexpr qint64 LargestKeptFile = qint64(20) * 1024 * 1024;
    // All decoded pictures together stay within this.
    static constexpr qint64 CacheBudget = qint64(64) * 1024 * 1024;

    struct Opened {
        std::shared_ptr<const PhotoSource> source; // null when the file did not load
        PictureLoadError error = PictureLoadError::None;
        int width = 0; // the picture's full size in pixels
        int height = 0;
    };
    // Reads the file at `path`, decodes it for a frame of `frame` screen
    // pixels (see loadPhotoForCard) and fits the picture.
    static Opened open(const QString& path, QSize frame, PhotoFit fit);
    // The same for bytes already in memory.
    static Opened fromBytes(const QByteArray& bytes, QSize frame, PhotoFit fit);
    // A source as a card file keeps it: the bytes, lossless or not, with the
    // frame and fit it was opened with. Decodes it once (through the picture
    // loader) to check it; null with the reason when it does not decode.
    static Opened restore(const QByteArray& bytes, bool lossless, QSize frame, PhotoFit fit);

    // A picture the program made itself, kept as a lossless PNG.
    static std::shared_ptr<const PhotoSource> fromPicture(const QImage& picture);

    quint64 id() const { return id_; }
    // What the card keeps: the file's bytes, or the lossless copy of the picture.
    const QByteArray& bytes() const { return bytes_; }
    bool keptAsLosslessCopy() const { return lossless_; }
    QSize frame() const { return frame_; }
    const PhotoFit& fit() const { return fit_; }
    // The picture the card paints, 32-bit. Safe on any thread.
    QImage picture() const;
    // The same picture kept as a lossless PNG (the smaller form of a large file).
    std::shared_ptr<const PhotoSource> losslessCopy() const;

    // Decoded pictures held by the cache now, in bytes.
    static qint64 cachedBytes();
    // Lets every decoded picture go (tests, low memory).
    static void dropCache();

private:
    PhotoSource() = default;
    QImage decode() const;

    QByteArray bytes_;
    bool lossless_ = false;
    QSize frame_;
    PhotoFit fit_;
    quint64 id_ = 0;
};
