#include "platform/DrawnIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw)
{
    // One picture per common device pixel ratio, each drawn at that ratio; a
    // button or list takes the one that fits the ratio of its screen.
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0, 3.0}) {
        QPixmap picture(QSize(size, size) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        icon.addPixmap(picture);
    }
    return icon;
}
