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
