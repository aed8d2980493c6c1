#include "harness.h"
#include "../platform/testmedia.h"

#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/media.h"
#include "platform/testscript.h"
#include "runtime/mediaplayform.h"
#include "runtime/multimedia.h"
#include "runtime/showmultform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

class MultimediaTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        ResetMediaValues();
        SetAudioOutputOverride(0);
    }
    void TearDown() override
    {
        SetAudioOutputOverride(-1);
        SetWaveSink(nullptr);
        QuendraTest::TearDown();
    }
};

TEST(MediaCommand, EveryShapeOfValue)
{
    // 2 graphic and duration; 3 voice; 6 graphic, sound and duration;
    // 7 video; 8 MIDI. The value is upper-cased; later parts replace earlier.
    TMediaCommand c = ParseMediaCommand(QStringLiteral("pic.bmp,50"));
    EXPECT_EQ(c.Graphic, QStringLiteral("PIC.BMP"));
    EXPECT_EQ(c.DelayMs, 5000);
    EXPECT_TRUE(c.Sound.isEmpty());
    c = ParseMediaCommand(QStringLiteral("ding.wav"));
    EXPECT_EQ(c.Sound, QStringLiteral("DING.WAV"));
    c = ParseMediaCommand(QStringLiteral("Photo.jpg, tune.mid, 0"));
    EXPECT_EQ(c.Graphic, QStringLiteral("PHOTO.JPG"));
    EXPECT_EQ(c.Sound, QStringLiteral("TUNE.MID"));
    EXPECT_EQ(c.DelayMs, 0);
    c = ParseMediaCommand(QStringLiteral("film.avi"));
    EXPECT_EQ(c.Video, QStringLiteral("FILM.AVI"));
    c = ParseMediaCommand(QStringLiteral("a.wmf,b.bmp,x.wav,y.mid,12,-3,1e2"));
    EXPECT_EQ(c.Graphic, QStringLiteral("B.BMP"));
    EXPECT_EQ(c.Sound, QStringLiteral("Y.MID"));
    EXPECT_EQ(c.DelayMs, 1200);

    // 4 program "," parameters; 9 program, a blank, a file; otherwise the
    // value itself, split into words.
    ProjectDir = QStringLiteral("/tmp/proj/");
    TProgramCommand p = ParseProgramCommand(4, QStringLiteral("calc.exe,-x \"two words\" $HOME;ls"));
    EXPECT_EQ(p.Program, QStringLiteral("calc.exe"));
    EXPECT_EQ(p.Arguments, QStringList({"-x", "two words", "$HOME;ls"}));
    p = ParseProgramCommand(9, QStringLiteral("WRITE notes file.txt"));
    EXPECT_EQ(p.Program, QStringLiteral("WRITE"));
    EXPECT_EQ(p.File, QStringLiteral("/tmp/proj/notes file.txt"));
    EXPECT_EQ(p.Arguments, QStringList({"/tmp/proj/notes file.txt"}));
    p = ParseProgramCommand(4, QStringLiteral("game -fast"));
    EXPECT_EQ(p.Program, QStringLiteral("game"));
    EXPECT_EQ(p.Arguments, QStringList({"-fast"}));
    p = ParseProgramCommand(9, QStringLiteral("viewer"));
    EXPECT_EQ(p.Program, QStringLiteral("viewer"));
    EXPECT_TRUE(p.File.isEmpty());
    EXPECT_TRUE(ParseProgramCommand(4, QString()).Program.isEmpty());
}

TEST_F(MultimediaTest, MissingFilesNamedInCapitals)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    ExpectMessage(QStringLiteral("Error"));
    ShowMultimedia(QStringLiteral("Film"), QStringLiteral("film.avi"));
    ExpectMessage(QStringLiteral("Error"));
    ShowMultimedia(QStringLiteral("Pic"), QStringLiteral("pic.bmp,0"));
    dir.Write(QStringLiteral("pic.bmp"), TestMedia::Encode(TestMedia::Pattern(64, 48), "BMP"));
    ExpectMessage(QStringLiteral("Error"));
    ShowMultimedia(QStringLiteral("Pic"), QStringLiteral("pic.bmp,lost.wav,0"));
    EXPECT_EQ(MessageTexts(), QStringList({"The file FILM.AVI is missing", "The file PIC.BMP is missing",
                                           "The file LOST.WAV is missing"}));
}

