// The question commands: the add loop, edit in place, delete with its
// entries, and what a file error leaves behind.

#include "authoringtest.h"
#include "platform/richedit.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runstate.h"
#include <QLabel>
#include <QPushButton>

#include "app/mainform.h"
#include "authoring/addquestionform.h"
#include "authoring/questeditform.h"
#include "authoring/questionlist.h"
#include "authoring/taddtextform.h"
#include "model/errors.h"
#include "platform/richedit.h"
#include "platform/testscript.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

class QuestionListTest : public AuthoringTest {
protected:
    static void Identifier(const QString& id)
    {
        OnModal(QStringLiteral("TAddQuestionForm"), [id](QDialog& d) {
            auto& f = static_cast<TAddQuestionForm&>(d);
            if (id.isEmpty()) {
                f.CancelBtn->click();
                return;
            }
            f.Edit1->setText(id);
            f.OKBtn->click();
        });
    }
    // The question dialog with its numbers, the text editor with text, then
    // the question dialog again closed with Save (or Cancel).
    static void Question(const QString& answers, const QString& correct, const QString& text, bool save = true)
    {
        OnModal(QStringLiteral("TTAddTextForm"), [=](QDialog& d) {
            auto& f = static_cast<TTAddTextForm&>(d);
            f.Edit1->setText(answers);
            f.Edit2->setText(correct);
            f.Button1->click();
        });
        OnModal(QStringLiteral("TQuestEditForm"), [=](QDialog& d) {
            auto& f = static_cast<TQuestEditForm&>(d);
            f.RichEdit1->SetText(text);
            f.SaveBtn->click();
        });
        OnModal(QStringLiteral("TTAddTextForm"), [=](QDialog& d) {
            auto& f = static_cast<TTAddTextForm&>(d);
            (save ? f.BitBtn1 : f.BitBtn2)->click();
        });
    }
    static void AddAnother(bool yes) { ExpectMessage(QStringLiteral("Confirm"), yes ? 1 : 0); }
};

TEST_F(QuestionListTest, AddLoopAppendsAndAsksAgainAfterACancel)
{
    SetQuestions(RecordBytes({"First", 2, 2}));
    Identifier(QString());   // cancelled: still asked
    AddAnother(true);
    Identifier(QStringLiteral("Second"));
    Question(QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("Which?"));
    AddAnother(false);
    AddQuestions();
    EXPECT_EQ(MessageTexts(), QStringList({"Do you want to add another Question?",
                                           "Do you want to add another Question?"}));
    EXPECT_EQ(Questions(), RecordBytes({"First", 2, 2}) + RecordBytes({"Second", 3, 2}));
    EXPECT_EQ(EntryNames(Entries()), QStringList({"Second/QUEST"}));
}

TEST_F(QuestionListTest, CancelledNewQuestionRemovesExactlyWhatItCreated)
{
    const QByteArray entries = CommandEntryBytes("Q1", "HYPER", 10, "page.htm")
                               + QuestEntryBytes("Q0", {"{\\rtf1\\ansi Zero\\par", "}"});
    SetEntries(entries);
    SetQuestions(RecordBytes({"Q0"}));
    Identifier(QStringLiteral("Q1"));
    Question(QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("Written then cancelled"), false);
    AddAnother(false);
    AddQuestions();
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(Questions(), RecordBytes({"Q0"}));
}

TEST_F(QuestionListTest, EditedQuestionKeepsItsPosition)
{
    SetQuestions(RecordBytes({"A", 2, 1}) + RecordBytes({"B", 4, 4}) + RecordBytes({"C", 3, 3}));
    QStringList shown;
    QString caption;
    int help = 0;
    ChooseFromList(1, &shown, &caption, &help);
    OnModal(QStringLiteral("TTAddTextForm"), [](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("4"));
        f.Edit1->setText(QStringLiteral("5"));
        f.Edit2->setText(QStringLiteral("2"));
        f.BitBtn1->click();
    });
    EditQuestion();
    EXPECT_EQ(shown, QStringList({"A", "B", "C"}));
    EXPECT_EQ(caption, QStringLiteral("Select a Question to Edit"));
    EXPECT_EQ(help, 160);
    EXPECT_EQ(Questions(), RecordBytes({"A", 2, 1}) + RecordBytes({"B", 5, 2}) + RecordBytes({"C", 3, 3}));

    // Closing the list without a choice, or the dialog with Cancel, writes nothing.
    ChooseFromList(-1);
    EditQuestion();
    ChooseFromList(2);
    OnModal(QStringLiteral("TTAddTextForm"), [](QDialog& d) {
        static_cast<TTAddTextForm&>(d).Edit1->setText(QStringLiteral("6"));
        static_cast<TTAddTextForm&>(d).BitBtn2->click();
    });
    EditQuestion();
    EXPECT_EQ(Questions(), RecordBytes({"A", 2, 1}) + RecordBytes({"B", 5, 2}) + RecordBytes({"C", 3, 3}));
}

