#include "platform/HeifDerivations.h"

#include "platform/ByteReader.h"

#include <QHash>
#include <algorithm>
#include <iterator>
#include <limits>

namespace {

constexpr quint32 fourcc(const char (&code)[5])
{
    return quint32(quint8(code[0])) << 24 | quint32(quint8(code[1])) << 16 | quint32(quint8(code[2])) << 8
        | quint32(quint8(code[3]));
}

// The big-endian fields of [begin, end) of `data`.
ByteReader fieldsOf(const QByteArray& data, qint64 begin, qint64 end)
{
    return ByteReader(reinterpret_cast<const uchar*>(data.constData()) + begin, end - begin, ByteReader::Order::BigEndian);
}

struct Box {
    quint32 type = 0;
    qint64 body = 0;    // after the header
    qint64 end = 0;
};

// The boxes one after another in [begin, end); stops at the first that does
// not fit.
QList<Box> boxesIn(const QByteArray& data, qint64 begin, qint64 end)
{
    QList<Box> boxes;
    qint64 at = begin;
    while (at + 8 <= end) {
        ByteReader header = fieldsOf(data, at, end);
        quint64 size = header.take(4);
        Box box;
        box.type = quint32(header.take(4));
        if (size == 1)
            size = header.take(8);
        else if (size == 0)
            size = quint64(end - at);
        if (!header.ok() || size < quint64(header.position()) || size > quint64(end - at))
            break;
        box.body = at + header.position();
        box.end = at + qint64(size);
        boxes.append(box);
        at = box.end;
    }
    return boxes;
}

struct Extent {
    quint64 offset = 0;
    quint64 length = 0;    // 0: to the end of its source
};
struct Location {
    int method = 0;        // 0: file offsets, 1: within the idat box
    QList<Extent> extents;
};

// Every type each item is given; a damaged file may give one item several.
QMultiHash<quint32, quint32> itemTypes(const QByteArray& data, const Box& iinf)
{
    QMultiHash<quint32, quint32> types;
    ByteReader head = fieldsOf(data, iinf.body, iinf.end);
    const int version = int(head.take(1));
    head.skip(3);
    head.skip(version == 0 ? 2 : 4);
    if (!head.ok())
        return types;
    for (const Box& infe : boxesIn(data, iinf.body + head.position(), iinf.end)) {
        if (infe.type != fourcc("infe"))
            continue;
        ByteReader fields = fieldsOf(data, infe.body, infe.end);
        const int infeVersion = int(fields.take(1));
        fields.skip(3);
        if (infeVersion < 2)
            continue;
        const quint32 id = quint32(fields.take(infeVersion == 2 ? 2 : 4));
        fields.skip(2);    // protection index
        const quint32 type = quint32(fields.take(4));
        if (fields.ok())
            types.insert(id, type);
    }
    return types;
}

QMultiHash<quint32, Location> itemLocations(const QByteArray& data, const Box& iloc)
{
    QMultiHash<quint32, Location> locations;
    ByteReader fields = fieldsOf(data, iloc.body, iloc.end);
    const int version = int(fields.take(1));
    fields.skip(3);
    const int sizes = int(fields.take(2));
    const int offsetSize = sizes >> 12 & 0xF, lengthSize = sizes >> 8 & 0xF, baseSize = sizes >> 4 & 0xF;
    const int indexSize = version == 1 || version == 2 ? sizes & 0xF : 0;
    const quint64 count = fields.take(version < 2 ? 2 : 4);
    for (quint64 i = 0; i < count && fields.ok(); ++i) {
        const quint32 id = quint32(fields.take(version < 2 ? 2 : 4));
        Location location;
        if (version == 1 || version == 2)
            location.method = int(fields.take(2) & 0xF);
        fields.skip(2);    // data reference
        const quint64 base = fields.take(baseSize);
        const quint64 extents = fields.take(2);
        for (quint64 e = 0; e < extents && fields.ok(); ++e) {
            fields.skip(indexSize);
            Extent extent;
            extent.offset = base + fields.take(offsetSize);
            extent.length = fields.take(lengthSize);
            location.extents.append(extent);
        }
        if (fields.ok())
            locations.insert(id, location);
    }
    return locations;
}

// The items each 'dimg' reference box derives from; nullopt when the box
// cannot be read whole.
std::optional<QList<quint32>> ingredients(const QByteArray& data, const Box& iref)
{
    ByteReader head = fieldsOf(data, iref.body, iref.end);
    const int idSize = head.take(1) == 0 ? 2 : 4;
    head.skip(3);
    if (!head.ok())
        return std::nullopt;
    QList<quint32> ids;
    qint64 at = iref.body + head.position();
    for (const Box& reference : boxesIn(data, at, iref.end)) {
        at = reference.end;
        ByteReader fields = fieldsOf(data, reference.body, reference.end);
        fields.skip(idSize);
        const quint64 count = fields.take(2);
        for (quint64 i = 0; i < count && fields.ok(); ++i) {
            const quint32 id = quint32(fields.take(idSize));
            if (reference.type == fourcc("dimg"))
                ids.append(id);
        }
        if (!fields.ok())
            return std::nullopt;
    }
    if (at != iref.end)
        return std::nullopt;
    return ids;
}

// The item types libheif decodes as pictures.
bool isPictureType(quint32 type)
{
    static constexpr quint32 pictures[] = {fourcc("hvc1"), fourcc("av01"), fourcc("grid"), fourcc("iovl"), fourcc("iden")};
    return std::find(std::begin(pictures), std::end(pictures), type) != std::end(pictures);
}

// The first bytes of an item, joined from its extents: enough for a canvas.
QByteArray itemStart(const QByteArray& data, const Location& location, const Box* idat)
{
    constexpr qint64 kWanted = 32;
    qint64 sourceBegin = 0, sourceEnd = data.size();
    if (location.method == 1) {
        if (!idat)
            return {};
        sourceBegin = idat->body;
        sourceEnd = idat->end;
    } else if (location.method != 0) {
        return {};
    }
    QByteArray start;
    for (const Extent& extent : location.extents) {
        if (extent.offset > quint64(sourceEnd - sourceBegin))
            return {};
        const qint64 from = sourceBegin + qint64(extent.offset);
        const qint64 available = sourceEnd - from;
        const qint64 length = extent.length == 0 ? available : qint64(std::min<quint64>(extent.length, quint64(available)));
        start.append(data.constData() + from, int(std::min(length, kWanted - start.size())));
        if (start.size() >= kWanted)
            break;
    }
    return start;
}

// A grid: version, flags, rows - 1, columns - 1, then the canvas. An overlay:
// version, flags, four 16-bit fill values, then the canvas. Flag bit 0 makes
// the canvas fields 32 bits wide.
std::optional<QSize> canvasOf(quint32 type, const QByteArray& start)
{
    ByteReader fields = fieldsOf(start, 0, start.size());
    fields.skip(1);
    const bool wide = fields.take(1) & 1;
    fields.skip(type == fourcc("grid") ? 2 : 8);
    const quint64 width = fields.take(wide ? 4 : 2);
    const quint64 height = fields.take(wide ? 4 : 2);
    if (!fields.ok())
        return std::nullopt;
    const auto clamped = [](quint64 v) { return int(std::min<quint64>(v, quint64(std::numeric_limits<int>::max()))); };
    return QSize(clamped(width), clamped(height));
}

}