TEST_F(MultimediaTest, TimedPictureWithSound)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("pic.bmp"), TestMedia::Encode(TestMedia::Pattern(64, 48), "BMP"));
    dir.Write(QStringLiteral("ding.wav"), TestMedia::Wav(100));
    SetAudioOutputOverride(1);
    QStringList played;
    SetWaveSink([&](const QString& f, const QByteArray&) { played << f; });
    qint64 closedAfter = -1;
    OnModal(QStringLiteral("TShowMultForm"), [&](QDialog& d) {
        auto& f = static_cast<TShowMultForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Info"));
        EXPECT_EQ(f.size(), QSize(640, 480));
        EXPECT_FALSE(f.Image1->pixmap().isNull());
        EXPECT_EQ(f.Timer2->interval(), 300);
        QElapsedTimer t;
        t.start();
        while (f.isVisible() && t.elapsed() < 3000)
            PumpEvents(10);
        closedAfter = t.elapsed();
    });
    ShowMultimedia(QStringLiteral("Info"), QStringLiteral("pic.bmp,ding.wav,3"));
    EXPECT_EQ(played, QStringList({"DING.WAV"}));
    EXPECT_GE(closedAfter, 200);
    EXPECT_LT(closedAfter, 2500);
    EXPECT_TRUE(PendingSound.isEmpty());

    // A sound longer than the display time: the window waits for its end,
    // though the wait delivers the close timer.
    bool upAtEnd = false;
    QDialog* shown = nullptr;
    SetWaveSink([&](const QString&, const QByteArray&) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 700)
            PumpEvents(10);
        upAtEnd = shown && shown->isVisible();
    });
    OnModal(QStringLiteral("TShowMultForm"), [&](QDialog& d) {
        shown = &d;
        QElapsedTimer t;
        t.start();
        while (d.isVisible() && t.elapsed() < 3000)
            PumpEvents(10);
        closedAfter = t.elapsed();
    });
    ShowMultimedia(QStringLiteral("Info"), QStringLiteral("pic.bmp,ding.wav,1"));
    EXPECT_TRUE(upAtEnd);
    EXPECT_GE(closedAfter, 650);
    EXPECT_LT(closedAfter, 2500);
    SetWaveSink([&](const QString& f, const QByteArray&) { played << f; });
    played.clear();

    // Duration 0: stays until Esc, Enter or a right click.
    for (int way = 0; way < 3; ++way) {
        OnModal(QStringLiteral("TShowMultForm"), [way](QDialog& d) {
            auto& f = static_cast<TShowMultForm&>(d);
            PumpEvents(150);
            EXPECT_TRUE(f.isVisible());
            EXPECT_FALSE(f.Timer2->isActive());
            if (way == 2) {
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::RightButton,
                                  Qt::RightButton, Qt::NoModifier);
                QCoreApplication::sendEvent(f.Image1, &press);
            } else {
                QKeyEvent key(QEvent::KeyPress, way == 0 ? Qt::Key_Escape : Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(&f, &key);
            }
            EXPECT_FALSE(f.isVisible());
        });
        ShowPicture(QStringLiteral("Still"), QStringLiteral("PIC.BMP"), 0);
    }

    // A WAV alone is played with no window; without an audio output nothing happens.
    played.clear();
    ShowMultimedia(QString(), QStringLiteral("ding.wav"));
    EXPECT_EQ(played, QStringList({"DING.WAV"}));
    SetAudioOutputOverride(0);
    ShowMultimedia(QString(), QStringLiteral("ding.wav"));
    EXPECT_EQ(played.size(), 1);
}

TEST_F(MultimediaTest, UndecodablePictureAndColourAdvisory)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("bad.jpg"), QByteArray("\xFF\xD8\xFF garbage", 12));
    ExpectMessage(QStringLiteral("Error"));
    ShowMultimedia(QStringLiteral("x"), QStringLiteral("bad.jpg,0"));
    EXPECT_EQ(MessageTexts(), QStringList({"The file BAD.JPG cannot be shown"}));

    dir.Write(QStringLiteral("pic.wmf"), TestMedia::SampleWmf());
    AdvisoryOn = true;
    SetScreenDepthOverride(8);
    ExpectMessage(QStringLiteral("Information"));
    OnModal(QStringLiteral("TShowMultForm"), [](QDialog& d) { d.accept(); });
    ShowPicture(QStringLiteral("x"), QStringLiteral("PIC.WMF"), 0);
    EXPECT_TRUE(AdvisoryShown);
    EXPECT_EQ(ColourDepth, 8);
    // Shown once per run.
    OnModal(QStringLiteral("TShowMultForm"), [](QDialog& d) { d.accept(); });
    ShowPicture(QStringLiteral("x"), QStringLiteral("PIC.WMF"), 0);
}

TEST_F(MultimediaTest, PlayerFrameSizing)
{
    TMediaPlayForm form;
    form.SizeToVideo(QSize(200, 150));
    EXPECT_EQ(form.Bevel1->size(), QSize(208, 158));
    EXPECT_EQ(form.height(), form.Bevel1->geometry().bottom() + 1 + 8);
    EXPECT_GE(form.width(), form.Bevel1->geometry().right() + 1 + 8);
    form.SizeToVideo(QSize(600, 400));
    EXPECT_EQ(form.Bevel1->size(), QSize(608, 408));
    EXPECT_EQ(form.width(), form.Bevel1->geometry().right() + 1 + 8);
    // No picture (MIDI): the window ends at the frame's top.
    form.SizeToVideo(QSize());
    EXPECT_EQ(form.height(), form.Bevel1->geometry().top());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Press the Start button"));
}

