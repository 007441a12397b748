// Loads arbitrary bytes as a picture, the way a photo is opened for the card.
#include "platform/PictureLoader.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_picture_loader";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    PictureLoader::loadFromData(bytes, QSize(258, 182));
    return 0;
}
