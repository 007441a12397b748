#pragma once
// A layout that keeps every child at its designed rectangle, so that controls
// may overlap as designed. When the layout gets more room than its designed
// size, each child follows the extra room as its rule says: it grows with the
// extra width or height, or moves along with the right or bottom edge.
// Children may be widgets or other designed layouts (regions of one window).
#include <QLayout>
#include <QList>
#include <QRect>

class DesignedLayout : public QLayout {
public:
    enum Follow {
        Stay = 0,
        GrowWidth = 1,
        GrowHeight = 2,
        Grow = GrowWidth | GrowHeight,
        MoveRight = 4,
        MoveDown = 8,
    };

    // `designed` is the room the children are designed in, in the coordinates
    // of the widget the children belong to. A layout set on a widget lays out
    // the widget's whole rectangle, frame and margins included.
    explicit DesignedLayout(const QRect& designed, QWidget* parent = nullptr);
    ~DesignedLayout() override;

    // The widget's designed rectangle is the one it has now.
    void addWidget(QWidget* widget, int follow);
    // A region: its designed room is the rectangle it was made with.
    void addRegion(DesignedLayout* region, int follow);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& room) override;

private:
    struct Child {
        QLayoutItem* item;
        QRect designed;
        int follow;
    };
    void add(QLayoutItem* item, const QRect& designed, int follow);
    // Where a child designed at `rect` stands when the room is `room`.
    QRect placed(const QRect& rect, int follow, const QRect& room) const;

    QRect designed_;
    QList<Child> children_;
};
