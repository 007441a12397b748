#include "RecordingPage.h"
#include "common/TestRegistry.h"
#include "printing/PageBuilders.h"

#include <QtTest>

namespace {
// The day numbers of one month block, as (number, column, row) from its cells.
struct Day {
    int number, column, row;
    QColor color;
};

QList<Day> daysOfMonth(const RecordingPage& page, int month)
{
    const double x0 = 870 + 2505 * (month % 4);
    const double y0 = 8220 + 2580 * (month / 4);
    QList<Day> days;
    for (const auto& text : page.texts) {
        const double column = (text.x - x0 - 30) / 330;
        const double row = (text.y - y0 - 645) / 300;
        if (column >= 0 && column < 7 && row >= 0 && row < 6 && column == int(column) && row == int(row))
            days << Day{text.text.toInt(), int(column), int(row), text.color};
    }
    return days;
}
}

class EnvelopeCalendarTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void envelopeDrawsElevenShapesThenBothBoldTexts()
    {
        RecordingPage page;
        PrintEnvelop(page);
        QCOMPARE(page.shapes.size(), 11);
        QCOMPARE(page.shapes[0].kind, RecordingPage::Shape::Rectangle);
        QCOMPARE(page.shapes[1].y1, page.shapes[0].y2);  // the panels share the fold
        QCOMPARE(QLineF(page.shapes[4].x1, page.shapes[4].y1, page.shapes[4].x2, page.shapes[4].y2),
                 QLineF(30, 25, 175, 25));
        QCOMPARE(page.calls.indexOf("text"), page.calls.lastIndexOf("line") + 4);

        QCOMPARE(page.texts.size(), 2);
        QCOMPARE(page.texts[0].text, QStringLiteral("Binnenzijde"));
        QCOMPARE(page.texts[0].color, QColor(220, 220, 220));
        QCOMPARE(page.texts[0].pointSize, 24.0);
        QCOMPARE(QPointF(page.texts[1].x, page.texts[1].y), QPointF(20, 10));
        QCOMPARE(page.texts[1].color, QColor(100, 100, 100));
        QCOMPARE(page.texts[1].pointSize, 12.0);
        QVERIFY(page.texts[0].bold && page.texts[1].bold);
    }

    void yearsGetTheirGregorianFirstDayAndFebruary()
    {
        const int offsets[] = {2, 4, 5, 6, 0, 2, 3, 4, 5, 0, 1, 2, 3};
        for (int year = 2008; year <= 2020; ++year) {
            QCOMPARE(calendarYear(year).januaryOffset, offsets[year - 2008]);
            QCOMPARE(calendarYear(year).februaryDays, year % 4 == 0 ? 29 : 28);
        }
        QCOMPARE(calendarYear(2024).januaryOffset, 1);  // a Monday
        QCOMPARE(calendarYear(2100).februaryDays, 28);
        QCOMPARE(calendarYear(2000).februaryDays, 29);
    }

    void calendar2009PlacesTheMonthsWithoutGaps()
    {
        RecordingPage page;
        const QImage card(515, 365, QImage::Format_RGB32);
        PrintKalender(page, 2009, card);

        QCOMPARE(page.texts[0].text, QStringLiteral(" 2009"));
        QCOMPARE(QPointF(page.texts[0].x, page.texts[0].y), QPointF(5220, 450));
        QCOMPARE(page.texts[0].pointSize, 20.0);
        QCOMPARE(page.pictures.size(), 1);
        QCOMPARE(QRectF(page.pictures[0].x, page.pictures[0].y, page.pictures[0].width, page.pictures[0].height),
                 QRectF(900, 1050, 9800, 6600));
        // Frame, then per month box + rule + 7 name cells + 42 day cells, all as four lines.
        QCOMPARE(page.shapes.size(), 4 + 12 * (4 + 1 + 4 * 7 + 4 * 42));

        const QList<Day> january = daysOfMonth(page, 0);
        QCOMPARE(january.size(), 31);
        QCOMPARE(january[0].column, 4);
        QCOMPARE(january[0].color, QColor(100, 100, 100));
        QCOMPARE(january[2].color, QColor(190, 0, 0));  // 3 January, a Saturday
        const QList<Day> february = daysOfMonth(page, 1);
        QCOMPARE(february.size(), 28);
        QCOMPARE(february[0].column, 0);
        QCOMPARE(february[0].color, QColor(190, 0, 0));
        QCOMPARE(february.last().column, 6);
        QCOMPARE(daysOfMonth(page, 2)[0].column, 0);
        // May 2009 starts on a Friday: 31 days reach the sixth row.
        QCOMPARE(daysOfMonth(page, 4).last().row, 5);

        const auto monthName = std::find_if(page.texts.begin(), page.texts.end(),
                                            [](const auto& t) { return t.text.endsWith("Mei"); });
        QCOMPARE(monthName->text, QStringLiteral("      Mei"));
        QCOMPARE(QPointF(monthName->x, monthName->y), QPointF(870 + 630, 8220 + 2580 + 30));
        QCOMPARE(monthName->color, QColor(32, 32, 32));
        QCOMPARE(page.texts[2].text, QStringLiteral("Zo"));
        QCOMPARE(page.texts[2].color, QColor(0, 0, 200));
    }

    void leapYearsGiveFebruaryTwentyNineDays()
    {
        for (int year : {2012, 2016}) {
            RecordingPage page;
            PrintKalender(page, year, QImage());
            QCOMPARE(daysOfMonth(page, 1).size(), 29);
            QCOMPARE(daysOfMonth(page, 0)[0].column, year == 2012 ? 0 : 5);
        }
    }
};

PRENTVEL_TEST(EnvelopeCalendarTest)
#include "test_envelope_calendar.moc"
