#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace Dialogs {
namespace {

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                      QFileDialog::AcceptMode mode, Overwrite overwrite = Overwrite::DialogAsks, int* type = nullptr)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, overwrite == Overwrite::CallerAsks);
    if (!start.isEmpty()) {
        const QFileInfo info(start);
        if (info.isDir()) {
            dialog.setDirectory(start);
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList nameFilters = toQtFilter(filter).split(";;");
    dialog.setNameFilters(nameFilters);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without extension gets the chosen type's one, before the
        // dialog asks about overwriting.
        const auto followType = [&dialog](const QString& nameFilter) {
            const qsizetype dot = nameFilter.indexOf(QLatin1String("*."));
            const qsizetype end = nameFilter.indexOf(QRegularExpression(QStringLiteral("[ )]")), dot);
            dialog.setDefaultSuffix(dot < 0 ? QString() : nameFilter.mid(dot + 2, end - dot - 2));
        };
        followType(nameFilters.value(0));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (type)
        *type = std::max(0, int(nameFilters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

void nameAnswers(QMessageBox& box)
{
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Dialogs", "Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Dialogs", "Nee"));
}

class RealDialogs final : public Handler {
public:
    bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon, Answer defaultAnswer) override
    {
        QMessageBox box(toQtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
        // The program's own answers, also where Qt has no translation of its buttons installed.
        nameAnswers(box);
        return box.exec() == QMessageBox::Yes;
    }
    void showMessage(QWidget* parent, const QString& text, const QString& title, Icon icon) override
    {
        QMessageBox box(toQtIcon(icon), title, text, QMessageBox::Ok, parent);
        // Messages name files and addresses as the user wrote them.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    QString openFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start) override
    {
        return runFileDialog(parent, title, filter, start, QFileDialog::AcceptOpen);
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                         Overwrite overwrite) override
    {
        return runFileDialog(parent, title, filter, start, QFileDialog::AcceptSave, overwrite);
    }
    QString saveFileNameAndType(QWidget* parent, const QString& title, const QString& filter, int& type) override
    {
        return runFileDialog(parent, title, filter, QString(), QFileDialog::AcceptSave, Overwrite::DialogAsks, &type);
    }
    bool askYesNoWithPicture(QWidget* parent, const QString& text, const QString& title, const QImage& picture) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        if (!picture.isNull())
            box.setIconPixmap(QPixmap::fromImage(picture));
        box.setDefaultButton(QMessageBox::Yes);
        nameAnswers(box);
        // The question may come halfway a long operation, under its hourglass.
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        const bool yes = box.exec() == QMessageBox::Yes;
        QGuiApplication::restoreOverrideCursor();
        return yes;
    }
};

RealDialogs realDialogs;
Handler* current = &realDialogs;

}

bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon, Answer defaultAnswer)
{
    return current->askYesNo(parent, text, title, icon, defaultAnswer);
}

void showMessage(QWidget* parent, const QString& text, const QString& title, Icon icon)
{
    current->showMessage(parent, text, title, icon);
}

QString openFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start)
{
    return current->openFileName(parent, title, filter, start);
}

QString saveFileName(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                     Overwrite overwrite)
{
    return current->saveFileName(parent, title, filter, start, overwrite);
}

QString saveFileNameAndType(QWidget* parent, const QString& title, const QString& filter, int& type)
{
    return current->saveFileNameAndType(parent, title, filter, type);
}

bool askYesNoWithPicture(QWidget* parent, const QString& text, const QString& title, const QImage& picture)
{
    return current->askYesNoWithPicture(parent, text, title, picture);
}

void setHandler(Handler* handler)
{
    current = handler ? handler : &realDialogs;
}

Handler* handler()
{
    return current;
}

QString toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // Photos from cameras are often called IMG_0001.JPG: offer both cases,
        // since a native dialog may match case-sensitively. JPEG files also
        // come as .jpeg.
        QStringList patterns;
        for (const QString& pattern : parts.at(i + 1).split(';', Qt::SkipEmptyParts)) {
            QStringList variants{pattern};
            if (pattern.compare(QLatin1String("*.jpg"), Qt::CaseInsensitive) == 0)
                variants << QStringLiteral("*.jpeg");
            for (const QString& variant : variants) {
                patterns << variant;
                if (variant.toUpper() != variant)
                    patterns << variant.toUpper();
            }
        }
        result << QStringLiteral("%1 (%2)").arg(parts.at(i).trimmed(), patterns.join(' '));
    }
    return result.join(";;");
}

}