std::optional<HeifDerivations::Derived> HeifDerivations::derivedPictures(const QByteArray& file)
{
    Derived derived;
    for (const Box& meta : boxesIn(file, 0, file.size())) {
        if (meta.type != fourcc("meta"))
            continue;
        QMultiHash<quint32, quint32> types;
        QMultiHash<quint32, Location> locations;
        QList<quint32> ingredientIds;
        std::optional<Box> idat;
        for (const Box& child : boxesIn(file, meta.body + 4, meta.end)) {
            if (child.type == fourcc("iinf")) {
                types.unite(itemTypes(file, child));
            } else if (child.type == fourcc("iloc")) {
                locations.unite(itemLocations(file, child));
            } else if (child.type == fourcc("iref")) {
                const std::optional<QList<quint32>> ids = ingredients(file, child);
                if (!ids)
                    return std::nullopt;
                ingredientIds += *ids;
            } else if (child.type == fourcc("idat") && !idat) {
                idat = child;
            }
        }
        for (const quint32 id : std::as_const(ingredientIds)) {
            const QList<quint32> given = types.values(id);
            if (given.isEmpty() || !std::all_of(given.cbegin(), given.cend(), isPictureType))
                derived.ingredientsArePictures = false;
        }
        for (auto item = types.cbegin(); item != types.cend(); ++item) {
            if (item.value() != fourcc("grid") && item.value() != fourcc("iovl"))
                continue;
            std::optional<QSize> largest;
            for (auto at = locations.constFind(item.key()); at != locations.cend() && at.key() == item.key(); ++at) {
                const std::optional<QSize> canvas = canvasOf(item.value(), itemStart(file, at.value(), idat ? &*idat : nullptr));
                if (canvas && (!largest || qint64(canvas->width()) * canvas->height() > qint64(largest->width()) * largest->height()))
                    largest = canvas;
            }
            if (!largest)
                return std::nullopt;
            derived.canvases.append(*largest);
        }
    }
    return derived;
}