TEST_F(MultimediaTest, MidiAndVideoInThePlayer)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("tune.mid"), TestMedia::Midi(2, 480));
    MediaPrompt = QStringLiteral("Press Play");
    OnModal(QStringLiteral("TMediaPlayForm"), [](QDialog& d) {
        auto& f = static_cast<TMediaPlayForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Press Play"));
        EXPECT_FALSE(f.Bevel1->isVisible());
        EXPECT_GE(f.ProgressBar1->maximum(), 1000);
        EXPECT_TRUE(f.PlayBtn->isEnabled());
        f.PlayBtn->click();
        EXPECT_FALSE(f.PlayBtn->isEnabled());
        PumpEvents(120);
        f.Timer1Timer();
        EXPECT_GT(f.ProgressBar1->value(), 0);
        f.StopBtn->click();
        EXPECT_EQ(f.ProgressBar1->value(), 0);
        f.reject();
    });
    ShowMultimedia(QString(), QStringLiteral("tune.mid"));
    EXPECT_EQ(MediaFile, QStringLiteral("TUNE.MID"));

    QList<QImage> frames;
    for (int i = 0; i < 3; ++i) frames << TestMedia::Pattern(176, 144);
    dir.Write(QStringLiteral("film.avi"), TestMedia::Avi(frames));
    bool opened = false;
    OnModal(QStringLiteral("TMediaPlayForm"), [&](QDialog& d) {
        auto& f = static_cast<TMediaPlayForm&>(d);
        opened = true;
        EXPECT_EQ(f.Bevel1->size(), QSize(184, 152));
        ASSERT_NE(f.MediaPlayer1->VideoWidget(), nullptr);
        EXPECT_EQ(f.MediaPlayer1->VideoWidget()->geometry(), QRect(4, 4, 176, 144));
        f.reject();
    });
    ShowMultimedia(QString(), QStringLiteral("film.avi"));
    EXPECT_TRUE(opened);
}

TEST_F(MultimediaTest, ProgramsRunOrOpenTheDocument)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("notes.txt"), "x");
    // A program of another platform: the document is opened instead.
    RunProgramAndWait(9, QStringLiteral("WRITE NOTES.TXT"));
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")), QStringList({dir.File(QStringLiteral("notes.txt"))}));
    // A missing kind 4 program is skipped silently.
    RunProgramAndWait(4, QStringLiteral("NOSUCH.EXE,-a"));
    // A program whose path holds a blank is found as a whole.
    QDir().mkpath(dir.File(QStringLiteral("my tools")));
    const QString tool = dir.File(QStringLiteral("my tools/mark"));
    dir.Write(QStringLiteral("my tools/mark"), "#!/bin/sh\necho ran > marked.txt\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    RunProgramAndWait(4, tool);
    EXPECT_EQ(dir.Read(QStringLiteral("marked.txt")), QByteArray("ran\n"));
    // A real one runs with its arguments and is waited for.
    RunProgramAndWait(4, QStringLiteral("sh,-c 'echo ok > done.txt'"));
    EXPECT_EQ(dir.Read(QStringLiteral("done.txt")), QByteArray("ok\n"));
    RunProgramAndWait(9, QStringLiteral("NOTEPAD.EXE notes.txt"));
    RunProgramAndWait(9, QStringLiteral("C:\\WINDOWS\\MSPAINT.EXE notes.txt"));
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")).size(), 3);
    // A native program is started with the project file as its argument.
    RunProgramAndWait(9, QStringLiteral("cp notes.txt"));   // cp with one argument fails, but runs
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")).size(), 3);
}

} // namespace

#include "runtime/showentry.h"

namespace {

TEST_F(MultimediaTest, EntriesReachTheMediaWindows)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    ExpectMessage(QStringLiteral("Error"));
    ShowEntry({QStringLiteral("[Clip]"), QStringLiteral("source=HYPER"), QStringLiteral("type=7"),
               QStringLiteral("command=film.avi")});
    EXPECT_EQ(MessageTexts(), QStringList({"The file FILM.AVI is missing"}));
    OnModal(QStringLiteral("THNotesForm"), [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Current File : tips.txt"));
        d.accept();
    });
    ShowEntry({QStringLiteral("[Notes]"), QStringLiteral("source=HYPER"), QStringLiteral("type=13"),
               QStringLiteral("command=tips.txt")});
}

} // namespace
