// Attachments written through the menus, then shown by a test taken in the
// tool: information, explanation, right and wrong feedback, a hyperlink and
// the score group's feedback.
#include "attachtest.h"

#include "authoring/attachments.h"
#include "authoring/commentsform.h"
#include "authoring/hypaddform.h"
#include "authoring/hyperlinks.h"
#include "authoring/questhypmenuform.h"
#include "authoring/questionlist.h"
#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runstate.h"
#include "runtime/showhtextform.h"
#include "runtime/txtvpdispform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {

// 31 underlined characters that start the question's second line.
const QByteArray LongRun = "Thirty-one characters long, ok.";

class AttachedRunTest : public AttachTest {
protected:
    void SetUp() override
    {
        AttachTest::SetUp();
        SetConfigDefaults();
        TestConfig.ShowResultsGraph = true;
        SaveConfig();
        // Q1: four answers, B right, with information, explanation and
        // right feedback; Q2: three answers, A right, with wrong feedback.
        SetQuestions(RecordBytes({"Q1", 4, 2, 0x00FFFFFF, true, true, true, false})
                     + RecordBytes({"Q2", 3, 1, 0x00FFFFFF, false, false, false, true}));
        SetEntries(QuestEntryBytes("Q1", {"{\\rtf1\\ansi What is 6 x 7?\\par", "\\ul " + LongRun + "\\ulnone\\par", "}"})
                   + QuestEntryBytes("Q2", {"{\\rtf1\\ansi What is 2 + 2?\\par", "}"}));
        std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
    }

    // A text kind (1 or 5) written through the menu of that class.
    static void DefineText(const char* menu, int kind, const QString& text)
    {
        Menu(menu, [kind](TAttachMenuForm& m) {
            m.Radio(kind)->click();
            m.AddButton(kind)->click();
        });
        TypeText(text, kind == 5 ? 2 : 1);
        Menu(menu, [](TAttachMenuForm& m) { m.OKBtn->click(); });
    }

    // The next text window of the run shows this text under this caption.
    static void ExpectTextWindow(const QString& caption, const QString& text)
    {
        OnModal(QStringLiteral("TShowHTextForm"), [=](QDialog& d) {
            auto& w = static_cast<TShowHTextForm&>(d);
            EXPECT_EQ(w.windowTitle(), caption);
            EXPECT_EQ(w.RichEdit1->Text().trimmed(), text);
            w.reject();
        });
    }
};

TEST_F(AttachedRunTest, TheRunShowsWhatTheMenusWrote)
{
    // The four question attachments, through the information menu.
    DefineText("TQInfoMenuForm", 1, QStringLiteral("Six sevens."));
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^INFO^")));
    DefineText("TQInfoMenuForm", 5, QStringLiteral("Because 6 x 7 = 42."));
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^EXP^")));
    DefineText("TQInfoMenuForm", 1, QStringLiteral("Right!"));
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^RT^")));
    DefineText("TQInfoMenuForm", 1, QStringLiteral("Count again."));
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q2^WG^")));

    // The hyperlink: its last, 31st character pressed in the editor's
    // window; the name is the phrase the run will find (30 characters).
    OnModal(QStringLiteral("Thypaddform"), [](QDialog& d) {
        auto& f = static_cast<Thypaddform&>(d);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            EXPECT_EQ(static_cast<TQuestHypMenuForm&>(m).Edit1->text(), QString::fromLatin1(LongRun.left(30)));
            m.Button1->click();
        });
        TypeText(QStringLiteral("Linked text."), 1);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
        PressAt(f.RichEdit1, 15 + 30);
        d.accept();
    });
    QStringList q1;
    ASSERT_TRUE(ReadQuestionEntry(EntryPath, QStringLiteral("Q1"), q1));
    DefineHyperlinks(q1.join(QStringLiteral("\r\n")).toLatin1());
    EXPECT_EQ(Stored(QString::fromLatin1(LongRun.left(30)), QStringLiteral("HYPER")).value(2), QStringLiteral("type=1"));

    // One of two right: 50 %, group 5.
    OnModal(QStringLiteral("TCommentsForm"), [](QDialog& d) {
        auto& f = static_cast<TCommentsForm&>(d);
        f.RadioButtons[5]->click();
        f.AddBtn->click();
    });
    DefineText("THypMenuForm", 1, QStringLiteral("Half way there."));
    OnModal(QStringLiteral("TCommentsForm"), [](QDialog& d) { d.accept(); });
    ShowCommentsForm();

    // The run.
    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        ExpectTextWindow(QString(), QStringLiteral("Six sevens."));
        f.InformBtn->click();
        ExpectTextWindow(QString::fromLatin1(LongRun.left(30)), QStringLiteral("Linked text."));
        PressAt(f.RichEdit1, 15 + 30);
        ExpectTextWindow(QString(), QStringLiteral("Right!"));
        f.Button2->click();
        OnModal(QStringLiteral("TTxtVPDispForm"), [](QDialog& v) { v.reject(); });
        f.ExplBtn->click();
        f.NextBitBtn->click();
    });
    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        ExpectTextWindow(QString(), QStringLiteral("Count again."));
        f.Button3->click();   // wrong
        // After the results: the feedback of group 5.
        ExpectTextWindow(QString(), QStringLiteral("Half way there."));
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TTResultsForm"), [](QDialog& d) { d.accept(); });
    PreviewTest();
    EXPECT_EQ(CorrectCount, 1);
    EXPECT_EQ(ScoreGroup, 5);
    EXPECT_TRUE(MessageTexts().isEmpty());
}

} // namespace
