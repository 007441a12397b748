#pragma once
// Operations in a card file: each kind writes its parameters as a JSON object
// and reads them back with a ParameterReader, which checks every value's
// presence, type and range. Numbers read back bit for bit: doubles as JSON
// numbers (written shortest-exact), 64-bit words as decimal strings. Photos
// are written by their number in the file's list of photos.
#include "editor/CardOperation.h"
#include "platform/Colors.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <memory>
#include <vector>

class PhotoSource;

// The distinct photo sources of a card file, numbered from 0.
class PhotoList {
public:
    PhotoList() = default;
    explicit PhotoList(std::vector<std::shared_ptr<const PhotoSource>> sources) : sources_(std::move(sources)) {}
    // Writing: the number of `source`, added when new.
    int numberOf(const std::shared_ptr<const PhotoSource>& source);
    // Reading: the source with `number`, null for none.
    std::shared_ptr<const PhotoSource> at(qint64 number) const;
    const std::vector<std::shared_ptr<const PhotoSource>>& sources() const { return sources_; }

private:
    std::vector<std::shared_ptr<const PhotoSource>> sources_;
};

// Values written so that ParameterReader reads them back exactly.
namespace ParameterValue {
QJsonValue word(std::uint64_t value);
QJsonArray point(QPointF point);
QJsonArray rectangle(QRectF rectangle);
QJsonValue colour(Rgb colour);
}

// Largest coordinate a position on the card may have, in card pixels: far
// beyond the card, small enough to draw quickly.
constexpr double FarthestCoordinate = 10000;

class ParameterReader {
public:
    explicit ParameterReader(const QJsonObject& object, const PhotoList* photos = nullptr) : object_(object), photos_(photos) {}

    // Each gives the value at `key`, or on a missing, wrong-typed or
    // out-of-range value a default, and remembers the first such key.
    int integer(const char* key, int lowest, int highest);
    double number(const char* key, double lowest = -FarthestCoordinate, double highest = FarthestCoordinate);
    bool flag(const char* key);
    QString text(const char* key, int longest);
    std::uint64_t word(const char* key);
    Rgb colour(const char* key);
    QPointF point(const char* key);
    QRectF rectangle(const char* key);
    QJsonObject object(const char* key);
    QJsonArray array(const char* key, int longest);
    std::shared_ptr<const PhotoSource> photo(const char* key);
    // Marks `key` as wrong (a value that is in range but not allowed here).
    void refuse(const char* key);

    bool ok() const { return fault_.isEmpty(); }
    // The first key that failed, empty when none did.
    const QString& fault() const { return fault_; }

private:
    QJsonValue value(const char* key, QJsonValue::Type type);

    QJsonObject object_;
    const PhotoList* photos_;
    QString fault_;
};
