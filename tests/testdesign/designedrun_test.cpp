// A test designed through the forms and then taken in the tool: the question
// screens and the results window follow what the author saved.
#include "designtest.h"

#include "authoring/questionlist.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/resultsform.h"
#include "runtime/runstate.h"
#include "runtime/scorebar.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

// A question record of the question file, laid out by hand: identifier at 6,
// answer count at 39, correct answer at 43, white text back colour at 47.
QByteArray Record(const QByteArray& id, int answers, int correct)
{
    QByteArray b(55, '\0');
    b[6] = char(id.size());
    b.replace(7, id.size(), id);
    b[39] = char(answers);
    b[43] = char(correct);
    b.replace(47, 3, QByteArray(3, '\xFF'));
    return b;
}

// Colours are compared by name, so that a failure reads as #rrggbb.
QString Back(const QWidget* w) { return w->palette().color(QPalette::Window).name(); }

void Type(QDialog& d, const char* edit, const QString& text) { Child<QLineEdit>(d, edit)->setText(text); }

class DesignedRunTest : public DesignTest {
protected:
    void SetUp() override
    {
        DesignTest::SetUp();
        // Q1: four answers, B right; Q2: three answers, A right.
        Dir.Write(QStringLiteral("MATHS.QXQ"), Record("Q1", 4, 2) + Record("Q2", 3, 1));
        Dir.Write(QStringLiteral("MATHS.QXR"), "[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1 One\\par\r\n}\r\n]\r\n\r\n");
    }
    void TearDown() override
    {
        TestQuestionList.Clear();
        DesignTest::TearDown();
    }
};

const QColor AnswerBar(0x20, 0x40, 0x60), ScorePanel(0x80, 0x10, 0x10), ScoreBar(0x00, 0x00, 0x80),
    PassGraph(0x12, 0x34, 0x56);

} // namespace

TEST_F(DesignedRunTest, TheRunShowsTheSavedFunctionsTextsCaptionsAndColours)
{
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox7")->click();   // Allow Pass
        Child<QCheckBox>(d, "CheckBox9")->click();   // Display Right Answer
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeFunctions();
    OnModal(QStringLiteral("TCustomTextForm"), [](QDialog& d) {
        Type(d, "NextEdit", QStringLiteral("&Onward"));
        Type(d, "Passedit", QStringLiteral("S&kip"));
        Type(d, "ContinueEdit", QStringLiteral("&Finish"));
        Type(d, "AnswerTag", QStringLiteral("Choice"));
        Type(d, "ScoreEdit", QStringLiteral("Marks"));
        Type(d, "CorrectAedit", QStringLiteral("It was"));
        Type(d, "Qresultsedit", QStringLiteral("How you did"));
        Type(d, "QAnswerededit", QStringLiteral("Taken"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeTexts();
    OnModal(QStringLiteral("TQuestPresentForm"), [](QDialog& d) {
        TestScript::Answer(QStringLiteral("colour"), AnswerBar);
        Child<QPushButton>(d, "Button2")->click();
        OnModal(QStringLiteral("TScoreDesignForm"), [](QDialog& s) {
            TestScript::Answer(QStringLiteral("colour"), ScorePanel);
            Child<QPushButton>(s, "PanelBtn")->click();
            TestScript::Answer(QStringLiteral("colour"), ScoreBar);
            Child<QPushButton>(s, "BarBtn")->click();
            Child<QPushButton>(s, "OKBtn")->click();
        });
        Child<QPushButton>(d, "Button1")->click();
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeQuestionDisplay();
    OnModal(QStringLiteral("TQDesignRForm"), [](QDialog& d) {
        Type(d, "Edit1", QStringLiteral("40"));
        TestScript::Answer(QStringLiteral("colour"), PassGraph);
        Child<QPushButton>(d, "PassBtn")->click();
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    DesignResultsGraph();

    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        EXPECT_EQ(f.RichEdit1->Text().trimmed(), QStringLiteral("One"));
        EXPECT_TRUE(f.PassBtn->isVisible());
        EXPECT_EQ(f.PassBtn->text(), QStringLiteral("S&kip"));
        EXPECT_EQ(f.Button1->text().remove(u'&'), QStringLiteral("Choice  A"));
        EXPECT_EQ(f.ScoreLbl->text(), QStringLiteral("Marks"));
        EXPECT_EQ(Back(f.AnswerPnl), AnswerBar.name());
        EXPECT_EQ(Back(f.ScorePnl), ScorePanel.name());
        EXPECT_EQ(f.Gauge1->Look().BackColor.name(), ScoreBar.name());
        f.Button1->click();   // wrong: B is right
        EXPECT_TRUE(f.ShowAnsPnl->isVisible());
        EXPECT_EQ(f.ShowAnsPnl->text(), QStringLiteral("It was B"));
        EXPECT_TRUE(f.NextBitBtn->isVisible());
        EXPECT_EQ(f.NextBitBtn->text(), QStringLiteral("&Onward"));
        f.NextBitBtn->click();
    });
    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        f.Button1->click();   // right
        EXPECT_FALSE(f.ShowAnsPnl->isVisible());
        EXPECT_TRUE(f.ContBitBtn->isVisible());
        EXPECT_EQ(f.ContBitBtn->text(), QStringLiteral("&Finish"));
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TTResultsForm"), [](QDialog& d) {
        auto& r = static_cast<TTResultsForm&>(d);
        EXPECT_EQ(r.windowTitle(), QStringLiteral("How you did"));
        EXPECT_EQ(r.Label1->text(), QStringLiteral("Taken"));
        EXPECT_EQ(r.Label2->text(), QStringLiteral("2"));
        // One of two is 50%: a pass at 40%.
        EXPECT_EQ(r.Gauge1->Look().ForeColor.name(), PassGraph.name());
        r.OKBtn->click();
    });
    PreviewTest();
    EXPECT_EQ(CorrectCount, 1);
}

TEST_F(DesignedRunTest, FunctionsSwitchedOffAreGoneFromTheRun)
{
    QByteArray record = DefaultRecord();
    record[7] = 1;    // display right answer
    record[14] = 1;   // allow pass
    UseRecord(record);
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox7")->click();    // Allow Pass off
        Child<QCheckBox>(d, "CheckBox9")->click();    // Display Right Answer off
        Child<QCheckBox>(d, "CheckBox11")->click();   // no results graph
        Child<QCheckBox>(d, "CheckBox12")->click();   // Allow Quit & Save on
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeFunctions();

    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        EXPECT_FALSE(f.PassBtn->isVisible());
        f.Button1->click();   // wrong
        EXPECT_FALSE(f.ShowAnsPnl->isVisible());
        EXPECT_TRUE(f.QuitSaveBtn->isVisible());
        f.NextBitBtn->click();
    });
    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        EXPECT_FALSE(f.PassBtn->isVisible());
        f.Button1->click();
        f.ContBitBtn->click();
    });
    // No results window: an unscripted one would fail the test.
    PreviewTest();
    EXPECT_EQ(CorrectCount, 1);
}
