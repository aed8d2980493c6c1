#include "platform/media.h"

#include "platform/dynlib.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QPainter>
#include <QtEndian>

#include <fluidsynth.h>

namespace {

int gAudioOverride = -1;
TWaveSink gWaveSink;

const int MidiRate = 22050;
const int MaxMidiSeconds = 15 * 60;

QString SoundFontPath()
{
    for (const char* p : {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                          "/usr/share/soundfonts/default.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    return QString();
}

void QuietLog(int, const char*, void*) {}

// libfluidsynth is opened on first use: linked, it would load SDL, JACK,
// PulseAudio and more at every start of the program. Its header is included
// for the types and constants only.
#define QUENDRA_FLUID_FUNCTIONS(X) \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setint) \
    X(fluid_settings_setnum) X(fluid_settings_setstr) X(new_fluid_synth) \
    X(delete_fluid_synth) X(fluid_synth_sfload) X(fluid_synth_write_s16) \
    X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add_mem) \
    X(fluid_player_play) X(fluid_player_get_status) X(fluid_set_log_function)

struct TFluidApi {
#define QUENDRA_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    QUENDRA_FLUID_FUNCTIONS(QUENDRA_FLUID_POINTER)
#undef QUENDRA_FLUID_POINTER
};

// The synthesizer's entry points, or nullptr when the library or one of its
// functions is missing (the reason is on stderr).
const TFluidApi* FluidApi()
{
    // Kept open until the process ends: unloading a library at exit gains
    // nothing and risks its exit handlers.
    static TDynLib& lib = *new TDynLib{"libfluidsynth.so.3", "libfluidsynth.so"};
    static TFluidApi api;
    static const bool ok = [] {
        bool all = true;
#define QUENDRA_FLUID_RESOLVE(name) all = lib.Resolve(api.name, #name) && all;
        QUENDRA_FLUID_FUNCTIONS(QUENDRA_FLUID_RESOLVE)
#undef QUENDRA_FLUID_RESOLVE
        return all;
    }();
    return ok ? &api : nullptr;
}

// Runs a local event loop until done() or the timeout; user input waits.
void WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 20);
}

} // namespace

