#include "runtime/mediaplayform.h"

#include "platform/media.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include "platform/media.h"

namespace {
const int Margin = 8;
const int ButtonsHeight = 30;
const int GaugeHeight = 16;
}

TMediaPlayForm::TMediaPlayForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MediaPlayForm"));
    setWindowTitle(tr("Press the Start button"));

    MediaButtons = new QWidget(this);
    MediaButtons->setObjectName(QStringLiteral("MediaButtons"));
    auto* row = new QHBoxLayout(MediaButtons);
    row->setContentsMargins(0, 0, 0, 0);
    auto button = [&](QPushButton*& b, const char* name, const QString& text) {
        b = new QPushButton(text, MediaButtons);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
    };
    button(PlayBtn, "PlayBtn", tr("&Play"));
    button(PauseBtn, "PauseBtn", tr("P&ause"));
    button(StopBtn, "StopBtn", tr("&Stop"));
    button(PrevBtn, "PrevBtn", tr("P&revious"));
    MediaButtons->setGeometry(Margin, Margin, 320, ButtonsHeight);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setGeometry(Margin, Margin + ButtonsHeight + 6, 320, GaugeHeight);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(Margin, ProgressBar1->geometry().bottom() + 1 + Margin, 320, 240);

    MediaPlayer1 = new TMediaPlayer(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMediaPlayForm::Timer1Timer);

    connect(PlayBtn, &QPushButton::clicked, this, [this] { MediaPlayer1->Play(); UpdateButtons(); });
    connect(PauseBtn, &QPushButton::clicked, this, [this] { MediaPlayer1->Pause(); UpdateButtons(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { MediaPlayer1->Stop(); Timer1Timer(); UpdateButtons(); });
    connect(PrevBtn, &QPushButton::clicked, this, [this] { MediaPlayer1->Previous(); Timer1Timer(); UpdateButtons(); });
    UpdateButtons();
}

TMediaPlayForm::~TMediaPlayForm()
{
    MediaPlayer1->Stop();
}

void TMediaPlayForm::OpenMedia(const QString& file)
{
    MediaPlayer1->Open(file);
    ProgressBar1->setRange(0, int(qMax<qint64>(1, MediaPlayer1->Length())));
    ProgressBar1->setValue(0);
    if (QWidget* video = MediaPlayer1->VideoWidget()) {
        video->setParent(Bevel1);
        MediaPlayer1->StepFirstFrame();
        SizeToVideo(MediaPlayer1->VideoSize().isValid() ? MediaPlayer1->VideoSize() : QSize(320, 240));
        video->show();
    } else {
        SizeToVideo(QSize());
    }
    Timer1->start();
    UpdateButtons();
}

void TMediaPlayForm::SizeToVideo(const QSize& video)
{
    const int buttonsRight = MediaButtons->geometry().right() + 1 + Margin;
    if (video.isValid() && !video.isEmpty()) {
        Bevel1->resize(video.width() + 8, video.height() + 8);
        if (QWidget* w = MediaPlayer1->VideoWidget())
            w->setGeometry(4, 4, video.width(), video.height());
        Bevel1->show();
        const int width = qMax(buttonsRight, Bevel1->geometry().right() + 1 + Margin);
        setFixedSize(width, Bevel1->geometry().bottom() + 1 + Margin);
    } else {
        Bevel1->hide();
        setFixedSize(buttonsRight, Bevel1->geometry().top());
    }
    ProgressBar1->resize(width() - 2 * Margin, GaugeHeight);
}

void TMediaPlayForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The video picture shows the first frame only once it is on screen.
    QTimer::singleShot(0, MediaPlayer1, [this] { MediaPlayer1->RefreshFrame(); });
}

void TMediaPlayForm::Timer1Timer()
{
    const qint64 length = MediaPlayer1->Length();
    if (length > 0 && ProgressBar1->maximum() != int(length))
        ProgressBar1->setMaximum(int(length));
    ProgressBar1->setValue(int(MediaPlayer1->Position()));
}

void TMediaPlayForm::UpdateButtons()
{
    const bool playing = MediaPlayer1->IsPlaying();
    PlayBtn->setEnabled(!playing);
    PauseBtn->setEnabled(playing);
}
