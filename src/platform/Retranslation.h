#pragma once
// Puts the texts of windows that are already open into another language.
// Before the switch, every text of the windows is traced back to its source
// (the Dutch text and its context) through the translator's memory; after the
// switch each one is translated again from that source. Texts built from
// pieces are not traced: the window that builds them does so again on its
// LanguageChange event.
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

class SourceMemory;
struct TextSource;

// One text an object shows: its name ("text", "toolTip", "item2"...), the
// text itself and how to set it.
struct TextSlot {
    QByteArray name;
    QString shown;
    std::function<void(QObject*, const QString&)> set;
};

// Every text `object` shows, empty ones left out.
QList<TextSlot> textSlots(QObject* object);

class Retranslation {
public:
    // Traces every text of `windows` and of all their children.
    Retranslation(const SourceMemory& memory, const QList<QWidget*>& windows);
    // Sets each traced text to its translation in the language now installed.
    void apply() const;

    // An object whose texts are left as they are (e.g. language names).
    static void keepTexts(QObject* object);

private:
    struct Text {
        QPointer<QObject> object;
        QByteArray slot;
        QString context;
        QString source;
        QString disambiguation;
        std::function<void(QObject*, const QString&)> set;
    };
    void trace(const SourceMemory& memory, QObject* object, TextSlot slot);

    QList<Text> texts_;
};
