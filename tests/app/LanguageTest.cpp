// The program in English and back in Dutch: the language the system asks for,
// every window's texts translated, captions with room enough, and the Dutch
// texts and layout exactly as they were.
#include "addressbook/Dataform.h"
#include "app/Main.h"
#include "app/OverPrentvel.h"
#include "app/Titel.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "drawing/Config.h"
#include "drawing/ColorKeuzeWindow.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Language.h"
#include "platform/Retranslation.h"
#include "platform/Settings.h"
#include "platform/TextRoom.h"
#include "platform/Translations.h"
#include "printing/Afdrukken.h"
#include "printing/PrintModes.h"
#include "printing/PrintSettings.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

namespace {

// Words that read the same in both languages, and names.
const QSet<QString> SameInBoth = {
    "help", "print", "layout", "tools", "spray", "prentvel", "pdf", "jpg", "jpeg", "png", "bmp", "gif", "tiff",
    "heic", "heif", "avif", "webp", "wmf", "csv", "vcard", "cups", "a4", "a6", "mm", "cm", "dpi", "ok", "nederlands",
    "english", "taal", "language", "x", "rgb", "cmyk", "windows", "linux",
};

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words;
    for (const QString& word : text.toLower().split(nonLetters, Qt::SkipEmptyParts))
        if (word.size() > 1)
            words.append(word);
    return words;
}

struct Entry {
    QString context;
    QString source;
    QString translation; // numerus forms joined by spaces
    bool numerus = false;
};

QList<Entry> translationEntries()
{
    QFile file(QStringLiteral(PRENTVEL_SOURCE_DIR "/translations/prentvel_en.ts"));
    QList<Entry> entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.append({context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        else if (xml.name() == QLatin1String("source") && !entries.isEmpty())
            entries.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !entries.isEmpty())
            entries.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return entries;
}

// The Dutch words of the translation file: in some source text, in no
// translation, and not the same in both languages.
QSet<QString> dutchWords()
{
    QSet<QString> sources, translations;
    for (const Entry& entry : translationEntries()) {
        for (const QString& word : wordsOf(entry.source))
            sources.insert(word);
        for (const QString& word : wordsOf(entry.translation))
            translations.insert(word);
    }
    return sources - translations - SameInBoth;
}

struct ShownText {
    QString where;
    QString text;
    bool operator==(const ShownText& other) const { return where == other.where && text == other.text; }
};

QString placeOf(QObject* object, const QByteArray& slot)
{
    QStringList path;
    for (QObject* o = object; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
    return path.join('/') + ':' + QString::fromLatin1(slot);
}

QList<ShownText> textsOf(QWidget* window)
{
    QList<QObject*> objects = window->findChildren<QObject*>();
    objects.prepend(window);
    QList<ShownText> texts;
    for (QObject* object : std::as_const(objects))
        if (object->objectName() != QLatin1String("KlokLabel")) // the clock moves on meanwhile
            for (const TextSlot& slot : textSlots(object))
                texts.append({placeOf(object, slot.name), slot.shown});
    return texts;
}

// Every control's place and size, to show the layout is the designed one.
QList<ShownText> geometriesOf(QWidget* window)
{
    QList<ShownText> places;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QRect r = widget->geometry();
        places.append({placeOf(widget, "geometry"), QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())});
    }
    return places;
}

// Captions without the room to show them whole.
QStringList cutOff(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window) && TextRoom::neededWidth(widget) > widget->width())
            cut.append(QStringLiteral("%1 needs %2, has %3")
                           .arg(placeOf(widget, "text"))
                           .arg(TextRoom::neededWidth(widget))
                           .arg(widget->width()));
    return cut;
}

}

class LanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // Opens each window of the program in turn, in the language spoken now;
    // the print window once in each mode, with both sides and without.
    void visitWindows(const std::function<void(QWidget*)>& visit)
    {
        ScriptedDialogs dialogs;
        const auto show = [&visit](QWidget& window) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            visit(&window);
        };
        {
            Titel start;
            show(start);
        }
        {
            OverPrentvel about;
            show(about);
        }
        EditorState state;
        {
            Config config(state);
            show(config);
        }
        {
            Rgb colour{};
            ColorKeuze palette(colour);
            show(palette);
        }
        {
            Dataform book(nullptr, dir.filePath(QStringLiteral("Adressen.cat")));
            show(book);
        }
        PrintSettings settings;
        {
            Printmarges margins(settings);
            show(margins);
        }
        CardSurface card;
        SessionPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        Afdrukken print(state, settings, card, printer, [] { return std::optional<AddressBook>(); });
        print.show();
        QVERIFY(QTest::qWaitForWindowExposed(&print));
        for (int mode = PrintMode::First; mode <= PrintMode::Last; ++mode) {
            print.VScroll1->setValue(mode);
            for (bool bothSides : {false, true}) {
                if (bothSides && !print.CheckDubbelzijdig->isVisibleTo(&print))
                    continue;
                print.CheckDubbelzijdig->setChecked(bothSides);
                visit(&print);
            }
        }
    }

