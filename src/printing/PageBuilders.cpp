#include "printing/PageBuilders.h"

QString printNumberText(long long number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}
