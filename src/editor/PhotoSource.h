#pragma once
// A photo as the card keeps it: the bytes of the file it came from, read once
// when it was placed, and the picture the card paints, decoded from those
// bytes whenever it is needed. Decoded pictures are a cache within a byte
// budget; one that was let go is decoded again, giving the same pixels.
#include "platform/PictureLoadError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class PhotoSource {
public:
    // A file larger than this is kept as a lossless PNG of the picture the card uses.
    static constexpr qint64 LargestKeptFile = qint64(20) * 1024 * 1024;
    // All decoded pictures together stay within this.
    static constexpr qint64 CacheBudget = qint64(64) * 1024 * 1024;

    // Makes the picture the card uses from the decoded file (fitting it to its frame).
    using Prepare = std::function<QImage(const QImage& decoded)>;

    struct Opened {
        std::shared_ptr<const PhotoSource> source; // null when the file did not load
        PictureLoadError error = PictureLoadError::None;
        int width = 0; // the picture's full size in pixels
        int height = 0;
    };
    // Reads the file at `path`, decodes it for a frame of `frame` screen
    // pixels (see loadPhotoForCard) and prepares the picture.
    static Opened open(const QString& path, QSize frame, Prepare prepare);
    // The same for bytes already in memory.
    static Opened fromBytes(const QByteArray& bytes, QSize frame, Prepare prepare);

    // A picture the program made itself, kept as a lossless PNG.
    static std::shared_ptr<const PhotoSource> fromPicture(const QImage& picture);

    quint64 id() const { return id_; }
    // What the card keeps: the file's bytes, or the lossless copy of the picture.
    const QByteArray& bytes() const { return bytes_; }
    bool keptAsLosslessCopy() const { return lossless_; }
    QSize frame() const { return frame_; }
    // The picture the card paints, 32-bit.
    QImage picture() const;

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
    Prepare prepare_;
    quint64 id_ = 0;
};
