// The program presentation of a test run, performed for real: the opening
// and closing commands of every kind through the media windows and the
// program runner, the about box at the start and the end, the test's icon
// on the run's windows and the test's help file at its topic.
#include "harness.h"
#include "scriptedstudent.h"
#include "../platform/testmedia.h"

#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/testscript.h"
#include "runtime/aboutbox.h"
#include "runtime/entrystore.h"
#include "runtime/multimedia.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/showmultform.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <cstring>

namespace {

// A student whose run performs the presentation with the real media
// windows, program runner and about display, logging the order.
class TPresentingStudent : public TScriptedStudent {
public:
    void ShowMultimedia(const QString& caption, const QString& value) override
    {
        TScriptedStudent::ShowMultimedia(caption, value);
        ::ShowMultimedia(caption, value);
    }
    void RunProgramAndWait(int kind, const QString& value) override
    {
        TScriptedStudent::RunProgramAndWait(kind, value);
        ::RunProgramAndWait(kind, value);
    }
    void OpenDocument(const QString& value) override
    {
        TScriptedStudent::OpenDocument(value);
        ::OpenDocument(value);
    }
    void ShowAbout(const TAboutSpec& about) override
    {
        TScriptedStudent::ShowAbout(about);
        ::ShowAbout(about, AboutModeAuthor);
    }
};

class PresentationRunTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        SetConfigDefaults();
        ResetRunState();
        ResetRunEngine();
        ResetMediaValues();
        SetAudioOutputOverride(1);
        Dir.UseAsProject(QStringLiteral("T"));
        RunBaseName = QStringLiteral("T");
        RunFileDir = Dir.Path();
        TQuestionRecord r;
        std::memset(&r, 0, sizeof r);
        r.Identifier = QStringLiteral("Q1");
        r.AnswerCount = 3;
        r.CorrectAnswer = 1;
        AddTestQuestion(r);
        TestConfig.Program.ProgramTitle = QStringLiteral("Maths");
        TestConfig.Presentation.AboutEnabled = true;
        TestConfig.Presentation.About.ShowWhen = 2;
        TestConfig.Presentation.About.Caption = QStringLiteral("About Maths");
        SetWaveSink([this](const QString& f, const QByteArray&) { Played << f; });
    }
    void TearDown() override
    {
        SetWaveSink(nullptr);
        SetAudioOutputOverride(-1);
        TestQuestionList.Clear();
        RunFileDir.clear();
        QuendraTest::TearDown();
    }
    static void SetCommand(TCommandSpec& c, int type, const QString& value)
    {
        std::memset(&c, 0, sizeof c);
        c.CommandType = type;
        c.CommandValue = value;
    }
    // An executable script of the project that logs its arguments.
    void WriteLogger(const QString& name)
    {
        Dir.Write(name, "#!/bin/sh\necho \"" + name.toLatin1() + " $*\" >> ran.log\n");
        QFile::setPermissions(Dir.File(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void ExpectAbout()
    {
        OnModal(QStringLiteral("TAboutBox"), [](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("About Maths"));
            static_cast<TAboutBox&>(d).OKButton->click();
        });
    }
    // The picture window; with a sound, it stays up until the sound played.
    void ExpectPicture(const QString& caption, bool withSound = false)
    {
        OnModal(QStringLiteral("TShowMultForm"), [this, caption, withSound](QDialog& d) {
            auto& f = static_cast<TShowMultForm&>(d);
            EXPECT_EQ(f.windowTitle(), caption);
            EXPECT_FALSE(f.Image1->pixmap().isNull());
            for (int i = 0; withSound && Played.isEmpty() && i < 200; ++i)
                PumpEvents(10);
            f.accept();
        });
    }
    // What the run presented, without the results screens.
    static QStringList Presented(const TScriptedStudent& s)
    {
        QStringList out;
        for (const QString& e : s.Events)
            if (e.startsWith(u"media:") || e.startsWith(u"program:") || e.startsWith(u"open:") || e == u"about"
                || e.startsWith(u"question:") || e.startsWith(u"intro:"))
                out << e;
        return out;
    }
    QStringList Played;
    TScratchDir Dir;
};

TEST_F(PresentationRunTest, OpeningAndClosingCommandsOfEveryKindInTheDesignedOrder)
{
    Dir.Write(QStringLiteral("pic.bmp"), TestMedia::Encode(TestMedia::Pattern(32, 24), "BMP"));
    Dir.Write(QStringLiteral("ding.wav"), TestMedia::Wav(50));
    Dir.Write(QStringLiteral("notes.txt"), "n");
    WriteLogger(QStringLiteral("opener"));
    WriteLogger(QStringLiteral("closer"));
    TestConfig.Presentation.OpeningEnabled = true;
    TestConfig.Presentation.ClosingEnabled = true;
    const QString opener = Dir.File(QStringLiteral("opener"));
    const QString closer = Dir.File(QStringLiteral("closer"));

    // Opening graphic, closing voice.
    SetCommand(TestConfig.Presentation.Opening, 2, QStringLiteral("pic.bmp,0"));
    SetCommand(TestConfig.Presentation.Closing, 3, QStringLiteral("ding.wav"));
    ExpectPicture(QStringLiteral("Maths"));
    ExpectAbout();
    ExpectAbout();
    {
        TPresentingStudent s;
        s.Actions = {QStringLiteral("right")};
        RunTest(s);
        EXPECT_EQ(Presented(s), (QStringList {"media:Maths:pic.bmp,0", "about", "question:" + s.Shown.value(0),
                                              "about", "media:Maths:ding.wav"}));
        EXPECT_EQ(s.Events.first(), QStringLiteral("backdrop"));
        EXPECT_EQ(Played, QStringList({"DING.WAV"}));
    }

    // Opening graphic with sound, closing HTML page.
    Played.clear();
    SetCommand(TestConfig.Presentation.Opening, 6, QStringLiteral("pic.bmp,ding.wav,5"));
    SetCommand(TestConfig.Presentation.Closing, 10, QStringLiteral("end.htm"));
    ExpectPicture(QStringLiteral("Maths"), true);
    ExpectAbout();
    ExpectAbout();
    {
        TPresentingStudent s;
        s.Actions = {QStringLiteral("wrong")};
        // The sound plays once the picture is up; the log shows it before
        // the question.
        s.OnQuestion = [this] { EXPECT_EQ(Played, QStringList({"DING.WAV"})); };
        RunTest(s);
        EXPECT_EQ(Presented(s), (QStringList {"media:Maths:pic.bmp,ding.wav,5", "about", "question:" + s.Shown.value(0),
                                              "about", "open:end.htm"}));
        EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")), QStringList({Dir.File(QStringLiteral("end.htm"))}));
    }

    // Opening program with parameters, closing program with a file of the
    // project; the about box only at the end.
    TestConfig.Presentation.About.ShowWhen = 1;
    SetCommand(TestConfig.Presentation.Opening, 4, opener + QStringLiteral(",-a 'b c'"));
    SetCommand(TestConfig.Presentation.Closing, 9, closer + QStringLiteral(" notes.txt"));
    ExpectAbout();
    {
        TPresentingStudent s;
        s.Actions = {QStringLiteral("right")};
        s.OnQuestion = [this] { EXPECT_EQ(Dir.Read(QStringLiteral("ran.log")), QByteArray("opener -a b c\n")); };
        RunTest(s);
        EXPECT_EQ(Presented(s), (QStringList {"program:4:" + opener + ",-a 'b c'", "question:" + s.Shown.value(0),
                                              "about", "program:9:" + closer + " notes.txt"}));
    }
    EXPECT_EQ(Dir.Read(QStringLiteral("ran.log")),
              "opener -a b c\ncloser " + Dir.File(QStringLiteral("notes.txt")).toLocal8Bit() + "\n");

    // A missing picture is reported and the run goes on; the closing
    // command is skipped when it is off.
    TestConfig.Presentation.ClosingEnabled = false;
    TestConfig.Presentation.AboutEnabled = false;
    SetCommand(TestConfig.Presentation.Opening, 2, QStringLiteral("gone.bmp,10"));
    ExpectMessage(QStringLiteral("Error"));
    {
        TPresentingStudent s;
        s.Actions = {QStringLiteral("right")};
        RunTest(s);
        EXPECT_EQ(Presented(s), (QStringList {"media:Maths:gone.bmp,10", "question:" + s.Shown.value(0)}));
    }
    EXPECT_EQ(MessageTexts(), QStringList({"The file GONE.BMP is missing"}));
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST_F(PresentationRunTest, TheTestsIconIsTheWindowIconOfTheRun)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor(0, 0x80, 0));
    const QByteArray ico = Encoded(image, "ICO");
    ASSERT_FALSE(ico.isEmpty()) << "no icon writer";
    ASSERT_TRUE(ico.startsWith(QByteArray("\0\0\1\0", 4)));
    Dir.Write(QStringLiteral("logo.ico"), ico);
    Dir.Write(QStringLiteral("logo.png"), Encoded(image, "PNG"));
    Dir.Write(QStringLiteral("logo.bmp"), Encoded(image, "BMP"));
    Dir.Write(QStringLiteral("junk.ico"), "not a picture");
    const QIcon before = QGuiApplication::windowIcon();
    TestConfig.Presentation.AboutEnabled = false;
    TestConfig.Program.UseIcon = true;
    for (const char* name : {"LOGO.ICO", "logo.png", "logo.bmp"}) {
        TestConfig.Program.IconFile = QString::fromLatin1(name);
        TScriptedStudent s;
        s.Actions = {QStringLiteral("right")};
        bool seen = false;
        s.OnQuestion = [&] {
            const QIcon icon = QGuiApplication::windowIcon();
            ASSERT_FALSE(icon.isNull()) << name;
            const QImage shown = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(shown.pixelColor(16, 16), QColor(0, 0x80, 0)) << name;
            // A window of the run has it.
            QWidget window;
            EXPECT_FALSE(window.windowIcon().isNull());
            seen = true;
        };
        RunTest(s);
        EXPECT_TRUE(seen);
        EXPECT_EQ(QGuiApplication::windowIcon().cacheKey(), before.cacheKey()) << name;
    }
    // No icon, or a file that is no picture: the run keeps the program's.
    TestConfig.Program.IconFile = QStringLiteral("junk.ico");
    EXPECT_TRUE(TestWindowIcon().isNull());
    TestConfig.Program.UseIcon = false;
    TestConfig.Program.IconFile = QStringLiteral("logo.png");
    EXPECT_TRUE(TestWindowIcon().isNull());
}

