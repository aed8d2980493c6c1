// Screenshots of the screens of a test run for a person to look at. Runs
// only when QUENDRA_SCREENSHOTS names a folder, on a real display (Xvfb).
#include "harness.h"
#include "../platform/testmedia.h"

#include "model/entryfile.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "runtime/entrystore.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <cstring>

namespace {

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

class RunScreenShots : public QuendraTest {};

TEST_F(RunScreenShots, QuestionScreenAndRunDialogs)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    SetConfigDefaults();
    ResetRunState();
    TestConfig.AllowPass = true;
    TestConfig.AllowQuitSave = true;
    TestConfig.DisplayRightAnswer = true;
    TestConfig.Program.UseHelpFile = true;
    TestConfig.Presentation.AboutEnabled = true;
    TestConfig.QuestionScreen.DisplayScorePanel = true;
    TestConfig.QuestionScreen.AnswerBarColor = 0x00C0C0C0;
    TestConfig.QuestionScreen.ScorePanelColor = 0x00808000;
    TestConfig.QuestionScreen.ScorePanelTextColor = 0x00FFFFFF;
    TestConfig.QuestionScreen.ScoreBarColor = 0x00FFFFFF;
    TestConfig.QuestionScreen.ScoreProgressColor = 0x00800000;
    ProgramTitleText = QStringLiteral("Geography of the Andes");
    dir.Write(QStringLiteral("right.bmp"), TestMedia::Encode(TestMedia::Pattern(320, 240), "BMP"));
    AppendCommandEntry(EntryPath, QStringLiteral("Q1^RT^"), 2, QStringLiteral("INFO"), QStringLiteral("right.bmp,0"));
    RunEntries = std::make_shared<TFileEntryStore>(EntryPath);

    TRichEdit source;
    source.setHtml(QStringLiteral(
        "<p style='font-size:14pt'><b>Question 4.</b> Which of these peaks is the <i>highest</i> mountain of the "
        "<u>Andes</u>?</p><p style='color:#800000'>Think of the <u>Aconcagua</u> and of the volcanoes of "
        "Ecuador.</p><ul><li>A: Chimborazo</li><li>B: Huascaran</li><li>C: Aconcagua</li><li>D: Ojos del Salado</li></ul>"));
    const QStringList lines = source.SaveToLines();
    std::memset(&CurrentQuestion, 0, sizeof CurrentQuestion);
    CurrentQuestion.Identifier = QStringLiteral("Q1");
    CurrentQuestion.AnswerCount = 4;
    CurrentQuestion.CorrectAnswer = 3;
    CurrentQuestion.TextBackColor = 0x00E0FFFF;
    CurrentQuestion.HasInformation = true;
    CurrentQuestion.HasExplanation = true;
    CurrentQuestion.HasRightFeedback = true;
    TakeCount = 10;
    AnsweredCount = 4;
    CorrectCount = 2;
    {
        TTQtextDisplayForm form(lines);
        form.show();
        Shoot(QStringLiteral("question"));
        OnModal(QStringLiteral("TShowMultForm"), [](QDialog& d) {
            Shoot(QStringLiteral("question-right-feedback"));
            d.accept();
        });
        form.Button3->click();
        Shoot(QStringLiteral("question-answered-right"));
    }
    CurrentQuestion.HasRightFeedback = false;
    {
        TTQtextDisplayForm form(lines);
        form.show();
        form.Button1->click();
        Shoot(QStringLiteral("question-answered-wrong"));
    }

    AvailableCount = 10;
    TakeCount = 10;
    OnModal(QStringLiteral("TTestTotakeForm"), [](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(4);
        Shoot(QStringLiteral("take-count"));
        d.accept();
    });
    AskTakeCount();
    OnModal(QStringLiteral("TStartQuestionForm"), [](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(8);
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        Shoot(QStringLiteral("start-question"));
        d.accept();
    });
    ExpectMessage(QStringLiteral("Error"));
    AskStartQuestion();
    RunEntries.reset();
}

} // namespace
