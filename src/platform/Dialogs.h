#pragma once
// The one seam through which the program asks the user something: message boxes
// and file dialogs. The program uses the real dialogs; tests install a handler
// that answers from a script.
#include <QImage>
#include <QString>

class QWidget;

namespace Dialogs {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Overwrite { DialogAsks, CallerAsks };
enum class Answer { Yes, No };

class Handler {
public:
    virtual ~Handler() = default;
    // Yes/No question; true means Yes. `defaultAnswer` is the button Enter presses.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon,
                          Answer defaultAnswer) = 0;
    // A message with one OK button.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title, Icon icon) = 0;
    // Full path of the chosen file, or empty when cancelled. `filter` uses the
    // "Description|*.a;*.b|Other|*.c" form; matching ignores case. `start` is
    // the folder or file the dialog proposes; empty for the dialog's own choice.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start) = 0;
    // Full path to save to, or empty when cancelled. Overwriting is confirmed by
    // the dialog unless the caller asks the question itself.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start, Overwrite overwrite) = 0;
    // Like saveFileName, and `type` receives the file type chosen in the dialog:
    // the index, from 0, of its pair in `filter`.
    virtual QString saveFileNameAndType(QWidget* parent, const QString& title, const QString& filter, int& type)
    {
        type = 0;
        return saveFileName(parent, title, filter, QString(), Overwrite::DialogAsks);
    }
    // A Ja/Nee question shown with a picture that explains it; true means Ja.
    virtual bool askYesNoWithPicture(QWidget* parent, const QString& text, const QString& title, const QImage& picture)
    {
        Q_UNUSED(picture)
        return askYesNo(parent, text, title, Icon::Question, Answer::Yes);
    }
};

bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::Question,
              Answer defaultAnswer = Answer::Yes);
void showMessage(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::Information);
QString openFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start = QString());
QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start = QString(),
                     Overwrite overwrite = Overwrite::DialogAsks);
QString saveFileNameAndType(QWidget* parent, const QString& title, const QString& filter, int& type);
bool askYesNoWithPicture(QWidget* parent, const QString& text, const QString& title, const QImage& picture);

// Replaces the handler; nullptr brings back the real dialogs.
void setHandler(Handler* handler);
Handler* handler();

// Turns "Foto|*.jpg;*.bmp|Alles|*.*" into Qt's "Foto (*.jpg *.bmp);;Alles (*.*)".
QString toQtFilter(const QString& filter);

}
