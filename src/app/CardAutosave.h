#pragma once
// The running program's autosave: the card in the card file's format as
// "<id>.prentvel" in the autosave folder, with "<id>.name" naming the card's
// own file and "<id>.lock" held while the program runs. Writing happens on a
// worker thread from a copy of the card, one write at a time; the card file's
// writer renames a complete file over the old one, so a killed program leaves
// an autosave that opens. An autosave whose lock no running program holds was
// left by a program that stopped unexpectedly.
#include "document/CardFile.h"

#include <QImage>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <optional>

class CardAutosave : public QObject {
    Q_OBJECT
public:
    explicit CardAutosave(const QString& folder);
    // Waits for a running write, then removes the autosave and its lock.
    ~CardAutosave() override;

    QString path() const { return base_ + CardFile::Suffix; }

    // Writes the card; a write asked while one runs waits for it, and only
    // the latest of those waiting is written. `cardFile` is the card's own file.
    void write(const CardFileContent& content, const QImage& frontPrint, const QString& cardFile);
    // Removes the autosave (a saved or new card has nothing to recover).
    void discard();
    // Returns once every write and removal asked for has ended.
    void waitForDone();

    // An autosave left by a program that stopped, the newest when there are
    // several; its lock is held while the object lives.
    struct Abandoned {
        QString path;
        QString cardFile;
        std::shared_ptr<QLockFile> lock;
    };
    static std::optional<Abandoned> findAbandoned(const QString& folder);
    // Makes an abandoned autosave this program's own, so that it stays until
    // the recovered card is saved or written again.
    void adopt(const Abandoned& abandoned);
    static void remove(const Abandoned& abandoned);

Q_SIGNALS:
    // A write or removal ended; `error` is empty when it succeeded.
    void finished(const QString& error);

private:
    struct Job {
        bool remove = false;
        CardFileContent content;
        QImage frontPrint;
        QString cardFile;
    };
    void start(Job job);
    void ended(const QString& error);

    QString base_; // the folder and "<id>.", the same for all three files
    QLockFile lock_;
    QThreadPool worker_;
    bool running_ = false;
    std::optional<Job> waiting_;
};
