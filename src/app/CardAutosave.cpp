#include "app/CardAutosave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>

namespace {

QString nameFile(const QString& autosave)
{
    return autosave.chopped(CardFile::Suffix.size()) + QStringLiteral("name");
}

QString lockFile(const QString& autosave)
{
    return autosave.chopped(CardFile::Suffix.size()) + QStringLiteral("lock");
}

// The card's own file, beside the autosave; empty when it has none.
QString writeCardFileName(const QString& autosave, const QString& cardFile)
{
    if (cardFile.isEmpty()) {
        QFile::remove(nameFile(autosave));
        return QString();
    }
    QSaveFile file(nameFile(autosave));
    if (file.open(QIODevice::WriteOnly) && file.write(cardFile.toUtf8()) >= 0 && file.commit())
        return QString();
    return CardAutosave::tr("De naam van de kaart kon niet bij de automatisch bewaarde kaart worden gezet.");
}

}

CardAutosave::CardAutosave(const QString& folder)
    : base_(QDir(folder).filePath(QStringLiteral("%1-%2.")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')))),
      lock_(base_ + QStringLiteral("lock"))
{
    QDir().mkpath(folder);
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
    worker_.setMaxThreadCount(1);
}

CardAutosave::~CardAutosave()
{
    waiting_.reset();
    worker_.waitForDone();
    QFile::remove(path());
    QFile::remove(nameFile(path()));
    lock_.unlock();
}

void CardAutosave::write(const CardFileContent& content, const QImage& frontPrint, const QString& cardFile)
{
    start(Job{false, content, frontPrint, cardFile});
}

void CardAutosave::discard()
{
    start(Job{true, {}, {}, {}});
}

void CardAutosave::start(Job job)
{
    if (running_) {
        waiting_ = std::move(job);
        return;
    }
    running_ = true;
    worker_.start([this, job = std::move(job), target = path()] {
        QString error;
        if (job.remove) {
            QFile::remove(target);
            QFile::remove(nameFile(target));
        } else {
            error = CardFile::write(target, job.content, job.frontPrint);
            if (error.isEmpty())
                error = writeCardFileName(target, job.cardFile);
        }
        QMetaObject::invokeMethod(this, [this, error] { ended(error); }, Qt::QueuedConnection);
    });
}

void CardAutosave::ended(const QString& error)
{
    running_ = false;
    if (waiting_) {
        Job next = std::move(*waiting_);
        waiting_.reset();
        start(std::move(next));
    }
    Q_EMIT finished(error);
}

void CardAutosave::waitForDone()
{
    while (running_) {
        worker_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

std::optional<CardAutosave::Abandoned> CardAutosave::findAbandoned(const QString& folder)
{
    const QDir dir(folder);
    // Locks left without an autosave (a program stopped before its first) go.
    for (const QFileInfo& lock : dir.entryInfoList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString autosave = lock.absoluteFilePath().chopped(4) + CardFile::Suffix;
        if (QFileInfo::exists(autosave))
            continue;
        QLockFile stale(lock.absoluteFilePath());
        stale.setStaleLockTime(0);
        if (stale.tryLock(0))
            stale.unlock();
    }
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.") + CardFile::Suffix}, QDir::Files, QDir::Time)) {
        auto lock = std::make_shared<QLockFile>(lockFile(file.absoluteFilePath()));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        QFile name(nameFile(file.absoluteFilePath()));
        const QString cardFile = name.open(QIODevice::ReadOnly) ? QString::fromUtf8(name.read(4096)).trimmed() : QString();
        return Abandoned{file.absoluteFilePath(), cardFile, std::move(lock)};
    }
    return std::nullopt;
}

void CardAutosave::adopt(const Abandoned& abandoned)
{
    waitForDone();
    QFile::remove(path());
    QFile::remove(nameFile(path()));
    QFile::rename(abandoned.path, path());
    QFile::rename(nameFile(abandoned.path), nameFile(path()));
    abandoned.lock->unlock();
}

void CardAutosave::remove(const Abandoned& abandoned)
{
    QFile::remove(abandoned.path);
    QFile::remove(nameFile(abandoned.path));
    abandoned.lock->unlock();
}
