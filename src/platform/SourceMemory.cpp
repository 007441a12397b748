#include "platform/SourceMemory.h"

#include <QMutexLocker>

SourceMemory::SourceMemory() = default;
SourceMemory::~SourceMemory() = default;

void SourceMemory::setTranslation(std::unique_ptr<QTranslator> translation)
{
    translation_ = std::move(translation);
}

QString SourceMemory::translate(const char* context, const char* source, const char* disambiguation, int n) const
{
    const QString translated = translation_ ? translation_->translate(context, source, disambiguation, n) : QString();
    // Qt's own contexts are Qt's business; a text with a count is never shown
    // as it stands, so it cannot be recognised later either.
    if (context && source && context[0] != 'Q' && n < 0) {
        const QString shown = translated.isEmpty() ? QString::fromUtf8(source) : translated;
        TextSource origin{QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(disambiguation)};
        QMutexLocker lock(&mutex_);
        QList<TextSource>& known = sources_[shown];
        const bool present = std::any_of(known.cbegin(), known.cend(), [&](const TextSource& s) {
            return s.context == origin.context && s.source == origin.source && s.disambiguation == origin.disambiguation;
        });
        if (!present)
            known.append(origin);
    }
    return translated;
}

std::optional<TextSource> SourceMemory::sourceOf(const QString& shown, const QString& preferredContext) const
{
    QMutexLocker lock(&mutex_);
    const auto found = sources_.constFind(shown);
    if (found == sources_.cend() || found->isEmpty())
        return std::nullopt;
    for (const TextSource& candidate : *found)
        if (candidate.context == preferredContext)
            return candidate;
    return found->constFirst();
}
