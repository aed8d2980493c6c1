#pragma once
// Sound and video: WAV sounds played to the end, and a player for AVI
// videos (Qt Multimedia, in a module opened on first use) and MIDI files
// (rendered by FluidSynth with the General MIDI sound font).

#include <QByteArray>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

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

class TMediaBackend;
class TMediaBackendPlayer;

// The media module (see mediabackend.h), opened on first use; nullptr, with
// the reason on stderr, when it is missing or of another version.
TMediaBackend* MediaBackend();

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
    bool IsPlaying() const;
    bool HasVideo() const { return VideoWidget() != nullptr; }
    QSize VideoSize() const;
    // The video picture, to be placed in the window (nullptr for MIDI).
    QWidget* VideoWidget() const;
    // MIDI: the rendered samples (tests check what would have played).
    const QByteArray& RenderedSound() const;

private:
    std::unique_ptr<TMediaBackendPlayer> F;
};
