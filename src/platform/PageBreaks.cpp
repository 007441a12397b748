#include "platform/PageBreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

namespace {

// The page of the block's first line: a line that does not fit is moved down
// to the next page inside its block, so the block itself may start higher.
int pageOf(QTextDocument& paged, const QTextBlock& block)
{
    paged.pageCount(); // lays the whole document out; it is laid out lazily otherwise
    qreal top = paged.documentLayout()->blockBoundingRect(block).top();
    if (block.layout() && block.layout()->lineCount() > 0)
        top += block.layout()->lineAt(0).y();
    return int(top / paged.pageSize().height());
}

// The table whose first cell begins with `block`, if any.
QTextTable* tableOpenedBy(const QTextBlock& block)
{
    QTextTable* table = QTextCursor(block).currentTable();
    if (table && table->cellAt(0, 0).firstCursorPosition().block() == block)
        return table;
    return nullptr;
}

bool hasBreakBefore(const QTextBlock& block)
{
    if (QTextTable* table = tableOpenedBy(block))
        return table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

}

void breakBefore(QTextDocument& document, int blockNumber)
{
    const QTextBlock block = document.findBlockByNumber(blockNumber);
    if (!block.isValid())
        return;
    if (QTextTable* table = tableOpenedBy(block)) {
        QTextTableFormat format = table->format();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        return;
    }
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
}

QList<int> keepHeadingsWithNext(QTextDocument& paged)
{
    QList<int> breaks;
    if (paged.pageSize().height() <= 0)
        return breaks;
    // In document order: each break moves everything after it, so later
    // blocks are measured on the layout that already holds the earlier breaks.
    for (QTextBlock block = paged.begin(); block.isValid(); block = block.next()) {
        QTextBlock follower = block.next();
        const QTextTable* table = tableOpenedBy(block);
        if (table && table->rows() > 1)
            follower = table->cellAt(1, 0).firstCursorPosition().block();
        else if (block.blockFormat().headingLevel() == 0)
            continue;
        if (!follower.isValid() || hasBreakBefore(block) || pageOf(paged, block) == pageOf(paged, follower))
            continue;
        breakBefore(paged, block.blockNumber());
        breaks << block.blockNumber();
    }
    return breaks;
}
