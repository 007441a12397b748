#pragma once
// Reads a TIFF structure (a TIFF file, or the EXIF block of a JPEG) in either
// byte order. Every read outside the data gives 0, every entry whose value
// lies outside it is reported as absent.
#include <QByteArray>
#include <QtGlobal>
#include <array>

class TiffData {
public:
    TiffData(const uchar* data, qint64 size) : p_(data), size_(size)
    {
        if (size_ >= 8 && p_[0] == 'I' && p_[1] == 'I' && p_[2] == 42 && p_[3] == 0)
            little_ = true;
        else if (size_ >= 8 && p_[0] == 'M' && p_[1] == 'M' && p_[2] == 0 && p_[3] == 42)
            little_ = false;
        else
            size_ = 0;
    }
    bool valid() const { return size_ > 0; }
    quint32 firstDirectory() const { return u32(4); }
    quint16 u16(qint64 at) const
    {
        if (at < 0 || at + 2 > size_)
            return 0;
        return little_ ? quint16(p_[at] | (p_[at + 1] << 8)) : quint16((p_[at] << 8) | p_[at + 1]);
    }
    quint32 u32(qint64 at) const
    {
        if (at < 0 || at + 4 > size_)
            return 0;
        const quint32 b0 = p_[at], b1 = p_[at + 1], b2 = p_[at + 2], b3 = p_[at + 3];
        return little_ ? (b3 << 24) | (b2 << 16) | (b1 << 8) | b0 : (b0 << 24) | (b1 << 16) | (b2 << 8) | b3;
    }

    struct Entry {
        quint16 type = 0;
        quint32 count = 0;
        qint64 valueAt = -1;    // where the value lies: inline or at its offset
    };
    // The entry `tag` of the directory at `directory`, or one with valueAt -1.
    Entry find(quint32 directory, quint16 tag) const
    {
        const quint16 entries = u16(directory);
        for (qint64 i = 0; i < entries; ++i) {
            const qint64 at = qint64(directory) + 2 + 12 * i;
            if (at + 12 > size_)
                break;
            if (u16(at) != tag)
                continue;
            Entry entry{u16(at + 2), u32(at + 4), -1};
            static constexpr std::array<int, 13> typeBytes{0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
            const quint64 bytes = quint64(entry.count) * (entry.type < typeBytes.size() ? typeBytes[entry.type] : 0);
            entry.valueAt = bytes <= 4 ? at + 8 : qint64(u32(at + 8));
            if (bytes == 0 || quint64(entry.valueAt) + bytes > quint64(size_))
                entry.valueAt = -1;
            return entry;
        }
        return {};
    }
    // The n-th value of a SHORT or LONG entry.
    quint32 value(const Entry& entry, quint32 n = 0) const
    {
        if (entry.valueAt < 0 || n >= entry.count)
            return 0;
        return entry.type == 3 ? u16(entry.valueAt + 2 * qint64(n)) : u32(entry.valueAt + 4 * qint64(n));
    }
    QByteArray bytes(const Entry& entry) const
    {
        if (entry.valueAt < 0)
            return {};
        return QByteArray(reinterpret_cast<const char*>(p_ + entry.valueAt), int(entry.count));
    }

private:
    const uchar* p_;
    qint64 size_;
    bool little_ = true;
};

