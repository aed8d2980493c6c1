// Whole test runs with a scripted student: question choice and order, the
// cycles, the retake offers, Quit and Quit & Save, resuming a saved run.
#include "harness.h"
#include "scriptedstudent.h"
#include "../common/failingdisk.h"

#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/savedrun.h"

#include <QFile>
#include <cstring>

namespace {

TQuestionRecord Question(const QString& id, int answers = 4, int correct = 2)
{
    TQuestionRecord r;
    std::memset(&r, 0, sizeof r);
    r.Identifier = id;
    r.AnswerCount = answers;
    r.CorrectAnswer = correct;
    r.TextBackColor = 0x00FFFFFF;
    return r;
}

class RunEngineTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        SetConfigDefaults();
        ResetRunState();
        ResetRunEngine();
        TestQuestionList.Clear();
        RunEntries.reset();
        RunBaseName = QStringLiteral("T");
        RunFileDir = Dir.Path();
    }
    void TearDown() override
    {
        TestQuestionList.Clear();
        RunFileDir.clear();
        QuendraTest::TearDown();
    }
    void MakeTest(int n)
    {
        for (int i = 1; i <= n; ++i)
            AddTestQuestion(Question(QStringLiteral("Q%1").arg(i)));
    }
    static QStringList Ids(const TScriptedStudent& s)
    {
        QStringList ids;
        for (const QString& shown : s.Shown)
            ids << shown.section(u'@', 0, 0);
        return ids;
    }
    TScratchDir Dir;
};

TEST_F(RunEngineTest, GeneratorAndShuffleFollowTheDesignedFormulas)
{
    // Seed 12345, by hand: 12345 x 134775813 + 1 = 1663807411486, mod 2^32 =
    // 1655067934; x 10 >> 32 = 3.
    RandSeed = 12345;
    EXPECT_EQ(Random(10), 3);
    EXPECT_EQ(RandSeed, 1655067934u);
    EXPECT_EQ(Random(9), 2);
    EXPECT_EQ(RandSeed, 1242767767u);
    RandomizeClock = [] { return quint32(12345); };
    Randomize();
    EXPECT_EQ(RandSeed, 12345u);
    // The clock: milliseconds since midnight.
    EXPECT_LT(SystemClockMilliseconds(), 86400000u);
}

TEST_F(RunEngineTest, RandomTakeThreeOfTenGivesTheFirstThreeOfTheShuffle)
{
    // Fisher-Yates from j = 10 down to 2 with r = Random(j) + 1 and seed
    // 12345 draws r = 4, 3, 1, 4, 4, 2, 2, 1, 1: the permutation is
    // 6 9 8 5 2 7 10 1 3 4.
    MakeTest(10);
    TestConfig.TakeAllQuestions = false;
    TestConfig.SequentialPresentation = false;
    RandomizeClock = [] { return quint32(12345); };
    TScriptedStudent s;
    s.TakeAnswer = 3;
    s.Actions = {QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("right")};
    s.OnQuestion = [] { EXPECT_EQ(QuestionOrder.size(), 11u); };
    RunTest(s);
    EXPECT_EQ(Ids(s), (QStringList {QStringLiteral("Q6"), QStringLiteral("Q9"), QStringLiteral("Q8")}));
    EXPECT_FALSE(s.Events.contains(QStringLiteral("start")));
    EXPECT_EQ(TakeCount, 3);
    EXPECT_EQ(CorrectCount, 2);
    EXPECT_EQ(ScorePercent, 66);
    EXPECT_TRUE(s.Events.contains(QStringLiteral("results")));
}

