#include "platform/wiatile.h"

#include "platform/pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
const int MinTileSide = 64;
}

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
    QImage tile = FImage;
    if (FTransparent && HasImage()) {
        // Pixels of the transparent colour become see-through; drawing the
        // masked tile once replaces the two raster operations per tile.
        tile = FImage.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = FTranColor.rgb();
        for (int y = 0; y < tile.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int x = 0; x < tile.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == (key & 0xFFFFFFu))
                    line[x] = 0;
        }
    }
    // A small bitmap is repeated into a larger tile first, so that a big
    // screen takes a few hundred copies instead of tens of thousands; the
    // pattern stays anchored at the top-left corner.
    if (HasImage() && (tile.width() < MinTileSide || tile.height() < MinTileSide)) {
        const int w = tile.width() * ((MinTileSide + tile.width() - 1) / tile.width());
        const int h = tile.height() * ((MinTileSide + tile.height() - 1) / tile.height());
        QImage big(w, h, tile.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        big.fill(Qt::transparent);
        QPainter p(&big);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawTiledPixmap(big.rect(), QPixmap::fromImage(tile));
        p.end();
        tile = big;
    }
    FTile = HasImage() ? QPixmap::fromImage(tile) : QPixmap();
    // Opaque tiles cover the whole control: nothing behind needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, HasImage() && !FTransparent && !FImage.hasAlphaChannel());
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
