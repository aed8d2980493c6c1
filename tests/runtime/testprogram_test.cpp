// The runtime programs' test: a compiled test taken through the engine gives
// what the same run over the project gives, and run files go where they can.
#include "harness.h"
#include "scriptedstudent.h"

#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "runtime/compiledtestfile.h"
#include "runtime/entrystore.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/testprogram.h"

#include <QDir>
#include <QFile>
#include <cstring>

namespace {

class TestProgramTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        ResetRunState();
        ResetRunEngine();
        Dir.UseAsProject(QStringLiteral("GEO"));
        SetConfigDefaults();
        TestConfig.AllowPass = true;
        TestConfig.AllowRetake = true;
        TestConfig.AllowQuitSave = true;
        TestConfig.Presentation.IntroEnabled = true;
        QByteArray questions;
        for (int i = 0; i < 6; ++i) {
            std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
            QuestionBuffer.Identifier = QStringLiteral("G%1").arg(i + 1);
            QuestionBuffer.AnswerCount = 3;
            QuestionBuffer.CorrectAnswer = 1 + i % 3;
            questions += QByteArray(reinterpret_cast<const char*>(&QuestionBuffer), 55);
            if (i % 2 == 0)
                AppendQuestionEntry(EntryPath, QStringLiteral("G%1").arg(i + 1), {QStringLiteral("{\\rtf1 Where %1?}").arg(i + 1)});
        }
        AppendIntroEntry(EntryPath, {QStringLiteral("{\\rtf1 Welcome}")});
        Dir.Write(QStringLiteral("GEO.QXQ"), questions);
        SaveConfig();
    }
    void TearDown() override
    {
        TestQuestionList.Clear();
        RunEntries.reset();
        RunFileDir.clear();
        QuendraTest::TearDown();
    }
    static TScriptedStudent Student()
    {
        TScriptedStudent s;
        s.Actions = {QStringLiteral("right"), QStringLiteral("pass"), QStringLiteral("wrong"), QStringLiteral("right"),
                     QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("right"), QStringLiteral("right"),
                     QStringLiteral("right")};
        s.ConfirmAnswers = {true, true};
        return s;
    }
    TScratchDir Dir;
};

TEST_F(TestProgramTest, TheCompiledTestRunsAsThePreView)
{
    // Over the project, as Pre-View reads it.
    const QByteArray file = Dir.Read(QStringLiteral("GEO.QXQ"));
    for (int i = 0; i < 6; ++i) {
        TQuestionRecord r;
        std::memcpy(&r, file.constData() + i * 55, 55);
        AddTestQuestion(r);
    }
    RunEntries = std::make_shared<TFileEntryStore>(EntryPath);
    RunBaseName = QStringLiteral("GEO");
    RunFileDir = Dir.Path();
    TScriptedStudent preview = Student();
    RunTest(preview);
    const int previewCorrect = CorrectCount, previewScore = ScorePercent;

    // Over the compiled test, as the player reads it.
    LoadConfig();   // the stored settings, not what the run changed
    ASSERT_TRUE(BuildCompiledTest());
    std::memset(&TestConfig, 0, sizeof TestConfig);
    TCompiledTestFile test;
    test.LazyEntries = true;   // as the programs read it
    test.Open(Dir.File(QStringLiteral("GEO.QXC")));
    UseCompiledTest(test, QStringLiteral("GEO"), Dir.Path());
    EXPECT_TRUE(TestConfig.AllowPass);
    TScriptedStudent player = Student();
    RunTest(player);
    EXPECT_EQ(player.Events, preview.Events);
    EXPECT_EQ(player.Shown.size(), 9);
    EXPECT_EQ(player.Events.filter(QStringLiteral("intro:{\\rtf1 Welcome}")).size(), 1);
    EXPECT_EQ(player.Shown.filter(QStringLiteral("+text")).size(), 4);   // G1, G3, G5, and G3 again
    EXPECT_EQ(CorrectCount, previewCorrect);
    EXPECT_EQ(ScorePercent, previewScore);
    EXPECT_EQ(CorrectCount, 6);
}

