// The PLANETS sample from the author's desk to the student's: selected in
// the main window, compiled, made into a test program, and taken by a
// scripted student in the program and in the tool's Pre-View alike.
#include "planetstest.h"

#include "../runtime/scriptedstudent.h"

#include "app/mainform.h"
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/testscript.h"
#include "runtime/compiledtestfile.h"
#include "runtime/entrystore.h"
#include "runtime/results.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/testprogram.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>

#include <cstring>

namespace {

qint32 Le32(const QByteArray& b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

// Twelve questions: two wrong, one passed and taken again at the end; the
// wrong ones are not taken again.
TScriptedStudent Student()
{
    TScriptedStudent s;
    s.Actions = {"right", "wrong", "right", "right", "pass", "right", "right",
                 "right", "wrong", "right", "right", "right", "right"};
    s.ConfirmAnswers = {true, false};
    return s;
}

void CheckRun(const TScriptedStudent& s)
{
    const QStringList& e = s.Events;
    SCOPED_TRACE(e.join(u'\n').toStdString());
    ASSERT_GE(e.size(), 6);
    EXPECT_EQ(e.first(), QStringLiteral("backdrop"));
    EXPECT_EQ(e[1], QStringLiteral("media:The Planets Quiz:title.jpg,welcome.wav,40"));   // the opening
    EXPECT_EQ(e[2], QStringLiteral("about"));
    EXPECT_TRUE(e[3].startsWith(QStringLiteral("intro:{\\rtf1"))) << e[3].toStdString();
    EXPECT_TRUE(e[3].contains(QStringLiteral("The Planets Quiz")));
    EXPECT_EQ(s.Shown.size(), 13);
    EXPECT_EQ(s.Shown.first(), QStringLiteral("SUN-01@1+pass+text"));
    EXPECT_EQ(s.Shown.last(), QStringLiteral("EARTH-01@12+text"));   // the passed one, again
    EXPECT_EQ(s.Shown.filter(QStringLiteral("+text")).size(), 13);
    EXPECT_EQ(e.filter(QStringLiteral("confirm:")).size(), 2);
    const qsizetype results = e.indexOf(QStringLiteral("results"));
    ASSERT_GT(results, 0);
    EXPECT_EQ(e.mid(results), QStringList({"results", "feedback", "output", "media:The Planets Quiz:goodbye.wav"}));
    EXPECT_EQ(CorrectCount, 10);
    EXPECT_EQ(ScorePercent, 83);
    ComputeScoreGroup();
    EXPECT_EQ(ScoreGroup, 2);
    QStringList feedback;
    EXPECT_TRUE(RunEntries->ReadEntry(QStringLiteral("GROUP %1 FEEDBACK").arg(ScoreGroup), SourceComms, feedback));
}

TEST_F(PlanetsTest, SelectedCompiledMadeIntoAProgramAndTaken)
{
    CopySample();
    Ttestmainform form;
    TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("PLANETS.QXJ")));
    form.SelectBtnClick();
    ASSERT_EQ(ProjectPath, Dir.File(QStringLiteral("PLANETS.QXJ")));
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("PLANETS"));
    EXPECT_EQ(ProgramTitleText, QStringLiteral("The Planets Quiz"));
    for (QPushButton* b : {form.EditBtn, form.PreviewBtn, form.CompileBtn, form.ExecBtn, form.DistribBtn})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    ExpectMessage(QStringLiteral("Information"));
    form.CompileBtnClick();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral(
                                  "The Test PLANETS.QXC has been compiled. Use the command VISTREL PLANETS.QXC to display it.")});
    const QByteArray compiled = Dir.Read(QStringLiteral("PLANETS.QXC"));
    const QByteArray questions = Dir.Read(QStringLiteral("PLANETS.QXQ"));
    ASSERT_GT(compiled.size(), 5440 + questions.size());
    EXPECT_EQ(compiled.left(5428), Dir.Read(QStringLiteral("PLANETS.QXJ")));
    EXPECT_EQ(Le32(compiled, 5428), 5440);
    EXPECT_EQ(Le32(compiled, 5432), compiled.size() - 12 * 55);
    EXPECT_EQ(Le32(compiled, 5436), 12);
    EXPECT_EQ(compiled.right(12 * 55), questions);
    EXPECT_FALSE(Dir.Exists(QStringLiteral("PLANETS.$$$")));

    ExpectMessage(QStringLiteral("Confirm"), 0);   // not tried at once
    form.ExecBtnClick();
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_EQ(MessageTexts()[1], QStringLiteral(
                                     "The Executable Test PLANETS.EXE has been created.\n\r\n\rDo you want to try it now?"));
    const QString exe = Dir.File(QStringLiteral("PLANETS.EXE"));
    ASSERT_TRUE(QFileInfo(exe).isExecutable());
    EXPECT_EQ(QFileInfo(exe).size(), QFileInfo(ProgramDir + QStringLiteral("quedrix.bin")).size() + compiled.size());

    // The program, as the stub reads itself: a student takes it.
    TCompiledTestFile test;
    test.LazyEntries = true;
    test.OpenAppended(exe);
    ASSERT_EQ(test.Questions.size(), 12u);
    std::memset(&TestConfig, 0, sizeof TestConfig);
    UseCompiledTest(test, QStringLiteral("PLANETS"), Dir.Path());
    // The test's Help button opens its own help file, beside the program.
    EXPECT_EQ(QFileInfo(TestHelpFile()).canonicalFilePath(),
              QFileInfo(Dir.File(QStringLiteral("planets-help.htm"))).canonicalFilePath());
    TScriptedStudent player = Student();
    RunTest(player);
    {
        SCOPED_TRACE("the test program");
        CheckRun(player);
    }

    // Pre-View over the project files gives the same run.
    LoadConfig();
    TestQuestionList.Clear();
    for (int i = 0; i < 12; ++i) {
        TQuestionRecord r;
        std::memcpy(&r, questions.constData() + i * 55, 55);
        AddTestQuestion(r);
    }
    RunEntries = std::make_shared<TFileEntryStore>(EntryPath);
    RunBaseName = QStringLiteral("PLANETS");
    RunFileDir = Dir.Path();
    TScriptedStudent preview = Student();
    RunTest(preview);
    {
        SCOPED_TRACE("Pre-View");
        CheckRun(preview);
    }
    EXPECT_EQ(preview.Events, player.Events);
}

} // namespace
