// The identifier dialog and the question dialog: their checks, in order, and
// what the dialog leaves in the record and the entry file.

#include "authoringtest.h"

#include "authoring/addquestionform.h"
#include "authoring/taddtextform.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/testscript.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <functional>

namespace {

class QuestionDialogTest : public AuthoringTest {
protected:
    // Runs act, which must show exactly one error box with this text.
    void ExpectError(const std::function<void()>& act, const QString& text)
    {
        const qsizetype before = MessageTexts().size();
        ExpectMessage(QStringLiteral("Error"));
        act();
        ASSERT_EQ(MessageTexts().size(), before + 1) << text.toStdString();
        EXPECT_EQ(MessageTexts().last(), text);
    }
    void ExpectQuiet(const std::function<void()>& act)
    {
        const qsizetype before = MessageTexts().size();
        act();
        EXPECT_EQ(MessageTexts().size(), before);
    }
    static void LoadBuffer(const QByteArray& bytes) { std::memcpy(&QuestionBuffer, bytes.constData(), 55); }
};

TEST_F(QuestionDialogTest, IdentifierClashIgnoresCaseOnLeavingTheFieldAndOnOK)
{
    SetQuestions(RecordBytes({"Alpha"}) + RecordBytes({"beta"}));
    {
        TAddQuestionForm form;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(HelpContextOf(&form), 145);
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Enter a Test Question Identifier"));
        EXPECT_EQ(form.Edit1->maxLength(), 25);
        form.Edit1->setText(QStringLiteral("ALPHA"));
        ExpectError([&] { LeaveField(form.Edit1); }, QStringLiteral("That Identifier is already in use."));
        EXPECT_TRUE(form.Edit1->text().isEmpty());
        ExpectQuiet([&] { LeaveField(form.Edit1); });   // empty: not checked
        form.Edit1->setText(QStringLiteral("Alphabet"));
        ExpectQuiet([&] { LeaveField(form.Edit1); });
        EXPECT_EQ(form.Edit1->text(), QStringLiteral("Alphabet"));
    }

    // OK: an empty field keeps the dialog open; a clash typed and confirmed
    // with Enter (the focus never left the field) is refused too.
    bool openAfterEmpty = false, openAfterClash = false;
    OnModal(QStringLiteral("TAddQuestionForm"), [&](QDialog& d) {
        auto& f = static_cast<TAddQuestionForm&>(d);
        ExpectError([&] { f.OKBtn->click(); }, QStringLiteral("The Identifier must be defined."));
        openAfterEmpty = d.isVisible();
        f.Edit1->setText(QStringLiteral("BETA"));
        ExpectError([&] { f.OKBtn->click(); }, QStringLiteral("That Identifier is already in use."));
        openAfterClash = d.isVisible();
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        f.Edit1->setText(QStringLiteral("Gamma"));
        f.OKBtn->click();
    });
    std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
    EXPECT_TRUE(RunIdentifierDialog());
    EXPECT_TRUE(openAfterEmpty);
    EXPECT_TRUE(openAfterClash);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), QStringLiteral("Gamma"));

    // Cancel always closes and leaves the record alone.
    OnModal(QStringLiteral("TAddQuestionForm"), [](QDialog& d) {
        static_cast<TAddQuestionForm&>(d).Edit1->setText(QStringLiteral("alpha"));
        static_cast<TAddQuestionForm&>(d).CancelBtn->click();
    });
    EXPECT_FALSE(RunIdentifierDialog());
    EXPECT_EQ(QuestionBuffer.Identifier.str(), QStringLiteral("Gamma"));
}

