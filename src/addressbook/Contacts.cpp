#include "addressbook/Contacts.h"

#include "addressbook/AddressBookLimits.h"
#include "addressbook/ContactText.h"
#include "addressbook/CsvContacts.h"
#include "addressbook/VCardContacts.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

struct ContactsText {
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};

bool isVCardName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard");
}

}

namespace Contacts {

ContactImport importFile(const QString& path)
{
    // Only a plain file: a FIFO or a device could block or never end.
    const QFileInfo info(path);
    if (!info.isFile())
        return ContactText::failure(ContactsText::tr("\"%1\" is geen bestand dat gelezen kan worden.").arg(info.fileName()));
    if (info.size() > AddressBookLimits::MaxFileBytes)
        return ContactText::failure(ContactText::tooLarge());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ContactText::failure(ContactsText::tr("Het bestand \"%1\" kan niet worden geopend.").arg(info.fileName()));
    // One byte more than allowed, so a file that grew since is still refused.
    const QByteArray bytes = file.read(AddressBookLimits::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return ContactText::failure(ContactsText::tr("Het bestand \"%1\" kan niet worden gelezen.").arg(info.fileName()));

    const QString suffix = info.suffix().toLower();
    const bool vCard = isVCardName(path) || (suffix != QLatin1String("csv") && VCardContacts::looksLikeVCard(bytes));
    return vCard ? VCardContacts::read(bytes) : CsvContacts::read(bytes);
}

bool exportFile(const QList<AddressRecord>& records, const QString& path)
{
    return writeFileAtomically(path, isVCardName(path) ? VCardContacts::write(records) : CsvContacts::write(records));
}

}
