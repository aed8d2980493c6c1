#include "platform/tiledimage.h"

TTiledImage::TTiledImage(QWidget* parent) : TwiaTile(parent)
{
    // The tile covers the whole area, so nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}