TEST_F(RunEngineTest, SequentialTakesFromTheStartQuestion)
{
    MakeTest(7);
    TestConfig.TakeAllQuestions = false;
    TestConfig.SequentialPresentation = true;
    TScriptedStudent s;
    s.TakeAnswer = 4;
    s.StartAnswer = 4;
    s.Actions = QStringList(4, QStringLiteral("right"));
    RunTest(s);
    EXPECT_EQ(Ids(s), (QStringList {QStringLiteral("Q4"), QStringLiteral("Q5"), QStringLiteral("Q6"), QStringLiteral("Q7")}));
    EXPECT_EQ(s.Shown.first(), QStringLiteral("Q4@1"));
    EXPECT_EQ(s.Shown.last(), QStringLiteral("Q7@4"));
    EXPECT_EQ(s.Events.filter(QStringLiteral("continue")).size(), 1);

    // Taking all of them asks no start question; a cancelled start keeps 1.
    TScriptedStudent all;
    all.TakeAnswer = 7;
    all.Actions = QStringList(7, QStringLiteral("right"));
    RunTest(all);
    EXPECT_FALSE(all.Events.contains(QStringLiteral("start")));
    TScriptedStudent cancelled;
    cancelled.TakeAnswer = 2;
    cancelled.Actions = QStringList(2, QStringLiteral("right"));
    RunTest(cancelled);
    EXPECT_EQ(Ids(cancelled), (QStringList {QStringLiteral("Q1"), QStringLiteral("Q2")}));

    // Start 7 of 10 taking 4: questions 7 to 10.
    TestQuestionList.Clear();
    MakeTest(10);
    TScriptedStudent last;
    last.TakeAnswer = 4;
    last.StartAnswer = 7;
    last.Actions = QStringList(4, QStringLiteral("right"));
    RunTest(last);
    EXPECT_EQ(Ids(last), (QStringList {QStringLiteral("Q7"), QStringLiteral("Q8"), QStringLiteral("Q9"), QStringLiteral("Q10")}));
}

TEST_F(RunEngineTest, QuitAndSaveThenResume)
{
    MakeTest(10);
    TestConfig.AllowQuitSave = true;
    TestConfig.AllowPass = true;
    TestConfig.ShowResultsGraph = true;
    TestConfig.Presentation.AboutEnabled = true;
    TestConfig.Presentation.About.ShowWhen = 2;
    TestConfig.Presentation.IntroEnabled = true;
    TScriptedStudent first;
    first.Actions = {QStringLiteral("right"), QStringLiteral("pass"), QStringLiteral("wrong+save")};
    RunTest(first);
    EXPECT_EQ(first.Shown.size(), 3);
    EXPECT_FALSE(first.Events.contains(QStringLiteral("results")));
    EXPECT_FALSE(first.Events.filter(QStringLiteral("confirm:")).size());
    EXPECT_EQ(first.Events.filter(QStringLiteral("about")).size(), 2);   // the closing about box runs

    // The saved run: ten run records, by hand.
    const QByteArray saved = Dir.Read(QStringLiteral("T.sav"));
    ASSERT_EQ(saved.size(), 10 * 55);
    EXPECT_EQ(saved.mid(0, 6), QByteArray("\x01\x01\x02\x00\x00\x00", 6));    // Q1 correct, answer B
    EXPECT_EQ(saved.mid(55, 6), QByteArray(6, '\0'));                         // Q2 passed
    EXPECT_EQ(saved.mid(110, 6), QByteArray("\x00\x01\x03\x00\x00\x00", 6));  // Q3 wrong, answer C
    EXPECT_EQ(saved.mid(165 + 6, 3), QByteArray("\x02Q4", 3));

    // The next run resumes: no opening screens, the passed question first,
    // the answered count going on from the two completed.
    TestConfig.AllowPass = true;
    TScriptedStudent second;
    second.Actions = QStringList(8, QStringLiteral("right"));
    second.ConfirmAnswers = {};
    RunTest(second);
    EXPECT_FALSE(second.Events.contains(QStringLiteral("take")));
    EXPECT_EQ(second.Events.filter(QStringLiteral("intro")).size(), 0);
    EXPECT_EQ(second.Events.filter(QStringLiteral("about")).size(), 1);   // only the closing one
    ASSERT_EQ(second.Shown.size(), 8);
    EXPECT_EQ(second.Shown.first(), QStringLiteral("Q2@3+pass"));
    EXPECT_EQ(second.Shown.last(), QStringLiteral("Q10@10+pass"));
    EXPECT_EQ(CorrectCount, 9);
    EXPECT_EQ(ScorePercent, 90);
    EXPECT_TRUE(second.Events.contains(QStringLiteral("results")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("T.sav")));
}

