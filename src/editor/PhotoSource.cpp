#include "editor/PhotoSource.h"

#include "editor/CardPhotos.h"
#include "editor/PhotoCrop.h"
#include "platform/PhotoForCard.h"
#include "platform/PictureLoader.h"

#include <QBuffer>
#include <atomic>
#include <list>
#include <mutex>
#include <utility>

namespace {

std::atomic<quint64> lastId{0};

// The decoded pictures, the most recently used last. Autosave reads them from
// a worker thread, so every use holds the lock.
struct Cache {
    std::mutex lock;
    std::list<std::pair<quint64, QImage>> entries;

    qint64 bytes() const
    {
        qint64 total = 0;
        for (const auto& entry : entries)
            total += entry.second.sizeInBytes();
        return total;
    }
    QImage find(quint64 id)
    {
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if (it->first == id) {
                entries.splice(entries.end(), entries, it);
                return entries.back().second;
            }
        return QImage();
    }
    // The newest picture stays even when it alone is over the budget.
    void add(quint64 id, const QImage& picture)
    {
        for (const auto& entry : entries)
            if (entry.first == id)
                return;
        entries.emplace_back(id, picture);
        while (entries.size() > 1 && bytes() > PhotoSource::CacheBudget)
            entries.pop_front();
    }
};

Cache& cache()
{
    static Cache instance;
    return instance;
}

void addToCache(quint64 id, const QImage& picture)
{
    Cache& c = cache();
    const std::lock_guard<std::mutex> held(c.lock);
    c.add(id, picture);
}

PictureLoadResult decodeBytes(const QByteArray& bytes, QSize frame)
{
    return loadPhotoForCard(QString(), frame, [&bytes](const QString&, QSize target) {
        return PictureLoader::loadFromData(bytes, target);
    });
}

QByteArray losslessPng(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG", 100);
    return png;
}

}

QImage PhotoFit::apply(const QImage& decoded) const
{
    switch (kind) {
    case Kind::KeptForFrame:
        return keptSource(decoded, size);
    case Kind::IntoRectangle:
        return photoForFrame(decoded, size, crop);
    case Kind::Whole:
        break;
    }
    return decoded;
}

PhotoSource::Opened PhotoSource::open(const QString& path, QSize frame, PhotoFit fit)
{
    QByteArray bytes;
    if (const PictureLoadError error = PictureLoader::readFile(path, bytes); error != PictureLoadError::None)
        return {nullptr, error};
    return fromBytes(bytes, frame, fit);
}

PhotoSource::Opened PhotoSource::fromBytes(const QByteArray& bytes, QSize frame, PhotoFit fit)
{
    const PictureLoadResult decoded = decodeBytes(bytes, frame);
    if (!decoded || decoded->image.isNull())
        return {nullptr, decoded.reason()};
    const QImage picture = fit.apply(decoded->image).convertToFormat(QImage::Format_RGB32);
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->frame_ = frame;
    source->id_ = ++lastId;
    if (bytes.size() > LargestKeptFile) {
        source->bytes_ = losslessPng(picture);
        source->lossless_ = true;
    } else {
        source->bytes_ = bytes;
        source->fit_ = fit;
    }
    addToCache(source->id_, picture);
    return {std::move(source), PictureLoadError::None, decoded->width, decoded->height};
}

PhotoSource::Opened PhotoSource::restore(const QByteArray& bytes, bool lossless, QSize frame, PhotoFit fit)
{
    if (!lossless)
        return fromBytes(bytes, frame, fit);
    const PictureLoadResult checked = PictureLoader::loadFromData(bytes);
    if (!checked || checked->image.isNull())
        return {nullptr, checked.reason()};
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->bytes_ = bytes;
    source->lossless_ = true;
    source->frame_ = frame;
    source->id_ = ++lastId;
    const QImage picture = source->decode();
    if (picture.isNull())
        return {nullptr, PictureLoadError::Damaged};
    addToCache(source->id_, picture);
    return {std::move(source), PictureLoadError::None, picture.width(), picture.height()};
}

std::shared_ptr<const PhotoSource> PhotoSource::fromPicture(const QImage& picture)
{
    const QImage flat = picture.convertToFormat(QImage::Format_RGB32);
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->bytes_ = losslessPng(flat);
    source->lossless_ = true;
    source->frame_ = flat.size();
    source->id_ = ++lastId;
    addToCache(source->id_, flat);
    return source;
}

std::shared_ptr<const PhotoSource> PhotoSource::losslessCopy() const
{
    if (lossless_)
        return nullptr;
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->bytes_ = losslessPng(picture());
    source->lossless_ = true;
    source->frame_ = frame_;
    source->id_ = ++lastId;
    return source;
}

QImage PhotoSource::decode() const
{
    if (lossless_)
        return QImage::fromData(bytes_, "PNG").convertToFormat(QImage::Format_RGB32);
    const PictureLoadResult decoded = decodeBytes(bytes_, frame_);
    if (!decoded || decoded->image.isNull())
        return QImage();
    return fit_.apply(decoded->image).convertToFormat(QImage::Format_RGB32);
}

QImage PhotoSource::picture() const
{
    {
        Cache& c = cache();
        const std::lock_guard<std::mutex> held(c.lock);
        if (const QImage kept = c.find(id_); !kept.isNull())
            return kept;
    }
    // Decoded outside the lock; two threads decoding the same bytes get the same pixels.
    const QImage picture = decode();
    addToCache(id_, picture);
    return picture;
}

qint64 PhotoSource::cachedBytes()
{
    Cache& c = cache();
    const std::lock_guard<std::mutex> held(c.lock);
    return c.bytes();
}

void PhotoSource::dropCache()
{
    Cache& c = cache();
    const std::lock_guard<std::mutex> held(c.lock);
    c.entries.clear();
}
