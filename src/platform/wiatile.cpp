#include "platform/wiatile.h"

#include "platform/pictures.h"

#include <QBitmap>
#include <QPaintEvent>
#include <QPainter>

TwiaTile::TwiaTile(QWidget* parent) : QWidget(parent)
{
    resize(64, 64);
}

void TwiaTile::SetImage(const QImage& image)
{
    FImage = image;
    ImageChanged();
}

void TwiaTile::LoadFromFile(const QString& file) { SetImage(LoadPicture(file)); }

void TwiaTile::SetTransparent(bool transparent)
{
    if (FTransparent == transparent)
        return;
    FTransparent = transparent;
    ImageChanged();
}

void TwiaTile::ImageChanged()
{
    FTranColor = HasImage() ? FImage.pixelColor(0, FImage.height() - 1) : QColor();
    FTile = HasImage() ? QPixmap::fromImage(FImage) : QPixmap();
    if (FTransparent && HasImage()) {
        // Pixels of the transparent colour become see-through; drawing the
        // masked tile once replaces the two raster operations per tile.
        FTile.setMask(QBitmap::fromImage(
            FImage.createMaskFromColor(FTranColor.rgb(), Qt::MaskInColor)));
    }
    update();
}

void TwiaTile::paintEvent(QPaintEvent* event)
{
    if (FTile.isNull())
        return;
    QPainter painter(this);
    // The tiles stay anchored at the control's top-left corner whatever part
    // is repainted.
    painter.setClipRegion(event->region());
    painter.drawTiledPixmap(rect(), FTile);
}