private Q_SLOTS:
    void init() { Translations::use(Language::Dutch); }
    void cleanup() { Translations::use(Language::Dutch); }

    void followsTheSystemsLanguage_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("nothing set") << "" << "" << "" << "nl";
        QTest::newRow("C") << "" << "C" << "en" << "nl";
        QTest::newRow("C.UTF-8") << "C.UTF-8" << "en_GB.UTF-8" << "" << "nl";
        QTest::newRow("POSIX") << "" << "POSIX" << "" << "nl";
        QTest::newRow("Dutch") << "" << "nl_NL.UTF-8" << "" << "nl";
        QTest::newRow("Flemish") << "" << "nl_BE.UTF-8@euro" << "" << "nl";
        QTest::newRow("Frisian") << "" << "fy_NL.UTF-8" << "" << "nl";
        QTest::newRow("English") << "" << "en_US.UTF-8" << "" << "en";
        QTest::newRow("German") << "" << "de_DE.UTF-8" << "" << "en";
        QTest::newRow("LC_ALL wins") << "nl_NL.UTF-8" << "en_GB.UTF-8" << "" << "nl";
        QTest::newRow("first the program has") << "" << "de_DE.UTF-8" << "de:nl:en" << "nl";
        QTest::newRow("English before Dutch") << "" << "nl_NL.UTF-8" << "en_GB:nl" << "en";
    }
    void followsTheSystemsLanguage()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(QString, spoken);
        QCOMPARE(Language::forEnvironment({lcAll, QString(), lang, language}, {"nl", "en"}), spoken);
    }

    void theChoiceUnderHelpIsRememberedAndTakesEffectAtOnce()
    {
        TemporarySettings remembered;
        Main main;
        QCOMPARE(Translations::available(), QStringList({"nl", "en"}));
        auto* english = main.findChild<QAction*>(QStringLiteral("TaalEnglish"));
        auto* dutch = main.findChild<QAction*>(QStringLiteral("TaalNederlands"));
        QVERIFY(english && dutch && dutch->isChecked());
        QCOMPARE(main.findChild<QAction*>(QStringLiteral("HelpTaal"))->text(), QString("Taal / Language"));
        english->trigger();
        QCOMPARE(Translations::current(), QString("en"));
        QCOMPARE(Settings::language(), QString("en"));
        QCOMPARE(Language::chosen(Translations::available()), QString("en"));
        QCOMPARE(main.FileNieuw->text(), QString("New"));
        // Qt's own dialogs follow.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
        QVERIFY(english->isChecked());
        QCOMPARE(english->text(), QString("English"));
        QCOMPARE(dutch->text(), QString("Nederlands"));
        dutch->trigger();
        QCOMPARE(main.FileNieuw->text(), QString("Nieuw"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuleren"));
        QCOMPARE(Settings::language(), QString("nl"));
    }

    // An open window is switched by tracing each English text back to its
    // Dutch source, which must be one source per window's context.
    void eachTranslationLeadsBackToOneSource()
    {
        QHash<QString, QString> sourceOf;
        QStringList clashes;
        for (const Entry& entry : translationEntries()) {
            if (entry.numerus)
                continue;
            const QString key = entry.context + QLatin1Char('|') + entry.translation;
            const auto known = sourceOf.constFind(key);
            if (known != sourceOf.cend() && *known != entry.source)
                clashes.append(QStringLiteral("%1: \"%2\" and \"%3\" both give \"%4\"")
                                   .arg(entry.context, *known, entry.source, entry.translation));
            sourceOf.insert(key, entry.source);
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }

    // The main window switches while open; every other window opens in English.
    void noDutchIsLeftInEnglish()
    {
        const QSet<QString> dutch = dutchWords();
        QVERIFY2(dutch.size() > 200, "the translation file is missing or nearly empty");
        QStringList left;
        const auto check = [&](QWidget* window) {
            for (const ShownText& shown : textsOf(window))
                for (const QString& word : wordsOf(shown.text))
                    if (dutch.contains(word)) {
                        left.append(QStringLiteral("%1 \"%2\"").arg(shown.where, shown.text));
                        break;
                    }
        };
        TemporarySettings remembered;
        Main main;
        main.show();
        Translations::use(Language::English);
        main.HelpHelp->trigger(); // the help text shows instead of the card
        check(&main);
        visitWindows(check);
        left.removeDuplicates();
        QVERIFY2(left.isEmpty(), qPrintable("Dutch left in English:\n" + left.join('\n')));
    }

    void dutchComesBackExactly()
    {
        TemporarySettings remembered;
        Main main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QList<ShownText> texts = textsOf(&main);
        const QList<ShownText> places = geometriesOf(&main);
        Translations::use(Language::English);
        QVERIFY(textsOf(&main) != texts);
        Translations::use(Language::Dutch);
        const QList<ShownText> textsAfter = textsOf(&main);
        for (const ShownText& shown : textsAfter)
            QVERIFY2(texts.contains(shown), qPrintable(shown.where + " \"" + shown.text + "\" is new"));
        QCOMPARE(textsAfter, texts);
        const QList<ShownText> placesAfter = geometriesOf(&main);
        QCOMPARE(placesAfter.size(), places.size());
        for (int i = 0; i < places.size(); ++i)
            QVERIFY2(placesAfter.at(i) == places.at(i), qPrintable(placesAfter.at(i).where + ' ' + placesAfter.at(i).text
                                                                   + " was " + places.at(i).text));
    }

    // In Dutch every caption fits its designed room; in English the controls
    // that need it have grown, and no caption is cut off.
    void everyCaptionHasItsRoom()
    {
        TemporarySettings remembered;
        for (const QString& language : {Language::Dutch, Language::English}) {
            Translations::use(language);
            QStringList cut;
            const auto check = [&cut](QWidget* window) { cut += cutOff(window); };
            Main main;
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            check(&main);
            visitWindows(check);
            cut.removeDuplicates();
            QVERIFY2(cut.isEmpty(), qPrintable(language + ":\n" + cut.join('\n')));
        }
    }
};

PRENTVEL_TEST(LanguageTest)
#include "LanguageTest.moc"
