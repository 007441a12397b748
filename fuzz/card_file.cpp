// Reads arbitrary bytes as a card file, the way "Kaart openen" does.
#include "document/CardFile.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_card_file";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QString error;
    CardFile::readBytes(bytes, error);
    return 0;
}
