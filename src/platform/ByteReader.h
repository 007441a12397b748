#pragma once
// Reader over a byte range, little-endian unless told otherwise, that never
// reads past its end: a read beyond the end returns 0 and marks the reader as
// failed, so a parser can read a whole structure and check ok() once.
#include <QtGlobal>
#include <cstdint>

class ByteReader {
public:
    enum class Order { LittleEndian, BigEndian };

    ByteReader(const uchar* data, qint64 size, Order order = Order::LittleEndian)
        : data_(data), size_(size < 0 ? 0 : size), order_(order)
    {
    }

    bool ok() const { return ok_; }
    qint64 position() const { return pos_; }
    qint64 remaining() const { return size_ - pos_; }
    const uchar* current() const { return data_ + pos_; }
    bool has(qint64 bytes) const { return bytes >= 0 && bytes <= remaining(); }

    void skip(qint64 bytes)
    {
        if (has(bytes))
            pos_ += bytes;
        else
            fail();
    }
    quint8 u8() { return quint8(take(1)); }
    quint16 u16() { return quint16(take(2)); }
    qint16 i16() { return qint16(quint16(take(2))); }
    quint32 u32() { return quint32(take(4)); }
    qint32 i32() { return qint32(quint32(take(4))); }
    // An unsigned field of 0 to 8 bytes, as formats with field widths of their own have.
    std::uint64_t take(int bytes)
    {
        if (bytes < 0 || bytes > 8 || !has(bytes)) {
            fail();
            return 0;
        }
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const int shift = order_ == Order::LittleEndian ? i : bytes - 1 - i;
            value |= std::uint64_t(data_[pos_ + i]) << (8 * shift);
        }
        pos_ += bytes;
        return value;
    }

private:
    void fail()
    {
        ok_ = false;
        pos_ = size_;
    }

    const uchar* data_;
    qint64 size_;
    Order order_;
    qint64 pos_ = 0;
    bool ok_ = true;
};
