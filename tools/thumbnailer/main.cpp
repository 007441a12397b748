// prentvel-thumbnailer [-s size] <card file> <output.png>
// The desktop's thumbnailer for card files (packaging/prentvel.thumbnailer).
#include "CardThumbnailer.h"

#include <QUrl>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    int size = 256;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-s") == 0) {
        bool ok = false;
        size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
        if (!ok)
            size = 0;
        first = 3;
    }
    if (argc - first != 2 || size <= 0) {
        std::fprintf(stderr, "usage: prentvel-thumbnailer [-s size] <card file> <output.png>\n");
        return 2;
    }
    QString card = QString::fromLocal8Bit(argv[first]);
    if (card.startsWith(QLatin1String("file://")))
        card = QUrl(card).toLocalFile();
    const QString error = writeCardThumbnail(card, QString::fromLocal8Bit(argv[first + 1]), size);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "prentvel-thumbnailer: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
