#include "platform/SharpPicture.h"

#include <QEvent>
#include <QPixmap>
#include <cmath>

namespace {

constexpr int DotsPerMeterAt96Dpi = 3780;

// Redraws its label's picture when the label paints at a ratio the picture
// was not drawn for.
class SharpPictureKeeper : public QObject {
public:
    explicit SharpPictureKeeper(QLabel* label) : QObject(label), label_(label)
    {
        label->installEventFilter(this);
    }

    void show(PictureAtRatio draw)
    {
        draw_ = std::move(draw);
        drawAt(label_->devicePixelRatioF());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint) {
            const qreal ratio = label_->devicePixelRatioF();
            if (ratio != drawnRatio_)
                drawAt(ratio);
        }
        return false;
    }

private:
    void drawAt(qreal ratio)
    {
        drawnRatio_ = ratio;
        label_->setPixmap(QPixmap::fromImage(draw_(ratio)));
    }

    QLabel* label_;
    PictureAtRatio draw_;
    qreal drawnRatio_ = 0;
};

}

QImage pictureCanvas(int width, int height, qreal ratio, QImage::Format format)
{
    QImage image(int(std::ceil(width * ratio)), int(std::ceil(height * ratio)), format);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    return image;
}

void showSharpPicture(QLabel* label, PictureAtRatio draw)
{
    SharpPictureKeeper* keeper = nullptr;
    for (QObject* child : label->children())
        if (auto* found = dynamic_cast<SharpPictureKeeper*>(child))
            keeper = found;
    if (!keeper)
        keeper = new SharpPictureKeeper(label);
    keeper->show(std::move(draw));
}
