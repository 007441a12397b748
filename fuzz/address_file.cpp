// Feeds arbitrary bytes to the address file reader. Whatever it reads must be
// written and read back unchanged, and the written bytes must be stable.
#include "addressbook/AddressFileFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool sameBook(const AddressBook& a, const AddressBook& b)
{
    if (a.senderLine != b.senderLine || a.records.size() != b.records.size())
        return false;
    for (qsizetype k = 0; k < a.records.size(); ++k) {
        const AddressRecord& x = a.records[k];
        const AddressRecord& y = b.records[k];
        if (x.naam != y.naam || x.adres != y.adres || x.postcodeWoonplaats != y.postcodeWoonplaats || x.land != y.land)
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<AddressBook> book = AddressFileFormat::parse(bytes);
    if (!book)
        return 0;
    const QByteArray written = AddressFileFormat::format(*book);
    const std::optional<AddressBook> again = AddressFileFormat::parse(written);
    if (!again || !sameBook(*book, *again) || AddressFileFormat::format(*again) != written)
        std::abort();
    return 0;
}
