#pragma once
// A layout that keeps every widget at the place it was designed for, inside a
// region of a designed size, and hands the room beyond that size to the
// widgets anchored to it: a widget may grow with the region's extra width or
// height, or move along with its right or bottom edge. Widgets may overlap,
// as designed. The designed size is the region's minimum.
#include <QLayout>
#include <QRect>
#include <vector>

class AnchoredLayout : public QLayout {
public:
    enum Anchor {
        Fixed = 0,
        GrowsWide = 1,      // takes the extra width
        GrowsHigh = 2,      // takes the extra height
        FollowsRight = 4,   // moves right by the extra width
        FollowsBottom = 8,  // moves down by the extra height
        Grows = GrowsWide | GrowsHigh,
    };

    // `designed` is the region's size the widgets' places were designed for.
    AnchoredLayout(QWidget* region, QSize designed);
    ~AnchoredLayout() override;

    // Keeps `widget` (a child of the region) at its present geometry at the
    // designed size, anchored by `anchors` (Anchor values, or-ed).
    void keep(QWidget* widget, int anchors);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& area) override;

    // Where a widget designed at `designed` stands in a region of `size`.
    static QRect placed(const QRect& designed, int anchors, QSize designedRegion, QSize size);

private:
    struct Kept {
        QLayoutItem* item;
        QRect designed;
        int anchors;
    };
    std::vector<Kept> kept_;
    QSize designed_;
};
