#pragma once
// Plays metafile records onto a painter: the window (origin and extent) is
// mapped onto the whole raster, and pens, brushes and fonts live in the
// metafile's object table.
#include "platform/WmfRecords.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <set>
#include <vector>

class WmfPlayer {
public:
    // `window` is the logical rectangle shown on the raster until the metafile
    // sets its own; `objectCapacity` is the size of the object table.
    WmfPlayer(QPainter& painter, QSizeF raster, QRectF window, int objectCapacity);

    // Plays every record. False when a record is malformed, refers to an object
    // that does not exist, nests too deep, or the picture is too much work.
    // The work is measured, not timed, so that the answer depends only on the
    // file and the raster size.
    bool play(Wmf::RecordStream& records);

    static constexpr int kMaxSavedStates = 1024;
    static constexpr qint64 kMaxRecords = 1'000'000;
    // Pixels the drawing records may cover together, per pixel of the raster.
    static constexpr qint64 kDrawnPixelsPerPixel = 64;

private:
    struct LogicalPen {
        int style = 0;
        int width = 0;
        QColor color = Qt::black;
    };
    struct LogicalFont {
        int height = 0;
        int escapement = 0;
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        QString face;
    };
    struct Object {
        enum Kind { Free, Pen, Brush, Font, Other } kind = Free;
        LogicalPen pen;
        QBrush brush;
        LogicalFont font;
    };
    struct DcState {
        LogicalPen pen;
        QBrush brush = QBrush(Qt::white);
        LogicalFont font;
        QColor textColor = Qt::black;
        QColor backgroundColor = Qt::white;
        bool opaqueBackground = true;
        int textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        QPointF windowOrigin;
        QSizeF windowExtent;
        bool isotropic = false;
        QPointF position;
    };

    bool playRecord(const Wmf::Record& record);
    bool createObject(const Object& object);
    bool selectObject(int index);
    bool deleteObject(int index);
    bool restoreState(int which);

    bool drawShape(const Wmf::Record& record);
    bool drawPoly(const Wmf::Record& record);
    bool drawPolyPolygon(const Wmf::Record& record);
    bool drawText(const Wmf::Record& record);
    bool drawBitmap(const Wmf::Record& record);
    bool createPenBrushOrFont(const Wmf::Record& record);

    // Counts the pixels of `deviceBounds` on the raster (at least one) as drawn.
    void charge(const QRectF& deviceBounds);
    // `deviceBounds` widened by half the pen on every side.
    QRectF withPen(const QRectF& deviceBounds) const;

    QPointF map(double x, double y) const;
    QRectF mapRect(double left, double top, double right, double bottom) const;
    double scaleX() const;
    double scaleY() const;
    void usePenAndBrush(bool fill);
    void fillRect(const QRectF& deviceRect, const QBrush& brush, quint32 rasterOperation);
    void paintText(QPointF logicalPosition, const QByteArray& text, const std::vector<int>& advances,
                   const QRectF* opaqueRect);

    QPainter& painter_;
    QSizeF raster_;
    DcState dc_;
    std::vector<DcState> saved_;
    std::vector<Object> objects_;
    std::set<int> freeSlots_;
    int objectCapacity_;
    qint64 drawnPixels_ = 0;
};
