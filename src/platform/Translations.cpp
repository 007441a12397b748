#include "platform/Translations.h"

#include "platform/Language.h"
#include "platform/Retranslation.h"
#include "platform/SourceMemory.h"
#include "platform/TextRoom.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

// The program's translations are built into it, under this folder.
const QString Folder = QStringLiteral(":/i18n");
// The text each translation gives as the name of its own language.
const char* const NameContext = "Translations";
const char* const NameSource = QT_TRANSLATE_NOOP("Translations", "Nederlands");

struct State {
    SourceMemory* memory = nullptr;
    QTranslator* qt = nullptr;
    QString current = Language::Dutch;
};

State& state()
{
    static State s;
    return s;
}

std::unique_ptr<QTranslator> programTranslation(const QString& code)
{
    auto translator = std::make_unique<QTranslator>();
    if (code == Language::Dutch || !translator->load(QStringLiteral("prentvel_") + code, Folder))
        return nullptr;
    return translator;
}

// Numbers and dates: Dutch ones with the Dutch texts, as the windows are
// designed; with a translation, the system's own formats (as the desktop
// keeps them apart from the language of texts), or the language's own where
// the system has none.
QLocale localeFor(const QString& code)
{
    if (code == Language::Dutch)
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(code) : system;
}

// Holds back the LanguageChange events Qt sends for each translator added or
// removed, so that windows hear of a new language once, when it is complete.
class LanguageChangeHold final : public QObject {
public:
    LanguageChangeHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~LanguageChangeHold() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::LanguageChange; }
};

}

QStringList available()
{
    QStringList codes{Language::Dutch};
    const QString prefix = QStringLiteral("prentvel_"), suffix = QStringLiteral(".qm");
    const QStringList files = QDir(Folder).entryList({prefix + '*' + suffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes.append(file.mid(prefix.size()).chopped(suffix.size()));
    return codes;
}

QString nativeName(const QString& code)
{
    const std::unique_ptr<QTranslator> translation = programTranslation(code);
    const QString name = translation ? translation->translate(NameContext, NameSource) : QString();
    return name.isEmpty() ? QString::fromUtf8(NameSource) : name;
}

QString current()
{
    return state().current;
}

void use(const QString& code)
{
    State& s = state();
    QCoreApplication* app = QCoreApplication::instance();
    if (!s.memory) {
        s.memory = new SourceMemory;
        s.memory->setParent(app);
    }
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    const Retranslation texts(*s.memory, windows);
    {
        const LanguageChangeHold hold;

        s.current = code;
        QLocale::setDefault(localeFor(code));
        // Qt's own dialogs: no translation is needed for English, Qt's own language.
        if (s.qt) {
            QCoreApplication::removeTranslator(s.qt);
            delete s.qt;
            s.qt = nullptr;
        }
        auto* qt = new QTranslator(app);
        if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            s.qt = qt;
        } else {
            delete qt;
        }
        // The program's translator is installed last, so it is asked first.
        QCoreApplication::removeTranslator(s.memory);
        s.memory->setTranslation(programTranslation(code));
        QCoreApplication::installTranslator(s.memory);

        texts.apply();
    } // the windows hear of the new language here: at once, not at the next turn of the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (QWidget* window : windows) {
        TextRoom::fitWindow(window);
        if (QLayout* layout = window->layout()) {
            layout->invalidate();
            layout->activate();
        }
    }
}

}

void applyProgramLook(QApplication& app)
{
    Q_UNUSED(app);
    TextRoom::fitWindowsWhenShown();
    Translations::use(Language::chosen(Translations::available()));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
}
