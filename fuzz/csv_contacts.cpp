// Feeds arbitrary bytes to the CSV contact reader; what it reads must come back
// unchanged through the CSV writer.
#include "addressbook/CsvContacts.h"
#include "contact_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ContactChecks::check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), CsvContacts::read,
                         CsvContacts::write);
    return 0;
}