TEST_F(QuestionListTest, DeleteRemovesTheFlaggedEntriesAndTheRecordOnly)
{
    TRecordSpec b{"B", 4, 2};
    b.Information = true;
    b.Wrong = true;
    SetQuestions(RecordBytes({"A"}) + RecordBytes(b) + RecordBytes({"C"}));
    SetEntries(QuestEntryBytes("A", {"{\\rtf1 a\\par", "}"}) + QuestEntryBytes("B", {"{\\rtf1 b\\par", "}"})
               + CommandEntryBytes("B^INFO^", "INFO", 10, "i.htm") + CommandEntryBytes("B", "HYPER", 10, "h.htm")
               + CommandEntryBytes("B^WG^", "INFO", 10, "w.htm") + CommandEntryBytes("B^EXP^", "INFO", 10, "e.htm")
               + QuestEntryBytes("C", {"{\\rtf1 c\\par", "}"}));

    // No: nothing changes.
    const QByteArray before = Entries();
    ChooseFromList(1);
    ExpectMessage(QStringLiteral("Confirm"), 0);
    DeleteQuestion();
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("Question \"B\" will be deleted.\n\r\n\rContinue?"));
    EXPECT_EQ(Entries(), before);
    EXPECT_EQ(Questions().size(), 165);

    QString caption;
    int help = 0;
    ChooseFromList(1, nullptr, &caption, &help);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    DeleteQuestion();
    EXPECT_EQ(caption, QStringLiteral("Select a Question to Delete"));
    EXPECT_EQ(help, 180);
    EXPECT_EQ(Questions(), RecordBytes({"A"}) + RecordBytes({"C"}));
    // The hyperlink named like the question survives, and so does the
    // explanation entry its record did not claim.
    EXPECT_EQ(EntryNames(Entries()), QStringList({"A/QUEST", "B/HYPER", "B^EXP^/INFO", "C/QUEST"}));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.TMP")));
}

TEST_F(QuestionListTest, DeletingTheLastQuestionSwitchesTheQuestionCommandsOff)
{
    SetQuestions(RecordBytes({"Only"}));
    SetEntries(CommandEntryBytes("Only", "HYPER", 10, "h.htm") + QuestEntryBytes("Only", {"{\\rtf1 o\\par", "}"}));
    Ttestmainform form;
    form.RefreshCommands();
    ASSERT_TRUE(form.DeleteBtn->isEnabled());
    ChooseFromList(0);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    form.DeleteBtnClick();
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXQ")));
    for (QPushButton* b : {form.EditBtn, form.ViewBtn, form.DeleteBtn, form.PreviewBtn, form.CompileBtn, form.ExecBtn,
                           form.DistribBtn})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(form.AddBtn->isEnabled());
    EXPECT_EQ(Entries(), CommandEntryBytes("Only", "HYPER", 10, "h.htm"));
}

TEST_F(QuestionListTest, ViewChoosesAQuestionAndShowsItAsTheOnlyQuestionOfARun)
{
    SetConfigDefaults();
    SetQuestions(RecordBytes({"A"}) + RecordBytes({"B", 3, 2}));
    SetEntries(QuestEntryBytes("B", {"{\\rtf1 Which one?\\par", "}"}));
    QString caption;
    int help = 0;
    ChooseFromList(1, nullptr, &caption, &help);
    bool checked = false;
    OnModal(QStringLiteral("TTQtextDisplayForm"), [&](QDialog& d) {
        auto& form = static_cast<TTQtextDisplayForm&>(d);
        EXPECT_EQ(form.RichEdit1->Text().trimmed(), QStringLiteral("Which one?"));
        EXPECT_TRUE(form.Button3->isVisible());
        EXPECT_FALSE(form.Button4->isVisible());
        form.Button2->click();
        EXPECT_TRUE(form.ContBitBtn->isVisible());   // a total of 1: the last question
        EXPECT_EQ(form.QDoneLbl->text(), QStringLiteral("1"));
        form.ContBitBtn->click();
        checked = true;
    });
    ViewQuestion();
    EXPECT_TRUE(checked);
    EXPECT_EQ(TakeCount, 1);
    EXPECT_EQ(ScorePercent, 100);
    EXPECT_EQ(caption, QStringLiteral("Select a Question to View"));
    EXPECT_EQ(help, 170);
    // Without a question file nothing is shown at all.
    QFile::remove(Dir.File(QStringLiteral("MATHS.QXQ")));
    ViewQuestion();
    EditQuestion();
    DeleteQuestion();
}

TEST_F(QuestionListTest, FailedDeleteRemovesNothing)
{
    TRecordSpec b{"B", 4, 2};
    b.Information = true;
    SetQuestions(RecordBytes({"A"}) + RecordBytes(b));
    const QByteArray entries = QuestEntryBytes("A", {"{\\rtf1 a\\par", "}"}) + QuestEntryBytes("B", {"{\\rtf1 b\\par", "}"})
                               + CommandEntryBytes("B^INFO^", "INFO", 10, "i.htm");
    SetEntries(entries);
    const QByteArray questions = Questions();
    TImmutableFile lock(Dir.File(QStringLiteral("MATHS.QXQ")));
    if (!lock.Active())
        GTEST_SKIP() << "this file system cannot make a file immutable";
    ChooseFromList(1);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    EXPECT_THROW(DeleteQuestion(), EQuendraError);
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(Questions(), questions);
}

TEST_F(QuestionListTest, FailedAddLeavesNoTextEntryBehind)
{
    SetQuestions(RecordBytes({"A"}));
    const QByteArray entries = QuestEntryBytes("A", {"{\\rtf1 a\\par", "}"});
    SetEntries(entries);
    TImmutableFile lock(Dir.File(QStringLiteral("MATHS.QXQ")));
    if (!lock.Active())
        GTEST_SKIP() << "this file system cannot make a file immutable";
    Identifier(QStringLiteral("B"));
    Question(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("Never stored"));
    EXPECT_THROW(AddQuestions(), EQuendraError);
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(Questions(), RecordBytes({"A"}));
}

} // namespace