bool HasAudioOutput()
{
    if (gAudioOverride >= 0)
        return gAudioOverride != 0;
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SetAudioOutputOverride(int state) { gAudioOverride = state; }
void SetWaveSink(TWaveSink sink) { gWaveSink = std::move(sink); }

void PlayWaveFile(const QString& file)
{
    QCoreApplication::processEvents();
    if (!HasAudioOutput())
        return;
    QByteArray data = ReadWholeFile(ResolveCase(file));
    if (gWaveSink) {
        gWaveSink(file, data);
        return;
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    player.setSourceDevice(&buffer, QUrl::fromLocalFile(QFileInfo(file).fileName()));
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

QByteArray RenderMidi(const QByteArray& midi, const QString& name, int rate)
{
    const QString cannot = QCoreApplication::translate("Media", "The file %1 cannot be played").arg(name);
    // A standard MIDI file: a six-byte "MThd" header and a first "MTrk" chunk.
    if (!midi.startsWith("MThd") || midi.size() < 22 || qFromBigEndian<quint32>(midi.constData() + 4) != 6
        || midi.mid(14, 4) != "MTrk")
        throw EQuendraError(cannot);
    const QString font = SoundFontPath();
    if (font.isEmpty())
        throw EQuendraError(QCoreApplication::translate("Media", "No General MIDI sound font is installed: %1 cannot be played").arg(name));
    const TFluidApi* f = FluidApi();
    if (!f)
        throw EQuendraError(cannot);
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        f->fluid_set_log_function(level, QuietLog, nullptr);

    fluid_settings_t* settings = f->new_fluid_settings();
    if (!settings)
        throw EQuendraError(cannot);
    f->fluid_settings_setnum(settings, "synth.sample-rate", double(rate));
    f->fluid_settings_setstr(settings, "player.timing-source", "sample");
    f->fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_synth_t* synth = f->new_fluid_synth(settings);
    fluid_player_t* player = synth ? f->new_fluid_player(synth) : nullptr;
    struct TFree {
        const TFluidApi* f; fluid_settings_t* s; fluid_synth_t* y; fluid_player_t* p;
        ~TFree() { if (p) f->delete_fluid_player(p); if (y) f->delete_fluid_synth(y); f->delete_fluid_settings(s); }
    } release{f, settings, synth, player};
    if (!player || f->fluid_synth_sfload(synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        throw EQuendraError(cannot);
    if (f->fluid_player_add_mem(player, midi.constData(), size_t(midi.size())) != FLUID_OK
        || f->fluid_player_play(player) != FLUID_OK)
        throw EQuendraError(cannot);

    QByteArray pcm;
    const int block = 1024;
    QVarLengthArray<qint16, 2 * 1024> samples(2 * block);
    const qint64 limit = qint64(rate) * MaxMidiSeconds;
    qint64 frames = 0;
    while (f->fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && frames < limit) {
        if (f->fluid_synth_write_s16(synth, block, samples.data(), 0, 2, samples.data(), 1, 2) != FLUID_OK)
            break;
        pcm.append(reinterpret_cast<const char*>(samples.data()), block * 4);
        frames += block;
    }
    // Let the last notes die away for half a second.
    for (int i = 0; i < rate / 2 / block; ++i) {
        f->fluid_synth_write_s16(synth, block, samples.data(), 0, 2, samples.data(), 1, 2);
        pcm.append(reinterpret_cast<const char*>(samples.data()), block * 4);
    }
    // The player runs on for a while after the last event: cut the silence
    // at the end, so the length shown is the length heard.
    const qint16* sample = reinterpret_cast<const qint16*>(pcm.constData());
    qsizetype last = pcm.size() / 2;
    while (last > 0 && qAbs(int(sample[last - 1])) < 64)
        --last;
    const qsizetype keep = qMin(pcm.size(), (last / 2 + rate / 10) * 4);
    pcm.truncate(keep);
    return pcm;
}

// ---- TVideoPicture ----

TVideoPicture::TVideoPicture(QWidget* parent) : QWidget(parent), FSink(new QVideoSink(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(FSink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        if (!frame.isValid())
            return;
        FFrame = frame.toImage();
        update();
    });
}

void TVideoPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (FFrame.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawImage(rect(), FFrame);
}

// ---- TMediaPlayer ----

TMediaPlayer::TMediaPlayer(QObject* parent) : QObject(parent) {}

TMediaPlayer::~TMediaPlayer()
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

void TMediaPlayer::Open(const QString& file)
{
    const QString path = ResolveCase(file);
    const QString cannot = tr("The file %1 cannot be played").arg(file);
    if (!QFileInfo::exists(path))
        throw EInOutError(tr("The file %1 is missing").arg(file));
    QByteArray head;
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            throw EQuendraError(cannot);
        head = f.peek(4);
        if (head == "MThd") {
            FMidi = true;
            if (f.size() > (16 << 20))
                throw EQuendraError(cannot);
            FPcm = RenderMidi(f.readAll(), file, MidiRate);
            FPcmBuffer = new QBuffer(&FPcm);
            FPcmBuffer->open(QIODevice::ReadOnly);
            return;
        }
    }
    FPlayer = new QMediaPlayer;
    if (HasAudioOutput()) {
        FAudio = new QAudioOutput;
        FPlayer->setAudioOutput(FAudio);
    }
    FVideo = new TVideoPicture;
    FVideo->setObjectName(QStringLiteral("VideoDisplay"));
    FPlayer->setVideoSink(FVideo->Sink());
    FPlayer->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    WaitFor([this] {
        const auto s = FPlayer->mediaStatus();
        return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::InvalidMedia
               || FPlayer->error() != QMediaPlayer::NoError;
    }, 8000);
    if (FPlayer->mediaStatus() != QMediaPlayer::LoadedMedia || FPlayer->error() != QMediaPlayer::NoError)
        throw EQuendraError(cannot);
    FVideoSize = FPlayer->metaData().value(QMediaMetaData::Resolution).toSize();
    if (!FPlayer->hasVideo()) {
        delete FVideo;
        FVideoSize = QSize();
    }
}

void TMediaPlayer::StartMidiOutput()
{
    if (!HasAudioOutput())
        return;
    if (!FSink) {
        QAudioFormat format;
        format.setSampleRate(MidiRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        FSink = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    }
    if (FSink->state() == QAudio::SuspendedState)
        FSink->resume();
    else
        FSink->start(FPcmBuffer);
}

void TMediaPlayer::Play()
{
    if (FPlayer) {
        FPlayer->play();
        FPlaying = true;
        return;
    }
    if (!FMidi)
        return;
    if (Position() >= Length())
        Previous();
    FMidiOffsetMs = Position();
    FClock.start();
    FPlaying = true;
    StartMidiOutput();
}

void TMediaPlayer::Pause()
{
    if (FPlayer) {
        FPlayer->pause();
    } else if (FMidi && FPlaying) {
        FMidiOffsetMs = Position();
        if (FSink)
            FSink->suspend();
    }
    FPlaying = false;
}

void TMediaPlayer::Stop()
{
    if (FPlayer) {
        FPlayer->stop();
        FPlayer->setPosition(0);
    } else if (FMidi) {
        if (FSink)
            FSink->stop();
        FPcmBuffer->seek(0);
        FMidiOffsetMs = 0;
    }
    FPlaying = false;
}

void TMediaPlayer::Previous()
{
    if (FPlayer) {
        FPlayer->setPosition(0);
        return;
    }
    if (!FMidi)
        return;
    const bool playing = FPlaying;
    if (FSink)
        FSink->stop();
    FPcmBuffer->seek(0);
    FMidiOffsetMs = 0;
    FPlaying = false;
    if (playing)
        Play();
}

void TMediaPlayer::StepFirstFrame()
{
    if (!FPlayer || !FVideo)
        return;
    bool gotFrame = false;
    QVideoSink* sink = FVideo->Sink();
    auto c = connect(sink, &QVideoSink::videoFrameChanged, this, [&](const QVideoFrame& f) {
        if (f.isValid()) {
            gotFrame = true;
            if (!FVideoSize.isValid())
                FVideoSize = f.size();
        }
    });
    FPlayer->pause();
    WaitFor([&] { return gotFrame; }, 3000);
    disconnect(c);
}

void TMediaPlayer::RefreshFrame()
{
    if (FPlayer && FVideo && !FPlaying)
        FPlayer->setPosition(FPlayer->position());
}

qint64 TMediaPlayer::Length() const
{
    if (FPlayer)
        return FPlayer->duration();
    return FMidi ? qint64(FPcm.size()) / 4 * 1000 / MidiRate : 0;
}

qint64 TMediaPlayer::Position() const
{
    if (FPlayer)
        return FPlayer->position();
    if (!FMidi)
        return 0;
    qint64 pos = FMidiOffsetMs;
    if (FPlaying) {
        if (FSink)
            pos = FPcmBuffer->pos() / 4 * 1000 / MidiRate;
        else
            pos = FMidiOffsetMs + FClock.elapsed();
    }
    return qMin(pos, Length());
}
