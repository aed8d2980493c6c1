#pragma once
// A widget that tiles one image over its whole area.

#include <QImage>
#include <QWidget>

class TTiledImage : public QWidget {
    Q_OBJECT
public:
    explicit TTiledImage(QWidget* parent = nullptr);
    void SetImage(const QImage& image);
    const QImage& Image() const { return FImage; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage FImage;
    QPixmap FTile;
};
