// The question screen: its layout rules, the answer and its feedback, the
// ways out, the keyboard and what a screen reader is told.
#include "harness.h"

#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "runtime/entrystore.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runstate.h"
#include "runtime/scorebar.h"

#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>

namespace {

void Key(QWidget* w, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// A mouse click as the window system delivers it: press and release.
void Click(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// The entry file as it is at each call: the tests add entries after the
// screen's store is set up, where a run's store is a snapshot taken at start.
class TLiveEntryStore final : public TEntryStore {
public:
    explicit TLiveEntryStore(const QString& file) : FFile(file) {}
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const override
    { return TFileEntryStore(FFile).ReadEntry(name, source, lines); }
    bool ReadQuestionText(const QString& identifier, QStringList& text) const override
    { return TFileEntryStore(FFile).ReadQuestionText(identifier, text); }
    bool ReadIntroduction(QStringList& text) const override
    { return TFileEntryStore(FFile).ReadIntroduction(text); }
    void ListEntryNames(QStringList& names, const QString& source) const override
    { TFileEntryStore(FFile).ListEntryNames(names, source); }

private:
    QString FFile;
};

class QuestionScreenTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        SetConfigDefaults();
        ResetRunState();
        Dir.UseAsProject(QStringLiteral("T"));
        RunEntries = std::make_shared<TLiveEntryStore>(EntryPath);
        std::memset(&CurrentQuestion, 0, sizeof CurrentQuestion);
        CurrentQuestion.Identifier = QStringLiteral("Q1");
        CurrentQuestion.AnswerCount = 4;
        CurrentQuestion.CorrectAnswer = 4;
        CurrentQuestion.TextBackColor = 0x00FFFFFF;
        TakeCount = 10;
        AnsweredCount = 3;
        CorrectCount = 1;
    }
    void TearDown() override
    {
        RunEntries.reset();
        QuendraTest::TearDown();
    }
    TScratchDir Dir;
};

TEST_F(QuestionScreenTest, CommandBarPositionsBeforeAndAfterTheAnswer)
{
    TestConfig.AllowPass = true;
    TestConfig.AllowQuitSave = true;
    TestConfig.Program.UseHelpFile = true;
    TestConfig.Presentation.AboutEnabled = true;
    CurrentQuestion.HasInformation = true;
    CurrentQuestion.HasExplanation = true;
    TTQtextDisplayForm form({});
    form.show();
    EXPECT_EQ(form.size(), QSize(640, 480));
    EXPECT_EQ(form.PassBtn->x(), 5);
    EXPECT_EQ(form.InformBtn->x(), 85);
    EXPECT_EQ(form.HelpBtn->x(), 165);
    EXPECT_EQ(form.AboutBtn->x(), 245);
    EXPECT_EQ(form.PassBtn->size(), QSize(75, 18));
    EXPECT_EQ(form.PassBtn->y(), 4);
    for (QPushButton* b : {form.ExplBtn, form.QuitSaveBtn, form.QuitBtn, form.NextBitBtn, form.ContBitBtn})
        EXPECT_FALSE(b->isVisible()) << b->objectName().toStdString();
    EXPECT_EQ(form.Button3->geometry(), QRect(43 + 96 * 2, 8, 75, 25));
    EXPECT_EQ(form.PassBtn->text(), QStringLiteral("&Pass"));
    EXPECT_EQ(form.QuitBtn->text(), QStringLiteral("&Quit"));

    form.Button2->click();
    EXPECT_FALSE(form.PassBtn->isVisible());
    EXPECT_FALSE(form.InformBtn->isVisible());
    EXPECT_EQ(form.ExplBtn->x(), 5);
    EXPECT_EQ(form.HelpBtn->x(), 85);
    EXPECT_EQ(form.AboutBtn->x(), 165);
    EXPECT_EQ(form.QuitSaveBtn->x(), 245);
    EXPECT_EQ(form.QuitBtn->x(), 325);
    EXPECT_TRUE(form.NextBitBtn->isVisible());
    EXPECT_FALSE(form.ContBitBtn->isVisible());
    for (int k = 1; k <= 6; ++k)
        EXPECT_FALSE(form.AnswerButton(k)->isVisible());
    EXPECT_EQ(CurrentQuestion.Answered, 1);
    EXPECT_EQ(CurrentQuestion.ChosenAnswer.get(), 2);
    EXPECT_EQ(CurrentQuestion.Deleted, 0);
    EXPECT_EQ(AnsweredCount, 3);
    EXPECT_EQ(CorrectCount, 1);
    form.NextBitBtn->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(QuitRequested || QuitSaveRequested);
}

TEST_F(QuestionScreenTest, TwoAnswersAndTheCorrectAnswerPanel)
{
    CurrentQuestion.AnswerCount = 2;
    CurrentQuestion.CorrectAnswer = 1;
    TTQtextDisplayForm two({});
    two.show();
    EXPECT_TRUE(two.Button1->isVisible());
    EXPECT_TRUE(two.Button2->isVisible());
    for (int k = 3; k <= 6; ++k) {
        EXPECT_FALSE(two.AnswerButton(k)->isVisible());
        EXPECT_FALSE(two.AnswerButton(k)->isEnabled());
    }
    EXPECT_EQ(two.Button1->text(), QStringLiteral("Answer  &A"));
    EXPECT_EQ(two.Button2->accessibleName(), QStringLiteral("Answer B"));
    ExpectMessage(QStringLiteral("Confirm"), 0);   // "All results will be lost" answered No
    two.reject();
    EXPECT_TRUE(two.isVisible());
    EXPECT_EQ(MessageTexts().value(0), QStringLiteral("All results will be lost. Quit anyway?"));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    Key(&two, Qt::Key_Escape);
    EXPECT_FALSE(two.isVisible());
    EXPECT_TRUE(QuitRequested);

    QuitRequested = false;
    CurrentQuestion.AnswerCount = 4;
    CurrentQuestion.CorrectAnswer = 4;
    TestConfig.DisplayRightAnswer = true;
    TTQtextDisplayForm form({});
    form.show();
    form.Button1->click();
    EXPECT_TRUE(form.ShowAnsPnl->isVisible());
    EXPECT_EQ(form.ShowAnsPnl->text(), QStringLiteral("The Correct answer is D"));
    EXPECT_EQ(form.ShowAnsPnl->geometry(), QRect(187, 7, 265, 21));
}

TEST_F(QuestionScreenTest, LastQuestionOffersContinueAndClosesWithoutAsking)
{
    TestConfig.AllowQuitSave = true;
    TestConfig.QuestionScreen.DisplayScorePanel = true;
    TakeCount = 7;
    AnsweredCount = 7;
    CorrectCount = 2;
    TTQtextDisplayForm form({});
    form.show();
    EXPECT_TRUE(form.ScorePnl->isVisible());
    EXPECT_EQ(form.QDoneLbl->text(), QStringLiteral("6"));
    EXPECT_EQ(form.ShowTquestlbl->text(), QStringLiteral("7"));
    form.Button4->click();
    EXPECT_EQ(CorrectCount, 3);
    EXPECT_EQ(form.QDoneLbl->text(), QStringLiteral("7"));
    EXPECT_EQ(form.QrightLbl->text(), QStringLiteral("3"));
    EXPECT_EQ(form.QrightLbl->accessibleName(), QStringLiteral("Correct 3"));
    EXPECT_EQ(form.Gauge1->Progress(), 3);
    EXPECT_TRUE(form.ContBitBtn->isVisible());
    EXPECT_FALSE(form.NextBitBtn->isVisible());
    EXPECT_FALSE(form.QuitBtn->isVisible());
    EXPECT_FALSE(form.QuitSaveBtn->isVisible());
    form.close();   // the close box: no confirmation, no quit flag
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(QuitRequested);
    EXPECT_EQ(ScorePercent, 42);
    EXPECT_EQ(CurrentQuestion.Deleted, 1);   // the correct flag
}

TEST_F(QuestionScreenTest, ADoubleClickDuringTheFeedbackCountsOnce)
{
    // The right feedback is a picture whose file is missing: its error box
    // stands for a sound or a program that keeps the event loop running.
    AppendCommandEntry(EntryPath, QStringLiteral("Q1^RT^"), 2, QStringLiteral("INFO"), QStringLiteral("gone.bmp"));
    CurrentQuestion.HasRightFeedback = true;
    TTQtextDisplayForm form({});
    form.show();
    bool enabledMeanwhile = true;
    TestScript::AnswerMessage(QStringLiteral("Error"), 0, [&](const QString&) {
        enabledMeanwhile = form.isEnabled();
        Click(form.Button4);
        form.AnswerClick(4);
        form.PassBtnClick();
    });
    Click(form.Button4);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(CorrectCount, 2);
    EXPECT_EQ(MessageTexts(), QStringList {QStringLiteral("The file GONE.BMP is missing")});
}

TEST_F(QuestionScreenTest, KeyboardAloneTakesTheQuestion)
{
    TTQtextDisplayForm form({});
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), form.Button1);
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Button2);
    Key(QApplication::focusWidget(), Qt::Key_D, QStringLiteral("d"));   // the letter answers
    EXPECT_EQ(CurrentQuestion.ChosenAnswer.get(), 4);
    EXPECT_EQ(CorrectCount, 2);
    Key(QApplication::focusWidget(), Qt::Key_Return);   // Enter: Next
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.RichEdit1->accessibleName(), QStringLiteral("Question text"));

    // From the question text too; after the answer Tab goes from Next to
    // the command bar.
    TestConfig.AllowQuitSave = true;
    TTQtextDisplayForm second({});
    second.show();
    QApplication::setActiveWindow(&second);
    second.RichEdit1->setFocus();
    Key(second.RichEdit1, Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(CurrentQuestion.ChosenAnswer.get(), 2);
    EXPECT_EQ(QApplication::focusWidget(), second.NextBitBtn);
    Key(second.NextBitBtn, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second.QuitSaveBtn);
    Key(second.QuitSaveBtn, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second.QuitBtn);
}

