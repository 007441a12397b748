#pragma once
// The single-byte code page of the address file. Qt has no converter for it,
// so it is done here with the 32-entry table that differs from Latin-1.
#include <QByteArray>
#include <QString>

namespace Windows1252 {

// Every byte becomes one character; the five unassigned bytes keep their value
// as control characters, so any file reads back byte for byte.
QString decode(const char* bytes, qsizetype size);
inline QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

// Characters the code page cannot hold become "?" (one per character, also
// for characters outside the Basic Multilingual Plane).
QByteArray encode(const QString& text);

}
