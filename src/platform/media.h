#pragma once
// Sound and video: WAV sounds played to the end, and a player for AVI
// videos (Qt Multimedia) and MIDI files (rendered by FluidSynth with the
// General MIDI sound font).

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QImage>
#include <QWidget>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QAudioOutput;
class QAudioSink;
class QBuffer;
class QMediaPlayer;
class QWidget;

// True when the machine has an audio output. Tests may force the answer
// (0 none, 1 present, -1 ask the system).
bool HasAudioOutput();
void SetAudioOutputOverride(int state);

// Tests: receives the file and the bytes a WAV playback would have played,
// instead of the audio device (nullptr clears it).
using TWaveSink = std::function<void(const QString& file, const QByteArray& data)>;
void SetWaveSink(TWaveSink sink);

// Reads the whole WAV file into memory and plays it, returning when it has
// ended (the screen is repainted meanwhile; user input waits). Without an
// audio output nothing happens. Throws EInOutError when the file cannot be
// read.
void PlayWaveFile(const QString& file);

// Renders a MIDI file to 16-bit stereo PCM at the rate given. Throws
// EQuendraError naming the file when it is not a MIDI file or the sound
// font is missing.
QByteArray RenderMidi(const QByteArray& midi, const QString& name, int rate);

class QVideoSink;

// Shows the frames of a video sink, stretched over the widget.
class TVideoPicture : public QWidget {
    Q_OBJECT
public:
    explicit TVideoPicture(QWidget* parent = nullptr);
    QVideoSink* Sink() const { return FSink; }
    const QImage& Frame() const { return FFrame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVideoSink* FSink;
    QImage FFrame;
};

// The AVI and MIDI player of the media window.
class TMediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject* parent = nullptr);
    ~TMediaPlayer() override;

    // Opens the file (waits up to a few seconds for a video to load).
    // Throws EQuendraError naming the file when it cannot be played.
    void Open(const QString& file);
    void Play();
    void Pause();
    void Stop();       // stops and goes back to the start
    void Previous();   // back to the start, playing on if it was playing
    // Shows the first frame of a video without playing.
    void StepFirstFrame();
    // Shows the current frame again (after the picture became visible).
    void RefreshFrame();

    qint64 Length() const;     // milliseconds
    qint64 Position() const;   // milliseconds
    bool IsPlaying() const { return FPlaying; }
    bool HasVideo() const { return FVideo != nullptr; }
    QSize VideoSize() const { return FVideoSize; }
    // The video picture, to be placed in the window (nullptr for MIDI).
    TVideoPicture* VideoWidget() const { return FVideo; }
    // MIDI: the rendered samples (tests check what would have played).
    const QByteArray& RenderedSound() const { return FPcm; }

private:
    void StartMidiOutput();

    QMediaPlayer* FPlayer = nullptr;
    QAudioOutput* FAudio = nullptr;
    QPointer<TVideoPicture> FVideo;
    QSize FVideoSize;
    bool FPlaying = false;
    // MIDI
    bool FMidi = false;
    QByteArray FPcm;
    QBuffer* FPcmBuffer = nullptr;
    QAudioSink* FSink = nullptr;
    qint64 FMidiOffsetMs = 0;     // position when the clock last started
    QElapsedTimer FClock;         // position clock when no audio output exists
};
