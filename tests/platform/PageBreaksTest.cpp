// Headings and table heads stay with what follows them on a printed page.
#include "common/TestRegistry.h"
#include "platform/PageBreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

namespace {

int pageOf(QTextDocument& doc, const QTextBlock& block)
{
    doc.pageCount();
    const qreal top = doc.documentLayout()->blockBoundingRect(block).top() + block.layout()->lineAt(0).y();
    return int(top / doc.pageSize().height());
}

// `lines` short paragraphs, then `tail`, on small pages.
std::unique_ptr<QTextDocument> paged(int lines, const QString& tail)
{
    QString html;
    for (int n = 0; n < lines; ++n)
        html += QStringLiteral("<p>Regel %1</p>").arg(n);
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(html + tail);
    doc->setPageSize(QSizeF(300, 400));
    return doc;
}

QTextBlock blockWithText(QTextDocument& doc, const QString& text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (block.text() == text)
            return block;
    return {};
}

}

class PageBreaksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headingsAndTableHeadsMoveToTheNextPage_data()
    {
        QTest::addColumn<QString>("tail");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("follower");
        QTest::newRow("heading") << "<h2>Kop</h2><p>Tekst onder de kop</p>" << "Kop" << "Tekst onder de kop";
        QTest::newRow("table") << "<table><tr><th>Kop</th></tr><tr><td>Eerste rij</td></tr><tr><td>Tweede</td></tr></table>"
                               << "Kop" << "Eerste rij";
    }
    void headingsAndTableHeadsMoveToTheNextPage()
    {
        QFETCH(QString, tail);
        QFETCH(QString, head);
        QFETCH(QString, follower);
        // Find a length of text before it that leaves the head alone at a page foot.
        for (int lines = 1; lines < 60; ++lines) {
            auto doc = paged(lines, tail);
            if (pageOf(*doc, blockWithText(*doc, head)) == pageOf(*doc, blockWithText(*doc, follower)))
                continue;
            const QList<int> breaks = keepHeadingsWithNext(*doc);
            QCOMPARE(breaks, QList<int>{blockWithText(*doc, head).blockNumber()});
            const int page = pageOf(*doc, blockWithText(*doc, head));
            QCOMPARE(pageOf(*doc, blockWithText(*doc, follower)), page);
            QCOMPARE(page, 1);
            // The same break carried over to an unpaged copy.
            auto fresh = paged(lines, tail);
            breakBefore(*fresh, breaks.first());
            QCOMPARE(pageOf(*fresh, blockWithText(*fresh, head)), 1);
            QVERIFY(keepHeadingsWithNext(*fresh).isEmpty());
            return;
        }
        QFAIL("the head never stood alone at a page foot");
    }
};

PRENTVEL_TEST(PageBreaksTest)
#include "PageBreaksTest.moc"
