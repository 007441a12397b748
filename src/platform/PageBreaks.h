#pragma once
// Keeps headings and table heads with what follows them on a printed page.
#include <QList>

class QTextDocument;

// In a document that is already paged (it has a page size), gives every
// heading that would stand at the foot of a page without the text after it,
// and every table whose first row would stand there alone, a page break
// before it. Returns the numbers of the blocks that got one, in order.
QList<int> keepHeadingsWithNext(QTextDocument& paged);

// Sets a page break before block `blockNumber`, or before the table that block
// opens: to carry breaks found on a paged copy over to the document itself.
void breakBefore(QTextDocument& document, int blockNumber);
