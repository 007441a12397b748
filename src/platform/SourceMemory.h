#pragma once
// The program's translator. It answers with the translation of the chosen
// language (none for Dutch, the language the texts are written in) and
// remembers where each text it handed out came from, so that windows already
// open can be put into another language later.
#include <QHash>
#include <QList>
#include <QMutex>
#include <QTranslator>
#include <memory>
#include <optional>

struct TextSource {
    QString context;
    QString source;
    QString disambiguation;
};

class SourceMemory final : public QTranslator {
public:
    SourceMemory();
    ~SourceMemory() override;

    // The translation to answer with from now on; null for the source language.
    void setTranslation(std::unique_ptr<QTranslator> translation);

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // Where the text `shown` came from. When several sources gave the same
    // text, the one of `preferredContext` wins.
    std::optional<TextSource> sourceOf(const QString& shown, const QString& preferredContext) const;

private:
    std::unique_ptr<QTranslator> translation_;
    mutable QMutex mutex_; // texts may be asked for from worker threads
    mutable QHash<QString, QList<TextSource>> sources_;
};
