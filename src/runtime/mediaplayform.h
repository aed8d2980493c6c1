#pragma once
// The media player window for AVI videos and MIDI files: Play, Pause, Stop
// and Previous, a progress gauge, and the video in a frame.

#include <QDialog>

class QFrame;
class QProgressBar;
class QPushButton;
class QTimer;
class TMediaPlayer;

class TMediaPlayForm : public QDialog {
    Q_OBJECT
public:
    explicit TMediaPlayForm(QWidget* parent = nullptr);
    ~TMediaPlayForm() override;

    QWidget* MediaButtons;
    QPushButton* PlayBtn;
    QPushButton* PauseBtn;
    QPushButton* StopBtn;
    QPushButton* PrevBtn;
    QProgressBar* ProgressBar1;
    QFrame* Bevel1;
    QTimer* Timer1;
    TMediaPlayer* MediaPlayer1;

    // Opens the file on the player, sizes the window to the video and shows
    // its first frame. Throws EQuendraError naming the file.
    void OpenMedia(const QString& file);
    // Places the video 4 pixels inside Bevel1, makes the frame the video
    // size + 8, and the client height the frame's bottom + 8 (its top when
    // there is no picture).
    void SizeToVideo(const QSize& video);
    void Timer1Timer();
    void UpdateButtons();

protected:
    void showEvent(QShowEvent* event) override;
};
