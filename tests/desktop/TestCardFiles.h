#pragma once
// Card files made here with libzip, member by member, so that the tests of
// the desktop's side depend on no writer.
#include "document/CardFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <zip.h>

struct ZipMember {
    QByteArray name;
    QByteArray bytes;
    bool stored = true;
};

// Writes a ZIP holding `members` in their order.
inline bool writeZip(const QString& path, const QList<ZipMember>& members)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const ZipMember& member : members) {
        zip_source_t* source = zip_source_buffer(zip, member.bytes.constData(), zip_uint64_t(member.bytes.size()), 0);
        const zip_int64_t index = source ? zip_file_add(zip, member.name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || zip_set_file_compression(zip, zip_uint64_t(index), member.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) != 0) {
            if (index < 0 && source)
                zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

inline QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Four coloured quarters (red, green / blue, yellow): a mirrored, turned or
// cropped copy shows.
inline QImage quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

inline ZipMember mimetypeMember()
{
    return {"mimetype", CardFile::MimeType.toLatin1(), true};
}

// A card file as the program writes it, with `photos` stored members of
// `photoBytes` each before the thumbnail.
inline bool writeCardFile(const QString& path, const QImage& thumbnail, int photos = 0, int photoBytes = 0)
{
    QList<ZipMember> members{mimetypeMember(), {"content.json", "{\"version\":1}", false}};
    for (int n = 0; n < photos; ++n) {
        QByteArray photo(photoBytes, char(n));
        for (int i = 0; i < photo.size(); i += 4096)
            photo[i] = char(i * 31 + n);
        members.append({"Photos/" + QByteArray::number(n) + ".jpg", photo, true});
    }
    members.append({"preview.png", pngBytes(thumbnail.scaled(thumbnail.size() * 4)), true});
    members.append({"Thumbnails/thumbnail.png", pngBytes(thumbnail), false});
    return writeZip(path, members);
}
