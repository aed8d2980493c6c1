#include "testdesign/colourswatch.h"

#include "runtime/scorebar.h"
#include "testdesign/designlook.h"

#include <QKeyEvent>
#include <QPainter>

TColourSwatch::TColourSwatch(const QString& meaning, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(40, 24);
    setAccessibleDescription(PlainCaption(meaning));
    SetColour(FColour);
}

void TColourSwatch::SetColour(const QColor& colour)
{
    FColour = colour;
    setAccessibleName(ColourName(colour));
    setToolTip(ColourName(colour));
    update();
}

void TColourSwatch::SetGaugePercent(int percent)
{
    FGauge = percent;
    update();
}

void TColourSwatch::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inner = contentsRect();
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
    painter.end();
    QFrame::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TColourSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT activated();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TColourSwatch::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    Q_EMIT activated();
}

