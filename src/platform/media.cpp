#include "platform/media.h"

#include "platform/dynlib.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include "platform/mediabackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVarLengthArray>
#include <QWidget>
#include <QtEndian>

#include <cstdio>

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

// Where the media module may be: beside the running program, then in the
// folder the programs were built into (tests and benchmarks run elsewhere).
QStringList MediaModuleCandidates()
{
    QStringList dirs;
    if (QCoreApplication::instance())
        dirs << QCoreApplication::applicationDirPath();
#ifdef QUENDRA_MODULE_DIR
    dirs << QStringLiteral(QUENDRA_MODULE_DIR);
#endif
    QStringList files;
    for (const QString& d : dirs) {
        const QString f = QDir(d).filePath(QStringLiteral(QUENDRA_MEDIA_BACKEND_FILE));
        if (!files.contains(f))
            files << f;
    }
    return files;
}

} // namespace

TMediaBackend* MediaBackend()
{
    // Opened once and kept open until the process ends.
    static TMediaBackend* const backend = []() -> TMediaBackend* {
        for (const QString& file : MediaModuleCandidates()) {
            if (!QFileInfo::exists(file))
                continue;
            const QByteArray name = QFile::encodeName(file);
            auto lib = std::make_unique<TDynLib>(std::initializer_list<const char*>{name.constData()});
            TMediaBackendEntry entry = nullptr;
            if (!lib->Resolve(entry, QUENDRA_MEDIA_BACKEND_ENTRY))
                continue;
            if (TMediaBackend* b = entry(MediaBackendVersion)) {
                lib.release();   // the module stays loaded while the process runs
                return b;
            }
            std::fprintf(stderr, "quendra: %s is of another version\n", name.constData());
        }
        std::fprintf(stderr, "quendra: the media module %s is missing: sound and video cannot be played\n",
                     QUENDRA_MEDIA_BACKEND_FILE);
        return nullptr;
    }();
    return backend;
}

bool HasAudioOutput()
{
    if (gAudioOverride >= 0)
        return gAudioOverride != 0;
    TMediaBackend* b = MediaBackend();
    return b && b->HasAudioOutput();
}

void SetAudioOutputOverride(int state) { gAudioOverride = state; }
void SetWaveSink(TWaveSink sink) { gWaveSink = std::move(sink); }

void PlayWaveFile(const QString& file)
{
    QCoreApplication::processEvents();
    if (!HasAudioOutput())
        return;
    const QByteArray data = ReadWholeFile(ResolveCase(file));
    if (gWaveSink) {
        gWaveSink(file, data);
        return;
    }
    if (TMediaBackend* b = MediaBackend())
        b->PlayWave(data, file);
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

// ---- TMediaPlayer ----

TMediaPlayer::TMediaPlayer(QObject* parent) : QObject(parent) {}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Open(const QString& file)
{
    const QString path = ResolveCase(file);
    const QString cannot = tr("The file %1 cannot be played").arg(file);
    if (!QFileInfo::exists(path))
        throw EInOutError(tr("The file %1 is missing").arg(file));
    TMediaBackend* backend = MediaBackend();
    if (!backend)
        throw EQuendraError(cannot);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EQuendraError(cannot);
    std::unique_ptr<TMediaBackendPlayer> player = backend->NewPlayer();
    if (f.peek(4) == "MThd") {
        if (f.size() > (16 << 20))
            throw EQuendraError(cannot);
        player->OpenSound(RenderMidi(f.readAll(), file, MidiRate), MidiRate, HasAudioOutput());
    } else {
        f.close();
        if (!player->OpenVideo(QFileInfo(path).absoluteFilePath(), HasAudioOutput()))
            throw EQuendraError(cannot);
    }
    F = std::move(player);
}

void TMediaPlayer::Play()
{
    if (F)
        F->Play();
}

void TMediaPlayer::Pause()
{
    if (F)
        F->Pause();
}

void TMediaPlayer::Stop()
{
    if (F)
        F->Stop();
}

void TMediaPlayer::Previous()
{
    if (F)
        F->Previous();
}

void TMediaPlayer::StepFirstFrame()
{
    if (F)
        F->StepFirstFrame();
}

void TMediaPlayer::RefreshFrame()
{
    if (F)
        F->RefreshFrame();
}

qint64 TMediaPlayer::Length() const { return F ? F->Length() : 0; }
qint64 TMediaPlayer::Position() const { return F ? F->Position() : 0; }
bool TMediaPlayer::IsPlaying() const { return F && F->IsPlaying(); }
QSize TMediaPlayer::VideoSize() const { return F ? F->VideoSize() : QSize(); }
QWidget* TMediaPlayer::VideoWidget() const { return F ? F->VideoWidget() : nullptr; }

const QByteArray& TMediaPlayer::RenderedSound() const
{
    static const QByteArray none;
    return F ? F->Sound() : none;
}
