#include "harness.h"
#include "testmedia.h"

#include "model/errors.h"
#include "platform/media.h"
#include "platform/mediabackend.h"

#include <QDir>
#include <QFile>

namespace {

class MediaTest : public QuendraTest {
protected:
    void TearDown() override
    {
        SetAudioOutputOverride(-1);
        SetWaveSink(nullptr);
        QuendraTest::TearDown();
    }
};

TEST_F(MediaTest, WaveSkippedWithoutOutputAndHandedToSink)
{
    TScratchDir dir;
    QDir::setCurrent(dir.Path());
    const QByteArray wav = TestMedia::Wav(200);
    dir.Write(QStringLiteral("ding.wav"), wav);
    QStringList played;
    QByteArray bytes;
    SetWaveSink([&](const QString& f, const QByteArray& d) { played << f; bytes = d; });
    SetAudioOutputOverride(0);
    PlayWaveFile(QStringLiteral("DING.WAV"));
    EXPECT_TRUE(played.isEmpty());
    SetAudioOutputOverride(1);
    PlayWaveFile(QStringLiteral("DING.WAV"));   // found through its lower-case name
    EXPECT_EQ(played, QStringList({"DING.WAV"}));
    EXPECT_EQ(bytes, wav);
    EXPECT_THROW(PlayWaveFile(QStringLiteral("NONE.WAV")), EInOutError);
}

TEST_F(MediaTest, MidiRenderedWithLengthAndClock)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("tune.mid"), TestMedia::Midi(4, 480));   // four beats at 120 bpm: 2 s
    SetAudioOutputOverride(0);
    TMediaPlayer player;
    player.Open(dir.File(QStringLiteral("TUNE.MID")));
    EXPECT_FALSE(player.HasVideo());
    EXPECT_EQ(player.VideoWidget(), nullptr);
    // Two seconds of notes, then the last note's release.
    EXPECT_GE(player.Length(), 2000);
    EXPECT_LE(player.Length(), 4000);
    // Something audible was rendered.
    const QByteArray& pcm = player.RenderedSound();
    int loud = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        loud = qMax(loud, qAbs(int(qFromLittleEndian<qint16>(pcm.constData() + i))));
    EXPECT_GT(loud, 1000) << pcm.size();

    EXPECT_EQ(player.Position(), 0);
    player.Play();
    PumpEvents(150);
    const qint64 p = player.Position();
    EXPECT_GE(p, 100);
    player.Pause();
    PumpEvents(100);
    EXPECT_EQ(player.Position(), p);
    player.Stop();
    EXPECT_EQ(player.Position(), 0);

    dir.Write(QStringLiteral("bad.mid"), QByteArray("MThd") + QByteArray(40, '\x7F'));
    TMediaPlayer bad;
    EXPECT_THROW(bad.Open(dir.File(QStringLiteral("bad.mid"))), EQuendraError);
}

TEST_F(MediaTest, VideoOpensWithItsSize)
{
    TScratchDir dir;
    QList<QImage> frames;
    for (int i = 0; i < 5; ++i) frames << TestMedia::Pattern(160, 120);
    dir.Write(QStringLiteral("film.avi"), TestMedia::Avi(frames));
    TMediaPlayer player;
    try {
        player.Open(dir.File(QStringLiteral("FILM.AVI")));
    } catch (const EQuendraError& e) {
        GTEST_SKIP() << "no video decoder here: " << e.what();
    }
    EXPECT_TRUE(player.HasVideo());
    player.StepFirstFrame();
    EXPECT_EQ(player.VideoSize(), QSize(160, 120));
    EXPECT_NEAR(double(player.Length()), 500.0, 120.0);

    dir.Write(QStringLiteral("junk.avi"), QByteArray("RIFF") + QByteArray(100, 'x'));
    TMediaPlayer junk;
    EXPECT_THROW(junk.Open(dir.File(QStringLiteral("junk.avi"))), EQuendraError);
}

} // namespace

namespace {

// The media module is found from the tests too, and answers the same object
// every time. (That the programs themselves do not need Qt Multimedia is
// checked on their dynamic sections, in the distribution tests.)
TEST(MediaModule, FoundOnceFromTheTests)
{
    ASSERT_NE(MediaBackend(), nullptr);
    EXPECT_EQ(MediaBackend(), MediaBackend());
}

} // namespace
