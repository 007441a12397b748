// Plays arbitrary bytes as a metafile.
#include "platform/WmfReader.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_wmf_reader";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);    // text needs the font database
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    WmfReader::read(bytes, QSize(258, 182));
    return 0;
}
