#include "document/CardFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

// Reads only the `mimetype` member and the thumbnail: the desktop asks for
// thumbnails of whole folders, so the document and the photos stay unread.
namespace {

const char* const ThumbnailMember = "Thumbnails/thumbnail.png";
// A 256 x 256 PNG is at most about 260 KB even without compression.
constexpr zip_uint64_t MaxThumbnailBytes = 1024 * 1024;
constexpr int MaxThumbnailSide = 256;

struct OpenArchive {
    zip_t* archive = nullptr;
    ~OpenArchive()
    {
        if (archive)
            zip_discard(archive);
    }
};

// Opens a regular file only: a FIFO or a device would block or never end.
zip_t* openArchive(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    int error = 0;
    zip_t* archive = zip_fdopen(fd, ZIP_RDONLY, &error);
    if (!archive)
        ::close(fd);   // zip_fdopen keeps the descriptor only when it succeeds
    return archive;
}

// The member's bytes when it holds at most `limit` of them, else nothing.
// libzip checks the size and the checksum while it reads.
std::optional<QByteArray> readMember(zip_t* archive, zip_uint64_t index, zip_uint64_t limit)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) || stat.size > limit)
        return std::nullopt;
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file)
        return std::nullopt;
    QByteArray bytes(qsizetype(stat.size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    zip_int64_t got = 0;
    while (filled < bytes.size() && (got = zip_fread(file, bytes.data() + filled, zip_uint64_t(bytes.size() - filled))) > 0)
        filled += got;
    zip_fclose(file);
    if (got < 0 || filled != qsizetype(stat.size))
        return std::nullopt;
    bytes.truncate(filled);
    return bytes;
}

// The first member is `mimetype`, stored without compression, holding the type.
bool hasCardMimeType(zip_t* archive)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_get_num_entries(archive, 0) < 1 || zip_stat_index(archive, 0, 0, &stat) != 0)
        return false;
    if (!(stat.valid & ZIP_STAT_NAME) || qstrcmp(stat.name, "mimetype") != 0 || !(stat.valid & ZIP_STAT_COMP_METHOD)
        || stat.comp_method != ZIP_CM_STORE)
        return false;
    const std::optional<QByteArray> type = readMember(archive, 0, 64);
    return type && *type == CardFile::MimeType.toLatin1();
}

}

QImage CardFile::storedThumbnail(const QString& path)
{
    OpenArchive open{openArchive(path)};
    if (!open.archive || !hasCardMimeType(open.archive))
        return QImage();
    const zip_int64_t index = zip_name_locate(open.archive, ThumbnailMember, 0);
    if (index < 0)
        return QImage();
    std::optional<QByteArray> bytes = readMember(open.archive, zip_uint64_t(index), MaxThumbnailBytes);
    if (!bytes)
        return QImage();

    // The header's size is checked before any pixel is decoded.
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MaxThumbnailSide || size.height() > MaxThumbnailSide)
        return QImage();
    QImage thumbnail;
    if (!reader.read(&thumbnail))
        return QImage();
    return thumbnail;
}