TEST_F(QuestionDialogTest, NumberFieldsAreCheckedOnLeavingThemInTheDesignedOrder)
{
    TTAddTextForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(HelpContextOf(&f), 141);
    EXPECT_EQ(f.Edit1->maxLength(), 1);
    EXPECT_EQ(f.Edit2->maxLength(), 1);
    struct {
        QLineEdit* field;
        const char* text;
        const char* message;
    } const refused[] = {
        {f.Edit1, "7", "The maximum number of answers is 6."},
        {f.Edit1, "1", "The number of answers must be greater than 1."},
        {f.Edit1, "0", "The number of answers must be greater than 1."},
        {f.Edit1, "x", "That is not a valid number."},
        {f.Edit2, "0", "The correct answer must be at least 1."},
        {f.Edit2, "7", "The maximum number of answers is 6."},
        {f.Edit2, "-", "That is not a valid number."},
    };
    for (const auto& r : refused) {
        r.field->setText(QString::fromLatin1(r.text));
        ExpectError([&] { LeaveField(r.field); }, QString::fromLatin1(r.message));
        EXPECT_TRUE(r.field->text().isEmpty()) << r.text;
    }
    // An empty field is not checked on leaving it.
    ExpectQuiet([&] { LeaveField(f.Edit1); LeaveField(f.Edit2); });
    // With 3 answers, 4 as the correct answer is refused on leaving.
    f.Edit1->setText(QStringLiteral("3"));
    ExpectQuiet([&] { LeaveField(f.Edit1); });
    f.Edit2->setText(QStringLiteral("4"));
    ExpectError([&] { LeaveField(f.Edit2); },
                QStringLiteral("The correct answer cannot be greater than the maximum number of answers."));
    EXPECT_TRUE(f.Edit2->text().isEmpty());
    f.Edit2->setText(QStringLiteral("3"));
    ExpectQuiet([&] { LeaveField(f.Edit2); });
}

TEST_F(QuestionDialogTest, SaveChecksRunInOrderAndRecheckFieldsNeverLeft)
{
    LoadBuffer(RecordBytes({"Q1", 0, 0}));
    bool stillOpen = true;
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        EXPECT_TRUE(f.Edit1->text().isEmpty());   // 0 is not shown
        EXPECT_TRUE(f.Edit2->text().isEmpty());
        auto save = [&] { f.BitBtn1->click(); };
        ExpectError(save, QStringLiteral("The Number of Answers must be entered."));
        f.Edit1->setText(QStringLiteral("7"));
        ExpectError(save, QStringLiteral("The Correct Answer must be entered."));
        // Typed last, never validated by leaving the field: refused, never stored.
        f.Edit2->setText(QStringLiteral("2"));
        f.Edit1->setText(QStringLiteral("x"));
        ExpectError(save, QStringLiteral("That is not a valid number."));
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        f.Edit1->setText(QStringLiteral("1"));
        ExpectError(save, QStringLiteral("The number of answers must be greater than 1."));
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        f.Edit1->setText(QStringLiteral("7"));
        ExpectError(save, QStringLiteral("The maximum number of answers is 6."));
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        f.Edit1->setText(QStringLiteral("6"));
        f.Edit2->setText(QStringLiteral("?"));
        ExpectError(save, QStringLiteral("That is not a valid number."));
        f.Edit2->setText(QStringLiteral("0"));
        ExpectError(save, QStringLiteral("The correct answer must be at least 1."));
        EXPECT_TRUE(f.Edit2->text().isEmpty());
        // 6 answers, correct 4; reducing the answers to 3 passes its own
        // field check, and Save refuses the correct answer.
        f.Edit2->setText(QStringLiteral("4"));
        ExpectQuiet([&] { LeaveField(f.Edit2); });
        f.Edit1->setText(QStringLiteral("3"));
        ExpectQuiet([&] { LeaveField(f.Edit1); });
        ExpectError(save, QStringLiteral("The correct answer cannot exceed the number of questions."));
        EXPECT_TRUE(f.Edit2->text().isEmpty());
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("3"));
        stillOpen = d.isVisible();
        f.Edit2->setText(QStringLiteral("3"));
        save();   // an existing question needs no new text
    });
    EXPECT_TRUE(RunQuestionDialog(false));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(int(QuestionBuffer.AnswerCount), 3);
    EXPECT_EQ(int(QuestionBuffer.CorrectAnswer), 3);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), QStringLiteral("Q1"));
}

