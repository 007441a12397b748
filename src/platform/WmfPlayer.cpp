#include "platform/WmfPlayer.h"

#include "platform/ByteReader.h"
#include "platform/Dib.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

using namespace Wmf;

namespace {

// Raster operations of the bitmap records that have a painter equivalent.
constexpr quint32 kSrcCopy = 0x00CC0020;
constexpr quint32 kSrcAnd = 0x008800C6;
constexpr quint32 kSrcPaint = 0x00EE0086;
constexpr quint32 kSrcInvert = 0x00660046;
constexpr quint32 kBlackness = 0x00000042;
constexpr quint32 kWhiteness = 0x00FF0062;

constexpr double kMaxDeviceSize = 16384;    // pen widths and font sizes are capped here

QColor colorRef(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QPainter::CompositionMode compositionFor(quint32 rasterOperation)
{
    switch (rasterOperation) {
    case kSrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case kSrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case kSrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

QBrush brushFrom(int style, QColor color, int hatch)
{
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                             Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    switch (style) {
    case 1:    // hollow
        return QBrush(Qt::NoBrush);
    case 2:
        return QBrush(color, hatch >= 0 && hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
    default:
        return QBrush(color);
    }
}

double clampDevice(double value)
{
    return std::clamp(value, 0.0, kMaxDeviceSize);
}

}

WmfPlayer::WmfPlayer(QPainter& painter, QSizeF raster, QRectF window, int objectCapacity)
    : painter_(painter), raster_(raster), objectCapacity_(objectCapacity)
{
    dc_.windowOrigin = window.topLeft();
    dc_.windowExtent = window.size();
}

bool WmfPlayer::play(RecordStream& records)
{
    const qint64 pixelBudget = kDrawnPixelsPerPixel * std::max<qint64>(qint64(raster_.width()) * qint64(raster_.height()), 1);
    Record record;
    for (qint64 count = 1;; ++count) {
        switch (records.next(record)) {
        case RecordStream::End:
            return true;
        case RecordStream::Malformed:
            return false;
        case RecordStream::Next:
            break;
        }
        if (count > kMaxRecords || !playRecord(record) || drawnPixels_ > pixelBudget)
            return false;
    }
}

void WmfPlayer::charge(const QRectF& deviceBounds)
{
    const QRectF onRaster = deviceBounds.intersected(QRectF(QPointF(0, 0), raster_));
    drawnPixels_ += std::max<qint64>(qint64(std::ceil(onRaster.width()) * std::ceil(onRaster.height())), 1);
}

QRectF WmfPlayer::withPen(const QRectF& deviceBounds) const
{
    const double half = clampDevice(std::abs(dc_.pen.width * scaleX())) / 2 + 1;
    return deviceBounds.normalized().adjusted(-half, -half, half, half);
}

double WmfPlayer::scaleX() const
{
    const double sx = raster_.width() / dc_.windowExtent.width();
    const double sy = raster_.height() / dc_.windowExtent.height();
    return dc_.isotropic ? std::copysign(std::min(std::abs(sx), std::abs(sy)), sx) : sx;
}

double WmfPlayer::scaleY() const
{
    const double sx = raster_.width() / dc_.windowExtent.width();
    const double sy = raster_.height() / dc_.windowExtent.height();
    return dc_.isotropic ? std::copysign(std::min(std::abs(sx), std::abs(sy)), sy) : sy;
}

QPointF WmfPlayer::map(double x, double y) const
{
    return QPointF((x - dc_.windowOrigin.x()) * scaleX(), (y - dc_.windowOrigin.y()) * scaleY());
}

QRectF WmfPlayer::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

void WmfPlayer::usePenAndBrush(bool fill)
{
    const LogicalPen& pen = dc_.pen;
    const int style = pen.style & 0x0F;
    if (style == 5) {    // null pen
        painter_.setPen(Qt::NoPen);
    } else {
        static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine,  Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::SolidLine, Qt::SolidLine};
        QPen qpen(pen.color, clampDevice(std::abs(pen.width * scaleX())), style < 7 ? styles[style] : Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin);
        painter_.setPen(qpen);
    }
    painter_.setBrush(fill ? dc_.brush : QBrush(Qt::NoBrush));
    painter_.setBackground(dc_.backgroundColor);
    painter_.setBackgroundMode(dc_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool WmfPlayer::playRecord(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    switch (record.function) {
    case SaveDc:
        if (int(saved_.size()) >= kMaxSavedStates)
            return false;
        saved_.push_back(dc_);
        return true;
    case RestoreDc:
        return restoreState(r.i16()) && r.ok();
    case SetBkMode:
        dc_.opaqueBackground = r.u16() == 2;
        return r.ok();
    case SetMapMode:
        dc_.isotropic = r.u16() == 7;
        return r.ok();
    case SetPolyFillMode:
        dc_.fillRule = r.u16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        return r.ok();
    case SetTextAlign:
        dc_.textAlign = r.u16();
        return r.ok();
    case SetBkColor:
        dc_.backgroundColor = colorRef(r.u32());
        return r.ok();
    case SetTextColor:
        dc_.textColor = colorRef(r.u32());
        return r.ok();
    case SetWindowOrg: {
        const int y = r.i16();
        const int x = r.i16();
        dc_.windowOrigin = QPointF(x, y);
        return r.ok();
    }
    case SetWindowExt: {
        const int y = r.i16();
        const int x = r.i16();
        if (x != 0 && y != 0)    // an empty extent would map everything onto one point
            dc_.windowExtent = QSizeF(x, y);
        return r.ok();
    }
    case MoveTo: {
        const int y = r.i16();
        const int x = r.i16();
        dc_.position = QPointF(x, y);
        return r.ok();
    }
    case LineTo: {
        const int y = r.i16();
        const int x = r.i16();
        if (!r.ok())
            return false;
        usePenAndBrush(false);
        charge(withPen(QRectF(map(dc_.position.x(), dc_.position.y()), map(x, y))));
        painter_.drawLine(map(dc_.position.x(), dc_.position.y()), map(x, y));
        dc_.position = QPointF(x, y);
        return true;
    }
    case SetPixel: {
        const QColor color = colorRef(r.u32());
        const int y = r.i16();
        const int x = r.i16();
        if (!r.ok())
            return false;
        const QPointF p = map(x, y);
        charge(QRectF());
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
        return true;
    }
    case Polygon:
    case Polyline:
        return drawPoly(record);
    case PolyPolygon:
        return drawPolyPolygon(record);
    case Rectangle:
    case RoundRect:
    case Ellipse:
    case Arc:
    case Pie:
    case Chord:
        return drawShape(record);
    case TextOut:
    case ExtTextOut:
        return drawText(record);
    case PatBlt:
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
        return drawBitmap(record);
    case SelectObject:
        return selectObject(r.u16()) && r.ok();
    case DeleteObject:
        return deleteObject(r.u16()) && r.ok();
    case CreatePenIndirect:
    case CreateBrushIndirect:
    case CreateFontIndirect:
    case DibCreatePatternBrush:
        return createPenBrushOrFont(record);
    case CreatePalette:
    case CreatePatternBrush:
    case CreateRegion: {
        // Objects this player does not use still take their slot in the table.
        Object object;
        object.kind = Object::Other;
        return createObject(object);
    }
    default:
        return true;    // records without visible effect here are skipped
    }
}

bool WmfPlayer::restoreState(int which)
{
    const int depth = int(saved_.size());
    const int target = which < 0 ? depth + which : which - 1;    // relative or absolute
    if (which == 0 || target < 0 || target >= depth)
        return false;
    dc_ = saved_[target];
    saved_.resize(target);
    return true;
}

bool WmfPlayer::createObject(const Object& object)
{
    int index;
    if (!freeSlots_.empty()) {
        index = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[index] = object;
        return true;
    }
    index = int(objects_.size());
    if (index >= objectCapacity_)
        return false;
    objects_.push_back(object);
    return true;
}

bool WmfPlayer::selectObject(int index)
{
    if (index < 0 || index >= int(objects_.size()))
        return false;
    const Object& object = objects_[index];
    switch (object.kind) {
    case Object::Free:
        return false;
    case Object::Pen:
        dc_.pen = object.pen;
        break;
    case Object::Brush:
        dc_.brush = object.brush;
        break;
    case Object::Font:
        dc_.font = object.font;
        break;
    case Object::Other:
        break;
    }
    return true;
}

bool WmfPlayer::deleteObject(int index)
{
    if (index < 0 || index >= int(objects_.size()) || objects_[index].kind == Object::Free)
        return false;
    objects_[index] = Object();
    freeSlots_.insert(index);
    return true;
}

bool WmfPlayer::createPenBrushOrFont(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    Object object;
    switch (record.function) {
    case CreatePenIndirect:
        object.kind = Object::Pen;
        object.pen.style = r.u16();
        object.pen.width = r.i16();
        r.i16();    // the height of the width point is not used
        object.pen.color = colorRef(r.u32());
        break;
    case CreateBrushIndirect: {
        object.kind = Object::Brush;
        const int style = r.u16();
        const QColor color = colorRef(r.u32());
        object.brush = brushFrom(style, color, r.u16());
        break;
    }
    case DibCreatePatternBrush: {
        object.kind = Object::Brush;
        r.u16();    // brush style: the bitmap says it all
        const int usage = r.u16();
        if (!r.ok())
            return false;
        const QImage pattern = Dib::decode(r.current(), r.remaining(),
                                           usage == 1 ? Dib::ColorTable::PaletteIndices : Dib::ColorTable::Rgb);
        if (pattern.isNull() || qint64(pattern.width()) * pattern.height() > 256 * 256)
            return false;
        object.brush = QBrush(pattern.convertToFormat(QImage::Format_RGB32));
        break;
    }
    default: {
        object.kind = Object::Font;
        LogicalFont& font = object.font;
        font.height = r.i16();
        r.i16();    // average width
        font.escapement = r.i16();
        r.i16();    // orientation
        font.weight = r.i16();
        font.italic = r.u8();
        font.underline = r.u8();
        font.strikeOut = r.u8();
        r.skip(5);    // character set, precisions, quality, pitch and family
        if (!r.ok())
            return false;
        const qint64 faceBytes = std::min<qint64>(32, r.remaining());
        const char* face = reinterpret_cast<const char*>(r.current());
        font.face = QString::fromLatin1(face, int(std::find(face, face + faceBytes, '\0') - face));
        break;
    }
    }
    return r.ok() && createObject(object);
}

bool WmfPlayer::drawPoly(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    const int count = r.u16();
    if (!r.ok() || !r.has(qint64(count) * 4))
        return false;
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int x = r.i16();
        const int y = r.i16();
        points.append(map(x, y));
    }
    charge(withPen(points.boundingRect()));
    if (record.function == Polyline) {
        usePenAndBrush(false);
        painter_.drawPolyline(points);
    } else {
        usePenAndBrush(true);
        painter_.drawPolygon(points, dc_.fillRule);
    }
    return true;
}

bool WmfPlayer::drawPolyPolygon(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    const int polygons = r.u16();
    if (!r.ok() || !r.has(qint64(polygons) * 2))
        return false;
    std::vector<int> counts(polygons);
    qint64 total = 0;
    for (int& count : counts) {
        count = r.u16();
        total += count;
    }
    if (!r.has(total * 4))
        return false;
    QPainterPath path;
    path.setFillRule(dc_.fillRule);
    for (int count : counts) {
        QPolygonF points;
        points.reserve(count);
        for (int i = 0; i < count; ++i) {
            const int x = r.i16();
            const int y = r.i16();
            points.append(map(x, y));
        }
        path.addPolygon(points);
        path.closeSubpath();
    }
    usePenAndBrush(true);
    charge(withPen(path.boundingRect()));
    painter_.drawPath(path);
    return true;
}

bool WmfPlayer::drawShape(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    int values[8] = {};
    const int needed = record.function == Rectangle || record.function == Ellipse ? 4
                       : record.function == RoundRect                            ? 6
                                                                                 : 8;
    for (int i = 0; i < needed; ++i)
        values[i] = r.i16();
    if (!r.ok())
        return false;
    // Parameters come in reverse order; the bounding box is always the last four.
    const int* box = values + needed - 4;    // bottom, right, top, left
    const QRectF rect = mapRect(box[3], box[2], box[1], box[0]);
    usePenAndBrush(record.function != Arc);
    charge(withPen(rect));
    switch (record.function) {
    case Rectangle:
        painter_.drawRect(rect);
        return true;
    case Ellipse:
        painter_.drawEllipse(rect);
        return true;
    case RoundRect:
        painter_.drawRoundedRect(rect, std::abs(values[1] * scaleX()) / 2, std::abs(values[0] * scaleY()) / 2);
        return true;
    default:
        break;
    }
    if (rect.width() <= 0 || rect.height() <= 0)
        return true;
    // Arc, pie and chord run anticlockwise from the start radial to the end radial.
    const QPointF end = map(values[1], values[0]);
    const QPointF start = map(values[3], values[2]);
    const QPointF centre = rect.center();
    auto angleOf = [&](QPointF p) {
        return qRadiansToDegrees(
            std::atan2(-(p.y() - centre.y()) / rect.height(), (p.x() - centre.x()) / rect.width()));
    };
    double from = angleOf(start);
    double to = angleOf(end);
    if (scaleX() * scaleY() < 0)    // a mirrored window turns the direction round
        std::swap(from, to);
    double span = to - from;
    if (span <= 0)
        span += 360;
    QPainterPath path;
    if (record.function == Pie)
        path.moveTo(centre);
    else
        path.arcMoveTo(rect, from);
    path.arcTo(rect, from, span);
    if (record.function != Arc)
        path.closeSubpath();
    painter_.drawPath(path);
    return true;
}

bool WmfPlayer::drawText(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    int x, y, length;
    int options = 0;
    QRectF clipRect;
    bool hasRect = false;
    if (record.function == TextOut) {
        length = r.u16();
        if (!r.has(length + (length & 1)))
            return false;
        r.skip(length + (length & 1));
        y = r.i16();
        x = r.i16();
        if (!r.ok())
            return false;
        r = ByteReader(record.params + 2, length);
    } else {
        y = r.i16();
        x = r.i16();
        length = r.u16();
        options = r.u16();
        if (options & 0x0006) {    // opaque or clipped: a rectangle follows
            const int left = r.i16();
            const int top = r.i16();
            const int right = r.i16();
            const int bottom = r.i16();
            clipRect = mapRect(left, top, right, bottom);
            hasRect = true;
        }
        if (!r.ok() || !r.has(length))
            return false;
    }
    if (!r.ok())
        return false;
    const QByteArray text(reinterpret_cast<const char*>(r.current()), length);
    std::vector<int> advances;
    if (record.function == ExtTextOut) {
        r.skip(length + (length & 1));
        if (r.ok() && r.has(qint64(length) * 2)) {
            advances.resize(length);
            for (int& advance : advances)
                advance = r.i16();
        }
    }
    const bool opaque = hasRect && (options & 0x0002);
    paintText(QPointF(x, y), text, advances, opaque ? &clipRect : nullptr);
    return true;
}

void WmfPlayer::paintText(QPointF logicalPosition, const QByteArray& bytes, const std::vector<int>& advances,
                          const QRectF* opaqueRect)
{
    if (opaqueRect)
        fillRect(*opaqueRect, dc_.backgroundColor, kSrcCopy);
    const LogicalFont& lf = dc_.font;
    const bool updatePosition = dc_.textAlign & 1;
    if (updatePosition)
        logicalPosition = dc_.position;
    const double logicalHeight = lf.height == 0 ? 12 : std::abs(lf.height) * (lf.height > 0 ? 0.8 : 1.0);
    QFont font(lf.face.isEmpty() ? QStringLiteral("Sans Serif") : lf.face);
    font.setPixelSize(std::max(1, int(clampDevice(logicalHeight * std::abs(scaleY())))));
    font.setWeight(QFont::Weight(std::clamp(lf.weight == 0 ? 400 : lf.weight, 100, 900)));
    font.setItalic(lf.italic);
    font.setUnderline(lf.underline);
    font.setStrikeOut(lf.strikeOut);
    const QFontMetricsF metrics(font);
    const QString text = QString::fromLatin1(bytes);

    std::vector<double> offsets;    // where each character starts, in device pixels
    double width = 0;
    if (advances.size() == size_t(text.size())) {
        for (int advance : advances) {
            offsets.push_back(width);
            width += advance * std::abs(scaleX());
        }
    } else {
        width = metrics.horizontalAdvance(text);
    }
    const int horizontal = dc_.textAlign & 6;
    const int vertical = dc_.textAlign & 24;
    const double dx = horizontal == 6 ? -width / 2 : horizontal == 2 ? -width : 0;
    const double baseline = vertical == 24 ? 0 : vertical == 8 ? -metrics.descent() : metrics.ascent();

    // Turned text covers at most the square around its longer side.
    const double reach = std::max(std::abs(width), metrics.height());
    charge(QRectF(map(logicalPosition.x(), logicalPosition.y()), QSizeF(reach, reach)).adjusted(-reach, -reach, 0, 0));
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.translate(map(logicalPosition.x(), logicalPosition.y()));
    painter_.rotate(-lf.escapement / 10.0);
    if (dc_.opaqueBackground && !opaqueRect)
        painter_.fillRect(QRectF(dx, baseline - metrics.ascent(), width, metrics.height()), dc_.backgroundColor);
    painter_.setFont(font);
    painter_.setPen(dc_.textColor);
    if (offsets.empty()) {
        painter_.drawText(QPointF(dx, baseline), text);
    } else {
        for (int i = 0; i < text.size(); ++i)
            painter_.drawText(QPointF(dx + offsets[i], baseline), QString(text[i]));
    }
    painter_.restore();
    if (updatePosition)
        dc_.position.rx() += width / std::abs(scaleX());
}

void WmfPlayer::fillRect(const QRectF& deviceRect, const QBrush& brush, quint32 rasterOperation)
{
    charge(deviceRect.normalized());
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (rasterOperation == kBlackness)
        painter_.fillRect(deviceRect, Qt::black);
    else if (rasterOperation == kWhiteness)
        painter_.fillRect(deviceRect, Qt::white);
    else
        painter_.fillRect(deviceRect, brush);
    painter_.restore();
}

bool WmfPlayer::drawBitmap(const Record& record)
{
    ByteReader r(record.params, record.paramBytes);
    const quint32 rasterOperation = r.u32();
    // The bit-block records carry no bitmap when their size is the bare minimum;
    // they then paint with the brush.
    const bool hasBitmap =
        record.function == StretchDib || record.sizeInWords != quint32((record.function >> 8) + 3);
    auto colorTable = Dib::ColorTable::Rgb;
    int srcX = 0, srcY = 0, srcW = -1, srcH = -1, dstX, dstY, dstW, dstH;
    if (record.function == PatBlt) {
        dstH = r.i16();
        dstW = r.i16();
        dstY = r.i16();
        dstX = r.i16();
    } else if (record.function == DibBitBlt) {
        srcY = r.i16();
        srcX = r.i16();
        if (!hasBitmap)
            r.i16();
        dstH = srcH = r.i16();
        dstW = srcW = r.i16();
        dstY = r.i16();
        dstX = r.i16();
    } else {
        if (record.function == StretchDib && r.u16() == 1)
            colorTable = Dib::ColorTable::PaletteIndices;
        srcH = r.i16();
        srcW = r.i16();
        srcY = r.i16();
        srcX = r.i16();
        if (!hasBitmap)
            r.i16();
        dstH = r.i16();
        dstW = r.i16();
        dstY = r.i16();
        dstX = r.i16();
    }
    if (!r.ok())
        return false;
    const QRectF target = mapRect(dstX, dstY, double(dstX) + dstW, double(dstY) + dstH);
    if (record.function == PatBlt || !hasBitmap) {
        fillRect(target, dc_.brush, rasterOperation);
        return true;
    }
    const QImage bitmap = Dib::decode(r.current(), r.remaining(), colorTable);
    if (bitmap.isNull())
        return false;
    QRectF source = QRectF(srcX, srcY, std::abs(srcW), std::abs(srcH)).intersected(QRectF(bitmap.rect()));
    if (source.isEmpty())
        return true;
    charge(target);
    painter_.save();
    painter_.setCompositionMode(compositionFor(rasterOperation));
    // Enlarged bitmaps keep their hard pixel edges; reduced ones are smoothed.
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           target.width() < source.width() && target.height() < source.height());
    painter_.drawImage(target, bitmap, source);
    painter_.restore();
    return true;
}
