#pragma once
// The main window's wallpaper: the tiled-wallpaper control TwiaTile under
// the name the main window knows it by.

#include "platform/wiatile.h"

class TTiledImage : public TwiaTile {
    Q_OBJECT
public:
    explicit TTiledImage(QWidget* parent = nullptr);
};
