#pragma once
// The record framing of a Windows metafile: each record is a 32-bit size in
// 16-bit words (the 6-byte record header included), a 16-bit function number
// and its parameters.
#include <QtGlobal>

namespace Wmf {

enum Function : quint16 {
    EndOfFile = 0x0000,
    SaveDc = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

struct Record {
    quint16 function = 0;
    const uchar* params = nullptr;
    qint64 paramBytes = 0;
    quint32 sizeInWords = 0;
};

class RecordStream {
public:
    enum Step { Next, End, Malformed };

    RecordStream(const uchar* data, qint64 size) : data_(data), size_(size) {}

    // Reads the next record. End comes with the end-of-file record or exactly
    // at the end of the data; a record shorter than its own header or running
    // past the data is Malformed.
    Step next(Record& record)
    {
        const qint64 left = size_ - pos_;
        if (left == 0)
            return End;
        if (left < 6)
            return Malformed;
        const uchar* p = data_ + pos_;
        const quint32 words = quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
        if (words < 3 || qint64(words) * 2 > left)
            return Malformed;
        record.function = quint16(p[4] | (p[5] << 8));
        record.params = p + 6;
        record.paramBytes = qint64(words) * 2 - 6;
        record.sizeInWords = words;
        pos_ += qint64(words) * 2;
        return record.function == EndOfFile ? End : Next;
    }

private:
    const uchar* data_;
    qint64 size_;
    qint64 pos_ = 0;
};

}
