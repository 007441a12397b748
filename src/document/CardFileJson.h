#pragma once
// The card's two sides as the JSON document of a card file: each side's
// layout, frame, tool, help line, photo caption and operations, each
// operation as its kind's name and parameters.
#include "document/CardFile.h"
#include "editor/OperationParameters.h"

#include <QJsonObject>
#include <optional>

namespace CardFileJson {

// The version this program writes; files of a later one are refused.
constexpr int Version = 1;
// More operations than this in a file are refused.
constexpr int MostOperations = 100'000;

// Both sides of `content`, numbering their photos in `photos`.
QJsonObject write(const CardFileContent& content, PhotoList& photos);
// The sides read from `json`, their photos taken from `photos`; nothing,
// with a Dutch sentence in `error`, for a missing or wrong value.
std::optional<CardFileContent> read(const QJsonObject& json, const PhotoList& photos, QString& error);

}
