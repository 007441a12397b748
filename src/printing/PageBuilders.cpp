#include "printing/PageBuilders.h"

QString printNumberText(long long number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

void PrintKnipLijnen(PrinterPage&) {}
void PrintTweeKaarten(PrinterPage&, const QImage&) {}
void PrintAdresZijden(PrinterPage&, const QImage&, const std::optional<AddressBook>&, const QString&, const QString&) {}
void PrintDubbelLiggend(PrinterPage&, const QImage&, const QImage&) {}
void PrintDubbelStaand(PrinterPage&, const QImage&, const QImage&) {}
void PrintEnvelop(PrinterPage&) {}
void PrintKalender(PrinterPage&, int, const QImage&) {}
void PrintKader(PrinterPage&, double, double, double, double) {}
CalendarYear calendarYear(int) { return {}; }
PrintResult PrintAdresLijst(PrinterPage&, const std::optional<AddressBook>&) { return {}; }
PrintResult PrintEtiketten(PrinterPage&, const std::optional<AddressBook>&, const LabelSettings&) { return {}; }
