#pragma once
// TColourSwatch: a colour panel of the design forms that a screen reader
// announces by its colour's name.

#include <QColor>
#include <QAbstractButton>
#include <QString>

// A panel showing a colour: as a flat swatch, or (with a gauge percentage
// of 0..100) as a vertical bar of the results graph in that colour, drawn by
// the score bar painter. It is a button to the keyboard and to screen
// readers: Tab reaches it, Space, Return or a click emits activated() (the
// colour dialog), its accessible name is the colour's name and its
// description what the colour is for.
class TColourSwatch : public QAbstractButton {
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
    QSize sizeHint() const override { return QSize(60, 30); }

private:
    QColor FColour = Qt::white;
    int FGauge = -1;
};
