#include "testdesign/colourswatch.h"

#include "runtime/scorebar.h"
#include "testdesign/designlook.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

TColourSwatch::TColourSwatch(const QString& meaning, QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, &TColourSwatch::activated);
    setMinimumSize(40, 24);
    setAccessibleDescription(PlainCaption(meaning));
    SetColour(FColour);
}

void TColourSwatch::SetColour(const QColor& colour)
{
    FColour = colour;
    // The text is not drawn; it names the colour for whoever asks.
    setText(ColourName(colour));
    setAccessibleName(ColourName(colour));
    setToolTip(ColourName(colour));
    update();
}

void TColourSwatch::SetGaugePercent(int percent)
{
    FGauge = percent;
    update();
}

void TColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    if (FGauge >= 0) {
        // The results graph: the bar in this colour, as the results window
        // draws it.
        painter.fillRect(rect(), palette().color(QPalette::Window));
        TScoreBarLook look;
        look.Orientation = Qt::Vertical;
        look.BackColor = Qt::white;
        look.ForeColor = FColour;
        const int w = qMin(inner.width(), inner.height() / 2);
        const QRect bar(inner.center().x() - w / 2, inner.top(), w, inner.height());
        PaintScoreBar(painter, bar, FGauge, 100, look);
    } else {
        painter.fillRect(inner, FColour);
    }
    if (FGauge < 0)
        qDrawShadePanel(&painter, rect(), palette(), true, 2);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TColourSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

