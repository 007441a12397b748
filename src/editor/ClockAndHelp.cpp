#include "editor/ClockAndHelp.h"

#include "editor/CardLayouts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

const char* const SoftwarePageAddress = "https://www.debian.org/distrib/packages";
const char* const SecondSiteAddress = "https://nl.wikipedia.org/wiki/Prentbriefkaart";
const char* const SecondSiteCaption = QT_TRANSLATE_NOOP("Main", "Over Prentbriefkaarten");
const char* const DownloadPageAddress = "https://commons.wikimedia.org/wiki/Category:Postcards";

QString clockCaption(const QDateTime& now)
{
    return QStringLiteral(" ") + now.time().toString(QStringLiteral("H:mm:ss")) + QStringLiteral(" / ")
        + QLocale().toString(now.date(), QLocale::ShortFormat);
}

int cornerPictureForSecond(int second)
{
    const int step = second / 6;
    return step >= 0 && step <= 3 ? 10 + step : 0;
}

QString helpText()
{
    // One text, so that a translation may break its lines where its own words fall.
    const QString lines = QCoreApplication::translate(
        "Main",
        "  Welkom bij dit programma om zelf prentvellen te maken. Met dit softwarepakket\n"
        "  kunt u op eenvoudige wijze zelf prentvellen ontwerpen. Enkele voorbeelden\n"
        "  zijn o.a. kerstkaarten, uitnodigingskaarten voor een verjaardag, verhuisberichten of\n"
        "  gewoon een kaartje vanuit uw woonplaats. U hebt de keus uit 1 foto per kaart tot\n"
        "  9 verschillende foto's op één kaart. Wilt u zelf een kaart ontwerpen dan kan dat ook\n"
        "  door het tekenprogramma onderaan de layout in het menu te selecteren.\n"
        "  Om de prentvel te versturen kan de achterzijde worden bedrukt met adreslijnen\n"
        "  om de gegevens op te schrijven, zoals naam, adres van degene waarheen de kaart\n"
        "  moet worden verzonden. De standaard afmeting van de kaarten zijn 148 x 105 mm\n"
        "  Om een nieuwe kaart te maken gaat u als volg te werk zoals hieronder beschreven.\n"
        "\n"
        "        1. Kies eventueel een gekleurde achtergrond met het tekenprogramma\n"
        "        2. Selecteer een Layout in het bovenstaande menu\n"
        "        3. Open het aantal foto's dat geschikt is voor de geselecteerde Layout\n"
        "        4. Plaats een willekeurige tekst en bewerk de kaart met het Filtermenu\n"
        "        5. Print of save(opslaan) de gemaakte kaart op uw schijf");
    QString text;
    for (const QString& line : lines.split(QLatin1Char('\n')))
        text += line + QStringLiteral("\r\n");
    return text;
}

QString shownInformation(const QString& information)
{
    if (information.isEmpty())
        return information;
    for (int index : Layout::Entries)
        if (information == layoutInfoText(index))
            return shownLayoutInfoText(index);
    const QByteArray source = information.toUtf8();
    return QCoreApplication::translate("Main", source.constData());
}