TEST_F(TestProgramTest, RunFilesGoToTheDocumentsFolderWhenTheTestsFolderCannotBeWritten)
{
    bool moved = true;
    EXPECT_EQ(ChooseRunFileDir(Dir.Path(), moved), Dir.Path());
    EXPECT_FALSE(moved);
    EXPECT_TRUE(QDir(Dir.Path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".quendra")).isEmpty());

    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", Dir.Path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (Dir.Path() + QStringLiteral("config")).toUtf8());
    const QString chosen = ChooseRunFileDir(Dir.File(QStringLiteral("no/such/share")), moved);
    qputenv("HOME", home);
    if (config.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", config);
    EXPECT_TRUE(moved);
    EXPECT_EQ(chosen, Dir.File(QStringLiteral("Documents/")));
    EXPECT_TRUE(QDir(chosen).exists());
}

} // namespace

namespace {

// A small sample test, compiled: four formatted questions, Pass and
// Quit & Save allowed, the score panel shown. With QUENDRA_SAMPLE_OUT naming
// a folder the compiled test is also left there (SAMPLE.QXC) for a person
// to take in the player.
TEST_F(TestProgramTest, SampleTestTakenByAScriptedStudent)
{
    QFile::remove(EntryPath);
    QFile::remove(QuestionPath);
    Dir.UseAsProject(QStringLiteral("SAMPLE"));
    SetConfigDefaults();
    TestConfig.TakeAllQuestions = true;
    TestConfig.SequentialPresentation = true;
    TestConfig.AllowPass = true;
    TestConfig.AllowQuitSave = true;
    TestConfig.DisplayRightAnswer = true;
    TestConfig.QuestionScreen.DisplayScorePanel = true;
    TestConfig.QuestionScreen.AnswerBarColor = 0x00C0C0C0;
    TestConfig.QuestionScreen.ScorePanelColor = 0x00808000;
    TestConfig.QuestionScreen.ScorePanelTextColor = 0x00FFFFFF;
    TestConfig.QuestionScreen.ScoreBarColor = 0x00FFFFFF;
    TestConfig.QuestionScreen.ScoreProgressColor = 0x00800000;
    TestConfig.Program.ProgramTitle = QStringLiteral("Sample test: rivers and mountains");
    const char* texts[] = {
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Which river is the \\b longest\\b0  in Europe?\\par\\fs22 A: Danube  B: Volga  C: Rhine\\par}",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Which mountain is the \\i highest\\i0  in the Alps?\\par\\fs22 A: Matterhorn  B: Eiger  C: Mont Blanc\\par}",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Where does the \\ul Nile\\ul0  end?\\par\\fs22 A: Red Sea  B: Atlantic  C: Mediterranean  D: Indian Ocean\\par}",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Which is a volcano?\\par\\fs22 A: Ben Nevis  B: Snowdon  C: Zugspitze  D: Etna\\par}"};
    const int answers[] = {3, 3, 4, 4};
    const int correct[] = {2, 3, 3, 4};
    QByteArray questions;
    for (int i = 0; i < 4; ++i) {
        std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
        QuestionBuffer.Identifier = QStringLiteral("S%1").arg(i + 1);
        QuestionBuffer.AnswerCount = answers[i];
        QuestionBuffer.CorrectAnswer = correct[i];
        QuestionBuffer.TextBackColor = 0x00FFFFFF;
        questions += QByteArray(reinterpret_cast<const char*>(&QuestionBuffer), 55);
        AppendQuestionEntry(EntryPath, QStringLiteral("S%1").arg(i + 1), {QString::fromLatin1(texts[i])});
    }
    Dir.Write(QStringLiteral("SAMPLE.QXQ"), questions);
    SaveConfig();
    ASSERT_TRUE(BuildCompiledTest());
    const QString out = qEnvironmentVariable("QUENDRA_SAMPLE_OUT");
    if (!out.isEmpty()) {
        QFile::remove(out + QStringLiteral("/SAMPLE.QXC"));
        QFile::copy(Dir.File(QStringLiteral("SAMPLE.QXC")), out + QStringLiteral("/SAMPLE.QXC"));
    }

    TCompiledTestFile test;
    test.LazyEntries = true;   // as the programs read it
    test.Open(Dir.File(QStringLiteral("SAMPLE.QXC")));
    UseCompiledTest(test, QStringLiteral("SAMPLE"), Dir.Path());
    TScriptedStudent s;
    s.Actions = {QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("right"), QStringLiteral("right")};
    RunTest(s);
    EXPECT_EQ(TakeCount, 4);
    EXPECT_EQ(CorrectCount, 3);
    EXPECT_EQ(ScorePercent, 75);
}

} // namespace