TEST_F(PresentationRunTest, TheTestsHelpFileOpensAtItsTopic)
{
    Dir.Write(QStringLiteral("help.htm"),
              "<html><body><h1 id=\"1\">Start</h1><p>intro</p><h2 id=\"7\">Scoring</h2><p>How marks are given.</p>"
              "</body></html>");
    TestConfig.Program.UseHelpFile = true;
    TestConfig.Program.HelpFile = QStringLiteral("HELP.HTM");   // the case of the name differs on disk
    TestConfig.Program.HelpContext = 7;
    TestConfig.Presentation.AboutEnabled = false;
    TScriptedStudent s;
    s.Actions = {QStringLiteral("right")};
    s.OnQuestion = [this] {
        EXPECT_EQ(CurrentHelpFile(), Dir.File(QStringLiteral("help.htm")));
        // The question screen's Help button.
        TTQtextDisplayForm form({});
        ASSERT_TRUE(form.HelpBtn->isVisibleTo(&form));
        form.HelpBtn->click();
    };
    RunTest(s);
    EXPECT_EQ(CurrentHelpFile(), HelpFilePath);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")), QStringList({Dir.File(QStringLiteral("help.htm")) + "#7"}));
    THelpViewer* viewer = THelpViewer::Instance(false);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentFile, Dir.File(QStringLiteral("help.htm")));
    EXPECT_EQ(viewer->CurrentContext, 7);
    EXPECT_TRUE(viewer->Browser->toPlainText().contains(QStringLiteral("How marks are given.")));
    viewer->close();
    delete viewer;

    // A help file of the old binary format: a message, never its bytes.
    QByteArray old("\x3F\x5F\x03\x00", 4);
    old += QByteArray(300, '\x01') + QByteArray("|SYSTEM\0|TOPIC\0", 15);
    Dir.Write(QStringLiteral("maths.hlp"), old);
    TestConfig.Program.HelpFile = QStringLiteral("maths.hlp");
    ExpectMessage(QStringLiteral("Error"));
    {
        TTQtextDisplayForm form({});
        form.HelpBtn->click();
    }
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_EQ(MessageTexts().first(),
              QStringLiteral("The help file ") + Dir.File(QStringLiteral("maths.hlp"))
                  + QStringLiteral(" is in the old binary help format, which cannot be shown.\n\r"
                                   "Only help files in HTML can be shown."));
    THelpViewer* shown = THelpViewer::Instance(false);
    EXPECT_TRUE(!shown || !shown->isVisible());
    // Another binary file is refused likewise.
    Dir.Write(QStringLiteral("pic.htm"), Encoded(QImage(4, 4, QImage::Format_RGB32), "BMP"));
    TestConfig.Program.HelpFile = QStringLiteral("pic.htm");
    ExpectMessage(QStringLiteral("Error"));
    {
        TTQtextDisplayForm form({});
        form.HelpBtn->click();
    }
    EXPECT_TRUE(MessageTexts().last().endsWith(QStringLiteral(" is not an HTML document and cannot be shown.")));
}

} // namespace

