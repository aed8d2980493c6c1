#include "runtime/showmultform.h"

#include "runtime/multimedia.h"
#include "platform/media.h"
#include "model/processvalues.h"
#include "runtime/runstate.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

TShowMultForm::TShowMultForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowMultForm"));
    setFixedSize(640, 480);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 640, 480);
    Image1->setScaledContents(true);
    Image1->installEventFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TShowMultForm::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TShowMultForm::Timer2Timer);
}

TShowMultForm::~TShowMultForm() = default;

void TShowMultForm::SetPicture(const QImage& image) { Image1->setPixmap(QPixmap::fromImage(image)); }

void TShowMultForm::SetDelay(int ms)
{
    if (ms > 0)
        Timer2->setInterval(ms);
    else
        Timer2->setInterval(0);
}

void TShowMultForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Timer2->interval() > 0 && !Timer2->isActive())
        Timer2->start();
    if (!PendingSound.isEmpty() && !Timer1->isActive())
        Timer1->start();
}

void TShowMultForm::Timer1Timer()
{
    const QString sound = PendingSound;
    if (sound.contains(QStringLiteral(".WAV"), Qt::CaseInsensitive)) {
        // The window stays up until the sound ends: a display time that runs
        // out meanwhile closes it only then.
        FPlayingWave = true;
        PlayWave(sound);
        FPlayingWave = false;
        if (FTimeUp)
            accept();
    } else if (sound.contains(QStringLiteral(".MID"), Qt::CaseInsensitive)) {
        // The MIDI sound keeps playing while the picture is up.
        delete MediaPlayer1;
        MediaPlayer1 = new TMediaPlayer(this);
        try {
            MediaPlayer1->Open(sound);
            MediaPlayer1->Play();
        } catch (const std::exception&) {
            // A sound that cannot be played leaves the picture on its own.
        }
    }
}

void TShowMultForm::Timer2Timer()
{
    if (FPlayingWave)
        FTimeUp = true;
    else
        accept();
}

void TShowMultForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TShowMultForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool TShowMultForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

// The picture window is part of every program that holds the media values
// (ShowPicture opens it), so their reset is registered here: the values of
// runtime/multimedia.cpp and the test hooks of platform/media.cpp.
void ResetMediaModule()
{
    ResetMediaValues();
    SetAudioOutputOverride(-1);
    SetWaveSink(nullptr);
}

} // namespace

QUENDRA_RESET_ROUTINE(ResetMediaModule)
