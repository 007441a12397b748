#pragma once
// Answers message boxes and file dialogs from a script, and records what was asked.
#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

class ScriptedDialogs : public Dialogs::Handler {
public:
    struct Message {
        QString text;
        QString title;
        Dialogs::Icon icon;
        bool question;
        Dialogs::Answer defaultAnswer = Dialogs::Answer::Yes; // of a question
    };

    ScriptedDialogs() : previous_(Dialogs::handler()) { Dialogs::setHandler(this); }
    ~ScriptedDialogs() override { Dialogs::setHandler(previous_); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers for the coming Yes/No questions, in order; when none is left the answer is No.
    QList<bool> answers;
    // Paths for the coming file dialogs, in order; when none is left the dialog is cancelled.
    QStringList files;

    // File types chosen in the coming save dialogs that report one; 0 when none is left.
    QList<int> fileTypes;

    QList<Message> messages;
    QList<QImage> pictures;   // shown with the questions that have one
    QStringList fileFilters;
    QStringList fileStarts;   // what each file dialog proposed

    bool askYesNo(QWidget*, const QString& text, const QString& title, Dialogs::Icon icon,
                  Dialogs::Answer defaultAnswer) override
    {
        messages.append({text, title, icon, true, defaultAnswer});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    bool askYesNoWithPicture(QWidget* parent, const QString& text, const QString& title, const QImage& picture) override
    {
        pictures.append(picture);
        return askYesNo(parent, text, title, Dialogs::Icon::Question, Dialogs::Answer::Yes);
    }
    void showMessage(QWidget*, const QString& text, const QString& title, Dialogs::Icon icon) override
    {
        messages.append({text, title, icon, false});
    }
    QString openFileName(QWidget*, const QString&, const QString& filter, const QString& start) override
    {
        return nextFile(filter, start);
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter, const QString& start,
                         Dialogs::Overwrite) override
    {
        return nextFile(filter, start);
    }
    QString saveFileNameAndType(QWidget*, const QString&, const QString& filter, int& type) override
    {
        type = fileTypes.isEmpty() ? 0 : fileTypes.takeFirst();
        return nextFile(filter, QString());
    }

private:
    Dialogs::Handler* previous_;
    QString nextFile(const QString& filter, const QString& start)
    {
        fileFilters.append(filter);
        fileStarts.append(start);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};