TEST_F(RunEngineTest, ConfirmedQuitEndsWithoutResults)
{
    MakeTest(10);
    TestConfig.AllowPass = true;
    TestConfig.AllowRetake = true;
    TestConfig.ShowResultsGraph = true;
    TestConfig.SaveResultsToDisk = true;
    TestConfig.UseSwapFile = true;
    TestConfig.Presentation.AboutEnabled = true;
    TestConfig.Presentation.About.ShowWhen = 1;
    TestConfig.Presentation.ClosingEnabled = true;
    TestConfig.Presentation.Closing.CommandType = 4;
    TestConfig.Presentation.Closing.CommandValue = QStringLiteral("true,x");
    TScriptedStudent s;
    s.Actions = {QStringLiteral("right"), QStringLiteral("right"), QStringLiteral("quit-no"), QStringLiteral("quit")};
    RunTest(s);
    EXPECT_TRUE(QuitRequested);
    EXPECT_EQ(s.Shown.size(), 3);
    EXPECT_EQ(s.Events.filter(QStringLiteral("confirm:")).size(), 0);
    for (const char* e : {"results", "feedback", "output", "swap"})
        EXPECT_FALSE(s.Events.contains(QString::fromLatin1(e))) << e;
    EXPECT_EQ(s.Events.mid(s.Events.size() - 2),
              (QStringList {QStringLiteral("about"), QStringLiteral("program:4:true,x")}));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("T.sav")));
}

TEST_F(RunEngineTest, PassAndWrongRetakes)
{
    MakeTest(10);
    TestConfig.AllowPass = true;
    TestConfig.AllowRetake = true;
    TestConfig.AllowQuitSave = true;
    TScriptedStudent s;
    // 6 right, 3 wrong, 1 passed (Q5).
    s.Actions = {QStringLiteral("right"), QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("right"),
                 QStringLiteral("pass"), QStringLiteral("wrong"), QStringLiteral("right"), QStringLiteral("right"),
                 QStringLiteral("wrong"), QStringLiteral("right"),
                 // the pass retake: Q5 answered wrongly
                 QStringLiteral("wrong"),
                 // the wrong retake: Q3, Q5, Q6, Q9
                 QStringLiteral("right"), QStringLiteral("wrong"), QStringLiteral("right"), QStringLiteral("right")};
    s.ConfirmAnswers = {true, true};
    RunTest(s);
    const QStringList confirms = s.Events.filter(QStringLiteral("confirm:"));
    ASSERT_EQ(confirms.size(), 2);
    EXPECT_EQ(confirms[0], QStringLiteral("confirm:1 questions(s) were passed.\r\n\r\rDo you want to retake them?"));
    EXPECT_EQ(confirms[1],
              QStringLiteral("confirm:4 questions(s) were answered incorrectly.\r\n\r\rDo you want to retake them?"));
    ASSERT_EQ(s.Shown.size(), 15);
    EXPECT_EQ(s.Shown[4], QStringLiteral("Q5@5+pass"));
    EXPECT_EQ(s.Shown[10], QStringLiteral("Q5@10"));   // no Pass in a retake; the last of its cycle
    EXPECT_EQ(s.Shown.mid(11), (QStringList {QStringLiteral("Q3@7"), QStringLiteral("Q5@8"), QStringLiteral("Q6@9"),
                                             QStringLiteral("Q9@10")}));
    EXPECT_EQ(CorrectCount, 9);
    EXPECT_EQ(ScorePercent, 90);
}

TEST_F(RunEngineTest, RetakeCyclesOfferNoQuitAndSaveAndAQuitThereEndsOnlyTheCycle)
{
    MakeTest(3);
    TestConfig.AllowRetake = true;
    TestConfig.AllowQuitSave = true;
    TestConfig.ShowResultsGraph = true;
    TScriptedStudent s;
    s.Actions = {QStringLiteral("wrong"), QStringLiteral("wrong"), QStringLiteral("right"), QStringLiteral("wrong+quit")};
    s.ConfirmAnswers = {true};
    bool offered = true;
    s.OnQuestion = [&] {
        if (s.Shown.size() == 4)
            offered = QuitSaveOffered();
    };
    RunTest(s);
    EXPECT_FALSE(offered);
    EXPECT_EQ(s.Shown.size(), 4);
    EXPECT_TRUE(QuitRequested);
    EXPECT_TRUE(s.Events.contains(QStringLiteral("results")));   // the later steps still run
    EXPECT_FALSE(Dir.Exists(QStringLiteral("T.sav")));
}

