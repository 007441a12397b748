#include "addressbook/RecordSearch.h"

#include "addressbook/NearestLetters.h"

namespace RecordSearch {

int find(const QStringList& names, const QStringList& places, const QString& text, int from)
{
    const QString wanted = NearestLetters::folded(text.trimmed());
    const int count = int(names.size());
    if (wanted.isEmpty() || count == 0)
        return -1;
    from = (from >= 0 && from < count) ? from : 0;
    for (int step = 0; step < count; ++step) {
        const int k = (from + step) % count;
        if (NearestLetters::folded(names[k]).contains(wanted) || NearestLetters::folded(places.value(k)).contains(wanted))
            return k;
    }
    return -1;
}

}