#include "runtime/runpresentation.h"

#include <QPainter>
#include <QScreen>

namespace {

// The about box as a test run shows it at its start, over the run's
// backdrop, for a person to look at (QUENDRA_SCREENSHOTS on a display).
TEST_F(PresentationRunTest, AboutDisplayOfATestRunShot)
{
    const QString shots = qEnvironmentVariable("QUENDRA_SCREENSHOTS");
    if (shots.isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x80, 0, 0x80));
        p.drawEllipse(2, 2, 44, 44);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
        p.drawText(icon.rect(), Qt::AlignCenter, QStringLiteral("G"));
    }
    Dir.Write(QStringLiteral("geo.ico"), Encoded(icon, "ICO"));
    TestConfig.Program.UseIcon = true;
    TestConfig.Program.IconFile = QStringLiteral("geo.ico");
    TestConfig.Program.BackgroundColor = 0x00806040u;
    TAboutSpec& a = TestConfig.Presentation.About;
    a.ShowWhen = 0;
    a.UseIcon = true;
    a.IconFile = QStringLiteral("geo.ico");
    a.Caption = QStringLiteral("About the Geography quiz");
    a.ProgramName = QStringLiteral("Rivers and Mountains");
    a.VersionText = QStringLiteral("Version 2, autumn term");
    a.AuthorText = QStringLiteral("Mr B. Jones");
    a.Comment[0] = QStringLiteral("Fifteen questions on the rivers and mountains of Europe.");
    a.Comment[1] = QStringLiteral("Take your time: there is no clock.");
    class TShootingStudent : public TPresentingStudent {
    public:
        QWidget* CreateBackdrop() override
        {
            TScriptedStudent::CreateBackdrop();
            return CreateProgramBackdrop();
        }
    } s;
    s.Actions = {QStringLiteral("right")};
    OnModal(QStringLiteral("TAboutBox"), [shots](QDialog& d) {
        EXPECT_FALSE(d.windowIcon().isNull());
        PumpEvents(600);
        QGuiApplication::primaryScreen()->grabWindow(0).save(shots + QStringLiteral("/aboutrun.png"));
        d.accept();
    });
    RunTest(s);
}

} // namespace
