#pragma once
// The part of sound and video playback that rests on Qt Multimedia. It is
// built as a module of its own (libquendra_qtmedia.so, beside the programs)
// and opened on first use: linked into the programs, Qt Multimedia would load
// PulseAudio, its codecs and the network library at every start. The module
// and the programs are built together from this header; nothing in it throws
// (failures are answered as false).

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

class QWidget;

// One opened video, or one rendered sound played through the audio output.
class TMediaBackendPlayer {
public:
    virtual ~TMediaBackendPlayer() = default;
    // Loads the video (waiting up to a few seconds); false when it cannot be
    // played. Without audio its sound is not played.
    virtual bool OpenVideo(const QString& absolutePath, bool withAudio) = 0;
    // 16-bit stereo samples at the rate given. Without audio the position
    // follows a clock.
    virtual void OpenSound(const QByteArray& pcm, int rate, bool withAudio) = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;       // stops and goes back to the start
    virtual void Previous() = 0;   // back to the start, playing on if it was playing
    virtual void StepFirstFrame() = 0;
    virtual void RefreshFrame() = 0;
    virtual qint64 Length() const = 0;     // milliseconds
    virtual qint64 Position() const = 0;   // milliseconds
    virtual bool IsPlaying() const = 0;
    // The picture of a video (owned by the player until given a parent), or nullptr.
    virtual QWidget* VideoWidget() const = 0;
    virtual QSize VideoSize() const = 0;
    virtual const QByteArray& Sound() const = 0;
};

class TMediaBackend {
public:
    virtual ~TMediaBackend() = default;
    virtual bool HasAudioOutput() = 0;
    // Plays a WAV file's bytes and returns when it has ended.
    virtual void PlayWave(const QByteArray& data, const QString& name) = 0;
    virtual std::unique_ptr<TMediaBackendPlayer> NewPlayer() = 0;
};

// The module's one entry point, and the version of this header it was built
// with: a module of another version is not used.
constexpr int MediaBackendVersion = 1;
using TMediaBackendEntry = TMediaBackend* (*)(int version);
#define QUENDRA_MEDIA_BACKEND_ENTRY "QuendraMediaBackend"
#define QUENDRA_MEDIA_BACKEND_FILE "libquendra_qtmedia.so"