TEST_F(QuestionDialogTest, NewQuestionNeedsItsTextAndCancelLeavesNothing)
{
    LoadBuffer(RecordBytes({"Q1", 0, 0}));
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        f.Edit1->setText(QStringLiteral("3"));
        f.Edit2->setText(QStringLiteral("2"));
        ExpectError([&] { f.BitBtn1->click(); }, QStringLiteral("The Question has not been entered."));
        EXPECT_TRUE(d.isVisible());
        f.BitBtn2->click();
    });
    EXPECT_FALSE(RunQuestionDialog(true));
    EXPECT_EQ(int(QuestionBuffer.AnswerCount), 0);   // unchanged
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXQ")));
}

TEST_F(QuestionDialogTest, AttachedRowsShowTheirMarkAndClearedRowsLoseEntriesOnlyOnSave)
{
    const QByteArray entries = CommandEntryBytes("Q1", "HYPER", 10, "page.htm")
                               + QuestEntryBytes("Q1", {"{\\rtf1\\ansi Text\\par", "}"})
                               + CommandEntryBytes("Q1^WG^", "INFO", 10, "wrong.htm")
                               + CommandEntryBytes("Q1^RT^", "INFO", 10, "right.htm");
    SetEntries(entries);
    TRecordSpec rec{"Q1", 4, 2};
    rec.Wrong = true;
    rec.Right = true;
    LoadBuffer(RecordBytes(rec));

    // Edit mode: Delete then Cancel changes nothing.
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("4"));
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("2"));
        EXPECT_EQ(f.Panel4->text(), TTAddTextForm::CheckMark());
        EXPECT_TRUE(f.Button9->isEnabled());
        EXPECT_EQ(f.Panel3->text(), TTAddTextForm::CheckMark());
        EXPECT_TRUE(f.Button8->isEnabled());
        EXPECT_TRUE(f.Panel1->text().isEmpty());
        EXPECT_FALSE(f.Button6->isEnabled());
        EXPECT_FALSE(f.Button7->isEnabled());
        f.Button9->click();
        EXPECT_TRUE(f.Panel4->text().isEmpty());
        EXPECT_FALSE(f.Button9->isEnabled());
        f.BitBtn2->click();
    });
    EXPECT_FALSE(RunQuestionDialog(false));
    EXPECT_TRUE(QuestionBuffer.HasWrongFeedback);
    EXPECT_EQ(Entries(), entries);

    // Delete then Save: the flag is cleared and only that entry goes; the
    // hyperlink of the same name and the question text stay.
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        f.Button9->click();
        f.BitBtn1->click();
    });
    EXPECT_TRUE(RunQuestionDialog(false));
    EXPECT_FALSE(QuestionBuffer.HasWrongFeedback);
    EXPECT_TRUE(QuestionBuffer.HasRightFeedback);
    EXPECT_EQ(Entries(), CommandEntryBytes("Q1", "HYPER", 10, "page.htm")
                             + QuestEntryBytes("Q1", {"{\\rtf1\\ansi Text\\par", "}"})
                             + CommandEntryBytes("Q1^RT^", "INFO", 10, "right.htm"));
}

TEST_F(QuestionDialogTest, AttachmentMenuIsAnnouncedAndTheDialogComesBack)
{
    LoadBuffer(RecordBytes({"Q1", 4, 2}));
    int shown = 0;
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        ++shown;
        static_cast<TTAddTextForm&>(d).Button3->click();
    });
    // The attachment menu of the row, cancelled: nothing is attached.
    OnModal(QStringLiteral("TQInfoMenuForm"), [](QDialog& d) { d.reject(); });
    OnModal(QStringLiteral("TTAddTextForm"), [&](QDialog& d) {
        ++shown;
        auto& f = static_cast<TTAddTextForm&>(d);
        EXPECT_TRUE(f.Panel1->text().isEmpty());   // nothing attached
        f.BitBtn2->click();
    });
    EXPECT_FALSE(RunQuestionDialog(false));
    EXPECT_EQ(shown, 2);
}

} // namespace
