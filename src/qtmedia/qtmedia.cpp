// Sound and video playback through Qt Multimedia: the module behind
// platform/media.h.
#include "platform/mediabackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QMediaDevices>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QPainter>
#include <QPointer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

#include <functional>

namespace {

// Runs a local event loop until done() or the timeout; user input waits.
void WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
}

// Shows the frames of a video sink, stretched over the widget.
class TVideoPicture : public QWidget {
public:
    TVideoPicture() : FSink(new QVideoSink(this))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        connect(FSink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            if (!frame.isValid())
                return;
            FFrame = frame.toImage();
            update();
        });
    }
    QVideoSink* Sink() const { return FSink; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (FFrame.isNull())
            p.fillRect(rect(), Qt::black);
        else
            p.drawImage(rect(), FFrame);
    }

private:
    QVideoSink* FSink;
    QImage FFrame;
};

class TQtMediaPlayer : public TMediaBackendPlayer {
public:
    ~TQtMediaPlayer() override
    {
        if (FSink)
            FSink->stop();
        delete FSink;
        if (FPlayer)
            FPlayer->stop();
        delete FPlayer;
        delete FAudio;
        if (FVideo && !FVideo->parent())
            delete FVideo;
        delete FPcmBuffer;
    }

    bool OpenVideo(const QString& path, bool withAudio) override
    {
        FPlayer = new QMediaPlayer;
        if (withAudio) {
            FAudio = new QAudioOutput;
            FPlayer->setAudioOutput(FAudio);
        }
        FVideo = new TVideoPicture;
        FVideo->setObjectName(QStringLiteral("VideoDisplay"));
        FPlayer->setVideoSink(FVideo->Sink());
        FPlayer->setSource(QUrl::fromLocalFile(path));
        WaitFor([this] {
            const auto s = FPlayer->mediaStatus();
            return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::InvalidMedia
                || FPlayer->error() != QMediaPlayer::NoError;
        }, 8000);
        if (FPlayer->mediaStatus() != QMediaPlayer::LoadedMedia || FPlayer->error() != QMediaPlayer::NoError)
            return false;
        FVideoSize = FPlayer->metaData().value(QMediaMetaData::Resolution).toSize();
        if (!FPlayer->hasVideo()) {
            delete FVideo;
            FVideoSize = QSize();
        }
        return true;
    }

    void OpenSound(const QByteArray& pcm, int rate, bool withAudio) override
    {
        FSound = true;
        FPcm = pcm;
        FRate = rate;
        FWithAudio = withAudio;
        FPcmBuffer = new QBuffer(&FPcm);
        FPcmBuffer->open(QIODevice::ReadOnly);
    }

    void Play() override
    {
        if (FPlayer) {
            FPlayer->play();
            FPlaying = true;
            return;
        }
        if (!FSound)
            return;
        if (Position() >= Length())
            Previous();
        FOffsetMs = Position();
        FClock.start();
        FPlaying = true;
        StartSoundOutput();
    }

    void Pause() override
    {
        if (FPlayer) {
            FPlayer->pause();
        } else if (FSound && FPlaying) {
            FOffsetMs = Position();
            if (FSink)
                FSink->suspend();
        }
        FPlaying = false;
    }

    void Stop() override
    {
        if (FPlayer) {
            FPlayer->stop();
            FPlayer->setPosition(0);
        } else if (FSound) {
            if (FSink)
                FSink->stop();
            FPcmBuffer->seek(0);
            FOffsetMs = 0;
        }
        FPlaying = false;
    }

    void Previous() override
    {
        if (FPlayer) {
            FPlayer->setPosition(0);
            return;
        }
        if (!FSound)
            return;
        const bool playing = FPlaying;
        if (FSink)
            FSink->stop();
        FPcmBuffer->seek(0);
        FOffsetMs = 0;
        FPlaying = false;
        if (playing)
            Play();
    }

    void StepFirstFrame() override
    {
        if (!FPlayer || !FVideo)
            return;
        bool gotFrame = false;
        QObject context;
        QObject::connect(FVideo->Sink(), &QVideoSink::videoFrameChanged, &context, [&](const QVideoFrame& f) {
            if (f.isValid()) {
                gotFrame = true;
                if (!FVideoSize.isValid())
                    FVideoSize = f.size();
            }
        });
        FPlayer->pause();
        WaitFor([&] { return gotFrame; }, 3000);
    }

    void RefreshFrame() override
    {
        if (FPlayer && FVideo && !FPlaying)
            FPlayer->setPosition(FPlayer->position());
    }

    qint64 Length() const override
    {
        if (FPlayer)
            return FPlayer->duration();
        return FSound ? qint64(FPcm.size()) / 4 * 1000 / FRate : 0;
    }

    qint64 Position() const override
    {
        if (FPlayer)
            return FPlayer->position();
        if (!FSound)
            return 0;
        qint64 pos = FOffsetMs;
        if (FPlaying) {
            if (FSink)
                pos = FPcmBuffer->pos() / 4 * 1000 / FRate;
            else
                pos = FOffsetMs + FClock.elapsed();
        }
        return qMin(pos, Length());
    }

    bool IsPlaying() const override { return FPlaying; }
    QWidget* VideoWidget() const override { return FVideo; }
    QSize VideoSize() const override { return FVideoSize; }
    const QByteArray& Sound() const override { return FPcm; }

private:
    void StartSoundOutput()
    {
        if (!FWithAudio)
            return;
        if (!FSink) {
            QAudioFormat format;
            format.setSampleRate(FRate);
            format.setChannelCount(2);
            format.setSampleFormat(QAudioFormat::Int16);
            FSink = new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
        }
        if (FSink->state() == QAudio::SuspendedState)
            FSink->resume();
        else
            FSink->start(FPcmBuffer);
    }

    QMediaPlayer* FPlayer = nullptr;
    QAudioOutput* FAudio = nullptr;
    QPointer<TVideoPicture> FVideo;
    QSize FVideoSize;
    bool FPlaying = false;
    // A rendered sound
    bool FSound = false;
    bool FWithAudio = false;
    int FRate = 22050;
    QByteArray FPcm;
    QBuffer* FPcmBuffer = nullptr;
    QAudioSink* FSink = nullptr;
    qint64 FOffsetMs = 0;     // position when the clock last started
    QElapsedTimer FClock;     // position clock when no audio output exists
};

class TQtMediaBackend : public TMediaBackend {
public:
    bool HasAudioOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void PlayWave(const QByteArray& bytes, const QString& name) override
    {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QMediaPlayer player;
        QAudioOutput output;
        player.setAudioOutput(&output);
        player.setSourceDevice(&buffer, QUrl::fromLocalFile(QFileInfo(name).fileName()));
        bool ended = false;
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia)
                ended = true;
        });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, [&] { ended = true; });
        player.play();
        // A sound of unknown length is given a minute; a known one its length
        // and some slack.
        QElapsedTimer t;
        t.start();
        while (!ended) {
            const qint64 limit = player.duration() > 0 ? player.duration() + 3000 : 60000;
            if (t.elapsed() > limit)
                break;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
        }
        player.stop();
    }

    std::unique_ptr<TMediaBackendPlayer> NewPlayer() override { return std::make_unique<TQtMediaPlayer>(); }
};

} // namespace

extern "C" __attribute__((visibility("default"))) TMediaBackend* QuendraMediaBackend(int version)
{
    if (version != MediaBackendVersion)
        return nullptr;
    static TQtMediaBackend backend;
    return &backend;
}
