#include "platform/tiledimage.h"

#include <QPainter>

TTiledImage::TTiledImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTiledImage::SetImage(const QImage& image)
{
    FImage = image;
    FTile = QPixmap::fromImage(image);
    update();
}

void TTiledImage::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (FTile.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawTiledPixmap(rect(), FTile);
}
