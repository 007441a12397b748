#include "platform/Rounding.h"

long long probe()
{
    return roundHalfEven(2.5);
}
