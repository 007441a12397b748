#pragma once
// A printer page that records what the page builders draw, for tests.
#include "printing/PrinterPage.h"

#include <QList>
#include <QMarginsF>

class RecordingPage : public PrinterPage {
public:
    struct Text {
        QString text;
        double x, y;
        QString font;
        double pointSize;
        bool bold;
        QColor color;
        int page;
        bool transparent;
    };
    struct Shape {
        enum Kind { Line, Rectangle } kind;
        double x1, y1, x2, y2;
        QColor color;
        int page;
    };
    struct Picture {
        QImage image;
        double x, y, width, height;
        int page;
    };

    QList<Text> texts;
    QList<Shape> shapes;
    QList<Picture> pictures;
    QList<QString> calls;   // every call in order: "unit", "text", "line", ...
    Unit unit = Unit::Millimetres;
    int copies = 1;
    int page = 0;           // index of the current page, counted over all jobs
    bool ended = false;
    // Two-sided jobs: what the page answers, and what it was asked.
    QMarginsF margins;                 // paperMargins()
    bool takesBothSides = false;       // printBothSides() answer
    int failingJobs = 0;               // the first jobs that fail
    int jobs = 1;                      // jobs started so far
    QList<bool> askedBothSides;        // landscape, each time printBothSides was asked
    QList<int> firstPageOfJob{0};

    QMarginsF paperMargins() const override { return margins; }
    bool printBothSides(bool landscape) override { askedBothSides << landscape; return takesBothSides; }
    bool failed() const override { return jobs <= failingJobs; }
    bool startAnotherJob() override { ++jobs; firstPageOfJob << ++page; calls << "job"; return true; }

    void setUnit(Unit u) override { unit = u; calls << "unit"; }
    void setCopies(int c) override { copies = c; calls << "copies"; }
    void setFont(const QString& name, double size, bool b) override
    {
        font_ = name; size_ = size; bold_ = b;
        calls << "font";
    }
    void setTextColor(const QColor& c) override { color_ = c; calls << "color"; }
    void setPosition(double x, double y) override { x_ = x; y_ = y; calls << "position"; }
    void printText(const QString& text) override
    {
        texts << Text{text, x_, y_, font_, size_, bold_, color_, page, transparent_};
        calls << "text";
    }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        shapes << Shape{Shape::Line, x1, y1, x2, y2, c, page};
        calls << "line";
    }
    void drawRectangle(double x1, double y1, double x2, double y2, const QColor& c) override
    {
        shapes << Shape{Shape::Rectangle, x1, y1, x2, y2, c, page};
        calls << "rectangle";
    }
    void drawPicture(const QImage& image, double x, double y, double w, double h) override
    {
        pictures << Picture{image, x, y, w, h, page};
        calls << "picture";
    }
    void setTransparentTextBackground() override { transparent_ = true; calls << "transparent"; }
    void newPage() override { ++page; calls << "page"; }
    void endDocument() override { ended = true; calls << "end"; }

    // The texts printed on one page, in order.
    QList<Text> textsOnPage(int p) const
    {
        QList<Text> result;
        for (const Text& t : texts)
            if (t.page == p)
                result << t;
        return result;
    }

private:
    QString font_;
    double size_ = 0;
    bool bold_ = false;
    QColor color_ = Qt::black;
    double x_ = 0, y_ = 0;
    bool transparent_ = false;
};
