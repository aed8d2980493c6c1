#include "runtime/scorebar.h"

#include <QAccessible>
#include <QPainter>

int ScoreBarPercent(int progress, int maximum)
{
    if (maximum <= 0)
        return 0;
    const qint64 p = qint64(progress) * 100 / maximum;
    return int(p < 0 ? 0 : p > 100 ? 100 : p);
}

void PaintScoreBar(QPainter& painter, const QRect& rect, int progress, int maximum,
                   const TScoreBarLook& look)
{
    painter.save();
    // A sunken two-pixel frame, as gauges are drawn on the desktop.
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    painter.fillRect(inner, look.BackColor);

    const int percent = ScoreBarPercent(progress, maximum);
    QRect filled = inner;
    if (look.Orientation == Qt::Horizontal) {
        filled.setWidth(inner.width() * percent / 100);
    } else {
        const int h = inner.height() * percent / 100;
        filled.setTop(inner.bottom() - h + 1);
    }
    if (percent > 0)
        painter.fillRect(filled, look.ForeColor);

    if (look.ShowText) {
        const QString text = QStringLiteral("%1%").arg(percent);
        // The text takes the fill colour over the background and the
        // background colour over the fill, so it reads over both.
        painter.setClipRect(inner);
        painter.setPen(look.ForeColor);
        painter.drawText(inner, Qt::AlignCenter, text);
        if (percent > 0) {
            painter.setClipRect(filled);
            painter.setPen(look.BackColor);
            painter.drawText(inner, Qt::AlignCenter, text);
        }
    }
    painter.restore();
}

TScoreBar::TScoreBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Changed();
}

void TScoreBar::SetMaxValue(int value) { FMax = value; Changed(); }
void TScoreBar::SetProgress(int value) { FProgress = value; Changed(); }
void TScoreBar::SetLook(const TScoreBarLook& look) { FLook = look; Changed(); }
void TScoreBar::SetBackColor(const QColor& color) { FLook.BackColor = color; Changed(); }
void TScoreBar::SetForeColor(const QColor& color) { FLook.ForeColor = color; Changed(); }

void TScoreBar::Changed()
{
    // A screen reader announces the figure the bar shows.
    setAccessibleDescription(QStringLiteral("%1%").arg(PercentDone()));
    update();
}

void TScoreBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintScoreBar(painter, rect(), FProgress, FMax, FLook);
}
