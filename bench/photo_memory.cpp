// Peak memory of a card with nine photos placed in layout 9 from 12-megapixel
// JPEGs (4000 x 3000), without a window. The JPEGs are written first by a
// child process, so their making does not count.
#include "HeadlessCard.h"
#include "editor/PhotoSource.h"
#include "editor/PhotoOpen.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Photos = 9;

QString photoPath(const QString& folder, int n)
{
    return folder + QStringLiteral("/foto%1.jpg").arg(n);
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    folder.setAutoRemove(true);
    const pid_t writer = fork();
    if (writer == 0) {
        QGuiApplication app(argc, argv);
        for (int n = 0; n < Photos; ++n)
            photoLike(4000, 3000, n).save(photoPath(folder.path(), n), "JPEG", 90);
        _exit(0);
    }
    int status = 0;
    waitpid(writer, &status, 0);

    QGuiApplication app(argc, argv);
    const long before = peakKilobytes();
    HeadlessCard card;
    card.chooseLayout(9, 0, 0, 172, 122);
    card.state().cropPhotos = true;
    for (int n = 0; n < Photos; ++n)
        openPhotoFile(card, photoPath(folder.path(), n));
    std::printf("photos placed: %zu, kept sources: %.1f MB, history: %.1f MB\n", std::size_t(card.state().document.size()),
                PhotoSource::cachedBytes() / 1048576.0, card.history().bytes() / 1048576.0);
    std::printf("peak resident: %.1f MB (%.1f MB before the first photo; goal under 150 MB)\n", peakKilobytes() / 1024.0,
                before / 1024.0);
    return peakKilobytes() / 1024 < 150 ? 0 : 1;
}
