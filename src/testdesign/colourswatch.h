#pragma once
// TColourSwatch: a colour panel of the design forms that a screen reader
// announces by its colour's name.

#include <QColor>
#include <QFrame>
#include <QString>

// A panel showing a colour: as a flat swatch, or (with a gauge percentage
// of 0..100) as a vertical bar of the results graph in that colour, drawn by
// the score bar painter. It takes the focus with Tab; Space or Return
// emits activated(). Its accessible name is the colour's name, its
// description what the colour is for.
class TColourSwatch : public QFrame {
    Q_OBJECT
public:
    TColourSwatch(const QString& meaning, QWidget* parent = nullptr);
    void SetColour(const QColor& colour);
    QColor Colour() const { return FColour; }
    void SetGaugePercent(int percent);

Q_SIGNALS:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor FColour = Qt::white;
    int FGauge = -1;
};
