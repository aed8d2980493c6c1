#pragma once
// The score bar: a bar gauge filled in proportion to a progress value, with
// the percentage written across it. One painter serves the question screen's
// score bar, the results graph and the previews of the design forms.

#include <QColor>
#include <QWidget>

class QPainter;

struct TScoreBarLook {
    Qt::Orientation Orientation = Qt::Horizontal;   // vertical fills from the bottom
    QColor BackColor = Qt::white;
    QColor ForeColor = Qt::black;
    bool ShowText = true;
};

// trunc(100 x progress / maximum), 0 when maximum <= 0, clamped to 0..100.
int ScoreBarPercent(int progress, int maximum);
// Paints the gauge into rect: a sunken frame, the background, the filled
// part, and "NN%" centred, drawn in the opposite colour over each part so
// that it reads over both.
void PaintScoreBar(QPainter& painter, const QRect& rect, int progress, int maximum,
                   const TScoreBarLook& look);

class TScoreBar : public QWidget {
    Q_OBJECT
public:
    explicit TScoreBar(QWidget* parent = nullptr);

    void SetMaxValue(int value);
    void SetProgress(int value);
    void SetLook(const TScoreBarLook& look);
    void SetBackColor(const QColor& color);
    void SetForeColor(const QColor& color);
    int MaxValue() const { return FMax; }
    int Progress() const { return FProgress; }
    int PercentDone() const { return ScoreBarPercent(FProgress, FMax); }
    const TScoreBarLook& Look() const { return FLook; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Changed();
    int FMax = 100;
    int FProgress = 0;
    TScoreBarLook FLook;
};
