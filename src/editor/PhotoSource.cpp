#include "editor/PhotoSource.h"

#include "platform/PhotoForCard.h"
#include "platform/PictureLoader.h"

#include <QBuffer>
#include <atomic>
#include <list>
#include <utility>

namespace {

std::atomic<quint64> lastId{0};

// The decoded pictures, the most recently used last.
struct Cache {
    std::list<std::pair<quint64, QImage>> entries;

    qint64 bytes() const
    {
        qint64 total = 0;
        for (const auto& entry : entries)
            total += entry.second.sizeInBytes();
        return total;
    }
    const QImage* find(quint64 id)
    {
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if (it->first == id) {
                entries.splice(entries.end(), entries, it);
                return &entries.back().second;
            }
        return nullptr;
    }
    // The newest picture stays even when it alone is over the budget.
    void add(quint64 id, const QImage& picture)
    {
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

PictureLoadResult decodeBytes(const QByteArray& bytes, QSize frame)
{
    return loadPhotoForCard(QString(), frame, [&bytes](const QString&, QSize target) {
        return PictureLoader::loadFromData(bytes, target);
    });
}

QByteArray losslessCopy(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG", 100);
    return png;
}

}

PhotoSource::Opened PhotoSource::open(const QString& path, QSize frame, Prepare prepare)
{
    QByteArray bytes;
    if (const PictureLoadError error = PictureLoader::readFile(path, bytes); error != PictureLoadError::None)
        return {nullptr, error};
    return fromBytes(bytes, frame, std::move(prepare));
}

PhotoSource::Opened PhotoSource::fromBytes(const QByteArray& bytes, QSize frame, Prepare prepare)
{
    const PictureLoadResult decoded = decodeBytes(bytes, frame);
    if (!decoded || decoded->image.isNull())
        return {nullptr, decoded.reason()};
    const QImage picture = prepare(decoded->image).convertToFormat(QImage::Format_RGB32);
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->frame_ = frame;
    source->id_ = ++lastId;
    if (bytes.size() > LargestKeptFile) {
        source->bytes_ = losslessCopy(picture);
        source->lossless_ = true;
    } else {
        source->bytes_ = bytes;
        source->prepare_ = std::move(prepare);
    }
    cache().add(source->id_, picture);
    return {std::move(source), PictureLoadError::None, decoded->width, decoded->height};
}

std::shared_ptr<const PhotoSource> PhotoSource::fromPicture(const QImage& picture)
{
    const QImage flat = picture.convertToFormat(QImage::Format_RGB32);
    std::shared_ptr<PhotoSource> source(new PhotoSource);
    source->bytes_ = losslessCopy(flat);
    source->lossless_ = true;
    source->frame_ = flat.size();
    source->id_ = ++lastId;
    cache().add(source->id_, flat);
    return source;
}

QImage PhotoSource::decode() const
{
    if (lossless_)
        return QImage::fromData(bytes_, "PNG").convertToFormat(QImage::Format_RGB32);
    const PictureLoadResult decoded = decodeBytes(bytes_, frame_);
    if (!decoded || decoded->image.isNull())
        return QImage();
    return prepare_(decoded->image).convertToFormat(QImage::Format_RGB32);
}

QImage PhotoSource::picture() const
{
    if (const QImage* kept = cache().find(id_))
        return *kept;
    const QImage picture = decode();
    cache().add(id_, picture);
    return picture;
}

qint64 PhotoSource::cachedBytes()
{
    return cache().bytes();
}

void PhotoSource::dropCache()
{
    cache().entries.clear();
}
