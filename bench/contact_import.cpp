// Importing 10,000 contacts from a CSV and a vCard file, each with what the
// window then does (letter replacement and duplicate check against a book of
// 10,000 addresses). The goal is well under one second.
#include "addressbook/Contacts.h"
#include "addressbook/ImportPlan.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int contactCount = 10000;

QList<AddressRecord> sampleRecords(const QString& prefix)
{
    QList<AddressRecord> records;
    for (int k = 0; k < contactCount; ++k) {
        records.append({QStringLiteral("%1 Łukasz Nowak-Jansen %2").arg(prefix).arg(k),
                        QStringLiteral("Dorpsstraat %1, achterhuis \"De Linde\"").arg(k),
                        QStringLiteral("%1 GV Amsterdam").arg(1000 + k % 9000), QStringLiteral("Nederland")});
    }
    return records;
}

void importContacts(benchmark::State& state, const char* fileName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(fileName));
    Contacts::exportFile(sampleRecords(QStringLiteral("Nieuw")), path);
    const AddressBook book{QStringLiteral("Afzender"), sampleRecords(QStringLiteral("Oud"))};
    for (auto _ : state) {
        const ContactImport imported = Contacts::importFile(path);
        const ImportPlan::Plan plan = ImportPlan::make(book, imported);
        if (plan.toAdd.size() != contactCount)
            state.SkipWithError("not every contact was read");
        benchmark::DoNotOptimize(plan);
    }
}

}

BENCHMARK_CAPTURE(importContacts, csv, "contacten.csv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importContacts, vcard, "contacten.vcf")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
