#include "editor/ClockAndHelp.h"

#include <QLocale>
#include <QStringList>

const char* const SoftwarePageAddress = "https://www.debian.org/distrib/packages";
const char* const SecondSiteAddress = "https://nl.wikipedia.org/wiki/Prentbriefkaart";
const char* const SecondSiteCaption = "Over Prentbriefkaarten";
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
    static const QStringList lines = {
        QStringLiteral("  Welkom bij dit programma om zelf prentvellen te maken. Met dit softwarepakket"),
        QStringLiteral("  kunt u op eenvoudige wijze zelf prentvellen ontwerpen. Enkele voorbeelden"),
        QStringLiteral("  zijn o.a. kerstkaarten, uitnodigingskaarten voor een verjaardag, verhuisberichten of"),
        QStringLiteral("  gewoon een kaartje vanuit uw woonplaats. U hebt de keus uit 1 foto per kaart tot"),
        QStringLiteral("  9 verschillende foto's op één kaart. Wilt u zelf een kaart ontwerpen dan kan dat ook"),
        QStringLiteral("  door het tekenprogramma onderaan de layout in het menu te selecteren."),
        QStringLiteral("  Om de prentvel te versturen kan de achterzijde worden bedrukt met adreslijnen"),
        QStringLiteral("  om de gegevens op te schrijven, zoals naam, adres van degene waarheen de kaart"),
        QStringLiteral("  moet worden verzonden. De standaard afmeting van de kaarten zijn 148 x 105 mm"),
        QStringLiteral("  Om een nieuwe kaart te maken gaat u als volg te werk zoals hieronder beschreven."),
        QString(),
        QStringLiteral("        1. Kies eventueel een gekleurde achtergrond met het tekenprogramma"),
        QStringLiteral("        2. Selecteer een Layout in het bovenstaande menu"),
        QStringLiteral("        3. Open het aantal foto's dat geschikt is voor de geselecteerde Layout"),
        QStringLiteral("        4. Plaats een willekeurige tekst en bewerk de kaart met het Filtermenu"),
        QStringLiteral("        5. Print of save(opslaan) de gemaakte kaart op uw schijf"),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
