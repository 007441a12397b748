// Peak memory of a card with nine photos placed in layout 9 from 12-megapixel
// JPEGs (4000 x 3000), without a window (goal: under 150 MB), and then with
// 200 operations over them, Blur, Sharpen and Aquarel among them (under
// 250 MB). The JPEGs are written first by a child process, so their making
// does not count.
#include "HeadlessCard.h"
#include "LaterOperations.h"
#include "editor/PhotoOperations.h"
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
constexpr int Operations = 200;

QString photoPath(const QString& folder, int n)
{
    return folder + QStringLiteral("/foto%1.jpg").arg(n);
}

// What the card keeps, by part.
void printKept(HeadlessCard& card)
{
    qint64 files = 0;
    for (const Operation& operation : card.state().document.operations)
        if (const auto* photo = dynamic_cast<const PhotoInFrame*>(operation.get()))
            files += photo->source()->bytes().size();
    std::printf("operations: %d, kept files: %.1f MB, decoded sources: %.1f MB, history: %.1f MB, checkpoints: %.1f MB\n",
                card.state().document.size(), files / 1048576.0, PhotoSource::cachedBytes() / 1048576.0,
                card.history().bytes() / 1048576.0, card.replay().bytes() / 1048576.0);
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
    printKept(card);
    const long photosPeak = peakKilobytes();
    std::printf("peak resident: %.1f MB (%.1f MB before the first photo; goal under 150 MB)\n", photosPeak / 1024.0,
                before / 1024.0);

    addLaterOperations(card, Operations, {{50, FiltersEntry::Blur}, {100, FiltersEntry::Sharpen}, {150, FiltersEntry::Aquarel}});
    printKept(card);
    const long operationsPeak = peakKilobytes();
    std::printf("peak resident with %d operations: %.1f MB (goal under 250 MB)\n", Operations, operationsPeak / 1024.0);
    return photosPeak / 1024 < 150 && operationsPeak / 1024 < 250 ? 0 : 1;
}