TEST_F(RunEngineTest, AllCorrectMakesBothOffersSilent)
{
    MakeTest(5);
    TestConfig.AllowPass = true;
    TestConfig.AllowRetake = true;
    TScriptedStudent s;
    s.Actions = QStringList(5, QStringLiteral("right"));
    RunTest(s);
    EXPECT_EQ(s.Events.filter(QStringLiteral("confirm:")).size(), 0);
    EXPECT_EQ(ScorePercent, 100);
    EXPECT_FALSE(TestConfig.AllowPass);   // off for the rest of the run; Pre-View reloads the settings
}

TEST_F(RunEngineTest, AFiveThousandAndOneQuestionTest)
{
    MakeTest(5001);
    TestConfig.SequentialPresentation = false;
    RandomizeClock = [] { return quint32(777); };
    TScriptedStudent s;
    s.Actions = QStringList(5001, QStringLiteral("right"));
    s.Actions[5000] = QStringLiteral("wrong");
    RunTest(s);
    ASSERT_EQ(s.Shown.size(), 5001);
    QStringList ids = Ids(s);
    ids.removeDuplicates();
    EXPECT_EQ(ids.size(), 5001);
    EXPECT_EQ(s.Shown.last().section(u'@', 1), QStringLiteral("5001"));
    EXPECT_EQ(CorrectCount, 5000);
    EXPECT_EQ(ScorePercent, 99);
}

TEST_F(RunEngineTest, DamagedOrShortSavedRunsAreNotResumed)
{
    MakeTest(2);
    TestConfig.Presentation.IntroEnabled = true;
    // Empty and short files count as absent: a normal run, no message.
    for (const QByteArray& bytes : {QByteArray(), QByteArray(54, '\0')}) {
        Dir.Write(QStringLiteral("T.sav"), bytes);
        TScriptedStudent s;
        s.Actions = QStringList(2, QStringLiteral("right"));
        RunTest(s);
        EXPECT_TRUE(s.Events.filter(QStringLiteral("error:")).isEmpty());
        EXPECT_EQ(s.Events.filter(QStringLiteral("intro:")).size(), 1);
        EXPECT_FALSE(Dir.Exists(QStringLiteral("T.sav")));
    }
    // Damaged: a record with 9 answers, a size between records, a correct
    // answer beyond the answers, an identifier length of 40.
    TQuestionRecord bad = Question(QStringLiteral("X"), 9, 1);
    TQuestionRecord badCorrect = Question(QStringLiteral("X"), 3, 4);
    TQuestionRecord badId = Question(QStringLiteral("X"));
    badId.Identifier.Len = 40;
    const QByteArray good(reinterpret_cast<const char*>(&(const TQuestionRecord&)Question(QStringLiteral("G"))), 55);
    const QList<QByteArray> damaged = {
        QByteArray(reinterpret_cast<const char*>(&bad), 55), good + QByteArray(3, 'x'),
        good + QByteArray(reinterpret_cast<const char*>(&badCorrect), 55), QByteArray(reinterpret_cast<const char*>(&badId), 55)};
    for (const QByteArray& bytes : damaged) {
        Dir.Write(QStringLiteral("T.sav"), bytes);
        TScriptedStudent s;
        s.Actions = QStringList(2, QStringLiteral("right"));
        RunTest(s);
        const QStringList errors = s.Events.filter(QStringLiteral("error:"));
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QStringLiteral("T.sav is damaged"))) << errors[0].toStdString();
        EXPECT_EQ(Ids(s), (QStringList {QStringLiteral("Q1"), QStringLiteral("Q2")}));   // a new run
        EXPECT_FALSE(Dir.Exists(QStringLiteral("T.sav")));
    }
}