TEST_F(QuestionScreenTest, HyperlinkClicksAndAttachments)
{
    TRichEdit source;
    source.SetText(QStringLiteral("Find the square root here."));
    source.Select(9, 11);
    TTextAttributes u;
    u.Underline = true;
    source.SetSelAttributes(u, TAttribute::Underline);
    TTQtextDisplayForm form(source.SaveToLines());
    form.show();
    form.RichEdit1->SetSelStart(12);
    ExpectMessage(QStringLiteral("Information"));
    form.RichEdit1MouseDown();
    EXPECT_EQ(MessageTexts().value(0), QStringLiteral("\"square root\" is not HyperText"));
    EXPECT_EQ(form.RichEdit1->SelStart(), 12);
    form.RichEdit1->SetSelStart(2);   // not underlined: nothing
    form.RichEdit1MouseDown();
    // A mouse press on the phrase moves the caret there and asks once the
    // press is over.
    {
        QTextCursor at(form.RichEdit1->document());
        at.setPosition(15);
        const QPointF p = form.RichEdit1->cursorRect(at).center() + QPointF(2, 0);
        QWidget* vp = form.RichEdit1->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, p, vp->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, p, vp->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &release);
        ExpectMessage(QStringLiteral("Information"));
        PumpEvents(50);
        EXPECT_EQ(MessageTexts().value(1), QStringLiteral("\"square root\" is not HyperText"));
    }

    // Enter with the caret on the phrase opens it too (keyboard alone).
    form.RichEdit1->SetSelStart(11);
    ExpectMessage(QStringLiteral("Information"));
    Key(form.RichEdit1, Qt::Key_Return);
    EXPECT_EQ(MessageTexts().value(2), QStringLiteral("\"square root\" is not HyperText"));
    EXPECT_TRUE(form.isVisible());

    // A hyperlink entry of that phrase is shown (a missing picture here).
    AppendCommandEntry(EntryPath, QStringLiteral("Square Root"), 2, QStringLiteral("HYPER"), QStringLiteral("root.bmp"));
    form.RichEdit1->SetSelStart(10);
    ExpectMessage(QStringLiteral("Error"));
    form.RichEdit1MouseDown();
    EXPECT_EQ(MessageTexts().value(3), QStringLiteral("The file ROOT.BMP is missing"));

    // Information and explanation read "<identifier>^INFO^" and "^EXP^".
    AppendCommandEntry(EntryPath, QStringLiteral("Q1^INFO^"), 2, QStringLiteral("INFO"), QStringLiteral("info.bmp"));
    ExpectMessage(QStringLiteral("Error"));
    form.InformBtnClick();
    EXPECT_EQ(MessageTexts().value(4), QStringLiteral("The file INFO.BMP is missing"));
    form.ExplBtnClick();   // no such entry: nothing
    EXPECT_EQ(MessageTexts().size(), 5);
}

} // namespace

namespace {

TEST_F(QuestionScreenTest, TheQuestionKeepsItsOwnFormatting)
{
    TTQtextDisplayForm form({QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Where does the \\b Nile\\b0  end?\\par}")});
    form.show();
    QTextCursor c(form.RichEdit1->document());
    c.setPosition(3);
    EXPECT_FALSE(c.charFormat().font().bold());
    c.setPosition(17);
    EXPECT_TRUE(c.charFormat().font().bold());
    EXPECT_TRUE(form.Button1->font().bold());
}

} // namespace
