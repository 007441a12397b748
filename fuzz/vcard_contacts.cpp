// Feeds arbitrary bytes to the vCard contact reader; what it reads must come
// back unchanged through the vCard writer.
#include "addressbook/VCardContacts.h"
#include "contact_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ContactChecks::check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), VCardContacts::read,
                         VCardContacts::write);
    return 0;
}
