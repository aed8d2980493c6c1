#pragma once
// TwiaTile: repeats one bitmap as wallpaper over the whole control, from the
// top-left corner, the last column and row clipped. Used by every screen
// with a wallpaper background (the main window, the run-time displays, the
// backdrop behind a test run, their previews and the adjustment windows).
//
// With Transparent set, the pixels of the bitmap's transparent colour
// (TranColor: the colour of its bottom-left pixel) let whatever lies behind
// the control show through. With no bitmap the control paints nothing, so
// its parent's background shows.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class TwiaTile : public QWidget {
    Q_OBJECT
public:
    explicit TwiaTile(QWidget* parent = nullptr);

    // The bitmap; setting it updates TranColor, the mask and the control.
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    // Loads a bitmap file (through LoadPicture); throws EQuendraError.
    void LoadFromFile(const QString& file);
    void ClearImage() { SetImage(QImage()); }
    bool HasImage() const { return FImage.width() > 0 && FImage.height() > 0; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    QColor TranColor() const { return FTranColor; }

    // The tile as it is painted (with its mask applied when transparent).
    const QPixmap& Tile() const { return FTile; }

    QSize sizeHint() const override { return QSize(64, 64); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ImageChanged();
    QImage FImage;
    QPixmap FTile;
    bool FTransparent = false;
    QColor FTranColor;
};
