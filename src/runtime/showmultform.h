#pragma once
// The picture window: a 640 x 480 picture with an optional sound and an
// optional timed close.

#include <QDialog>
#include <QImage>

class QLabel;
class QTimer;
class TMediaPlayer;

class TShowMultForm : public QDialog {
    Q_OBJECT
public:
    explicit TShowMultForm(QWidget* parent = nullptr);
    ~TShowMultForm() override;

    QLabel* Image1;
    QTimer* Timer1;   // starts the pending sound once the window is up
    QTimer* Timer2;   // closes the window after the display time
    TMediaPlayer* MediaPlayer1 = nullptr;   // plays a MIDI sound

    void SetPicture(const QImage& image);
    void SetDelay(int ms);
    void Timer1Timer();
    void Timer2Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FPlayingWave = false;   // a WAV sound is playing (Timer1Timer waits for it)
    bool FTimeUp = false;        // the display time ran out while it played
};
