#include "addressbook/AddressFileFormat.h"

#include "addressbook/Windows1252.h"

#include <array>

namespace {

// Reads one line at a time. A read past the end fails and leaves the caller's
// line as it was, which is how a record cut short repeats its last line.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes)
        : position_(bytes.constData()), end_(bytes.constData() + bytes.size())
    {
    }

    bool atEnd() const { return position_ == end_; }

    bool read(QString& line)
    {
        if (atEnd())
            return false;
        const char* lineEnd = position_;
        while (lineEnd != end_ && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        line = Windows1252::decode(position_, lineEnd - position_);
        position_ = lineEnd;
        if (position_ != end_ && *position_ == '\r')
            ++position_;
        if (position_ != end_ && *position_ == '\n')
            ++position_;
        return true;
    }

private:
    const char* position_;
    const char* end_;
};

QString asOneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void appendLine(QByteArray& bytes, const QString& text)
{
    bytes.append(Windows1252::encode(asOneLine(text)));
    bytes.append("\r\n");
}

}

namespace AddressFileFormat {

std::optional<AddressBook> parse(const QByteArray& bytes, int maxRecords)
{
    LineReader reader(bytes);
    QString line;
    if (!reader.read(line))
        return std::nullopt;

    AddressBook book;
    book.senderLine = line;
    reader.read(line);  // the separator
    while (!reader.atEnd()) {
        if (book.records.size() >= maxRecords)
            return std::nullopt;
        AddressRecord record;
        for (QString* field : {&record.naam, &record.adres, &record.postcodeWoonplaats, &record.land}) {
            reader.read(line);
            *field = line;
        }
        book.records.append(record);
        reader.read(line);  // the separator, whatever it holds
    }
    return book;
}

QByteArray format(const AddressBook& book)
{
    QByteArray bytes;
    appendLine(bytes, book.senderLine);
    appendLine(bytes, QLatin1String(separator));
    for (const AddressRecord& record : book.records) {
        for (const QString* field : {&record.naam, &record.adres, &record.postcodeWoonplaats, &record.land})
            appendLine(bytes, *field);
        appendLine(bytes, QLatin1String(separator));
    }
    return bytes;
}

}
