#include "editor/OperationParameters.h"

#include "editor/PhotoSource.h"

#include <cmath>
#include <limits>

int PhotoList::numberOf(const std::shared_ptr<const PhotoSource>& source)
{
    for (std::size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i] == source)
            return int(i);
    sources_.push_back(source);
    return int(sources_.size()) - 1;
}

std::shared_ptr<const PhotoSource> PhotoList::at(qint64 number) const
{
    return number >= 0 && number < qint64(sources_.size()) ? sources_[std::size_t(number)] : nullptr;
}

namespace ParameterValue {

QJsonValue word(std::uint64_t value)
{
    return QString::number(value);
}

QJsonArray point(QPointF point)
{
    return {point.x(), point.y()};
}

QJsonArray rectangle(QRectF rectangle)
{
    return {rectangle.x(), rectangle.y(), rectangle.width(), rectangle.height()};
}

QJsonValue colour(Rgb colour)
{
    return qint64(colour.value());
}

}

QJsonValue ParameterReader::value(const char* key, QJsonValue::Type type)
{
    const QJsonValue found = object_.value(QLatin1String(key));
    if (found.type() != type) {
        refuse(key);
        return QJsonValue();
    }
    return found;
}

void ParameterReader::refuse(const char* key)
{
    if (fault_.isEmpty())
        fault_ = QString::fromLatin1(key);
}

double ParameterReader::number(const char* key, double lowest, double highest)
{
    const double found = value(key, QJsonValue::Double).toDouble();
    if (!std::isfinite(found) || found < lowest || found > highest) {
        refuse(key);
        return 0;
    }
    return found;
}

int ParameterReader::integer(const char* key, int lowest, int highest)
{
    const double found = number(key, lowest, highest);
    if (found != std::floor(found)) {
        refuse(key);
        return lowest;
    }
    return ok() ? int(found) : lowest;
}

bool ParameterReader::flag(const char* key)
{
    return value(key, QJsonValue::Bool).toBool();
}

QString ParameterReader::text(const char* key, int longest)
{
    const QString found = value(key, QJsonValue::String).toString();
    if (found.size() > longest) {
        refuse(key);
        return QString();
    }
    return found;
}

std::uint64_t ParameterReader::word(const char* key)
{
    const QString found = value(key, QJsonValue::String).toString();
    bool parsed = false;
    const std::uint64_t result = found.toULongLong(&parsed);
    if (!parsed || found.isEmpty() || !found.front().isDigit()) {
        refuse(key);
        return 0;
    }
    return result;
}

Rgb ParameterReader::colour(const char* key)
{
    return Rgb::fromValue(std::uint32_t(integer(key, 0, 0xFFFFFF)));
}

QJsonObject ParameterReader::object(const char* key)
{
    return value(key, QJsonValue::Object).toObject();
}

QJsonArray ParameterReader::array(const char* key, int longest)
{
    const QJsonArray found = value(key, QJsonValue::Array).toArray();
    if (found.size() > longest) {
        refuse(key);
        return QJsonArray();
    }
    return found;
}

QPointF ParameterReader::point(const char* key)
{
    const QJsonArray found = array(key, 2);
    const double x = found.at(0).toDouble(NAN), y = found.at(1).toDouble(NAN);
    if (!(std::abs(x) <= FarthestCoordinate && std::abs(y) <= FarthestCoordinate)) {
        refuse(key);
        return QPointF();
    }
    return {x, y};
}

QRectF ParameterReader::rectangle(const char* key)
{
    const QJsonArray found = array(key, 4);
    QRectF result(found.at(0).toDouble(NAN), found.at(1).toDouble(NAN), found.at(2).toDouble(NAN), found.at(3).toDouble(NAN));
    for (double v : {result.x(), result.y(), result.width(), result.height()})
        if (!(std::abs(v) <= FarthestCoordinate)) {
            refuse(key);
            return QRectF();
        }
    return result;
}

std::shared_ptr<const PhotoSource> ParameterReader::photo(const char* key)
{
    const int number = integer(key, 0, std::numeric_limits<int>::max());
    auto source = photos_ ? photos_->at(number) : nullptr;
    if (!source)
        refuse(key);
    return source;
}