TEST_F(RunEngineTest, ResumingACompletedRunRecomputesTheScore)
{
    MakeTest(7);
    QByteArray bytes;
    for (int i = 0; i < 7; ++i) {
        TQuestionRecord r = Question(QStringLiteral("Q%1").arg(i + 1));
        r.Answered = 1;
        r.ChosenAnswer = i < 3 ? 2 : 1;
        r.Deleted = i < 3 ? 1 : 0;
        bytes.append(reinterpret_cast<const char*>(&r), 55);
    }
    Dir.Write(QStringLiteral("T.sav"), bytes);
    ScorePercent = 100;   // what a previous run left behind
    TScriptedStudent s;
    RunTest(s);
    EXPECT_TRUE(s.Shown.isEmpty());
    EXPECT_EQ(TakeCount, 7);
    EXPECT_EQ(CorrectCount, 3);
    EXPECT_EQ(ScorePercent, 42);
}

TEST_F(RunEngineTest, RunRecordsStartCleanAndBrokenRecordsAreRefused)
{
    TQuestionRecord used = Question(QStringLiteral("A"));
    used.Deleted = 0;
    used.Answered = 1;
    used.ChosenAnswer = 3;
    AddTestQuestion(used);
    TQuestionRecord dropped = Question(QStringLiteral("DROPPED"));
    dropped.Deleted = 1;
    AddTestQuestion(dropped);
    AddTestQuestion(Question(QStringLiteral("SEVEN"), 7, 1));
    AddTestQuestion(Question(QStringLiteral("ZERO"), 4, 0));
    ASSERT_EQ(TestQuestionList.Count(), 3);
    TQuestionRecord r;
    TestQuestionList.Get(0, &r, sizeof r);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&r), 6), QByteArray(6, '\0'));

    TScriptedStudent s;
    s.Actions = {QStringLiteral("right")};
    RunTest(s);
    EXPECT_EQ(Ids(s), QStringList {QStringLiteral("A")});
    const QStringList errors = s.Events.filter(QStringLiteral("error:"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("\"SEVEN\" cannot be shown")));
    EXPECT_TRUE(errors[1].contains(QStringLiteral("\"ZERO\" cannot be shown")));
    EXPECT_EQ(CorrectCount, 1);
}

TEST_F(RunEngineTest, OpeningAndClosingCommandsByKind)
{
    MakeTest(1);
    TestConfig.Program.ProgramTitle = QStringLiteral("Maths");
    TestConfig.Presentation.OpeningEnabled = true;
    TestConfig.Presentation.Opening.CommandType = 2;
    TestConfig.Presentation.Opening.CommandValue = QStringLiteral("pic.bmp,20");
    TestConfig.Presentation.ClosingEnabled = true;
    TestConfig.Presentation.Closing.CommandType = 10;
    TestConfig.Presentation.Closing.CommandValue = QStringLiteral("end.htm");
    TestConfig.Presentation.AboutEnabled = true;
    TestConfig.Presentation.About.ShowWhen = 0;
    TScriptedStudent s;
    s.Actions = {QStringLiteral("right")};
    RunTest(s);
    EXPECT_EQ(s.Events.mid(0, 3), (QStringList {QStringLiteral("backdrop"), QStringLiteral("media:Maths:pic.bmp,20"),
                                                QStringLiteral("about")}));
    EXPECT_EQ(s.Events.last(), QStringLiteral("open:end.htm"));
    EXPECT_EQ(ProgramTitleText, QStringLiteral("Maths"));
}

TEST_F(RunEngineTest, SavedRunWriterKeepsTheOldFileOnAFullDisk)
{
    MakeTest(3);
    TQuestionRecord r = Question(QStringLiteral("Q1"));
    for (int i = 0; i < 200; ++i)
        RunList.Add(&r, sizeof r);
    const QByteArray old(110, '\x07');
    Dir.Write(QStringLiteral("T.sav"), old);
    const TLimitedRun run = RunWithFileSizeLimit(4096, [] { WriteSavedRun(); });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("T.sav"))) << run.Message.toStdString();
    EXPECT_EQ(Dir.Read(QStringLiteral("T.sav")), old);
    EXPECT_TRUE(StrayFiles(Dir.Path(), {QStringLiteral("T.sav")}).isEmpty());
    RunList.Clear();
}

} // namespace
