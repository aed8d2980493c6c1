// The hyperlink window over a question text, the hyperlink menu and the
// hypertext utilities.
#include "attachtest.h"

#include "authoring/hypaddform.h"
#include "authoring/hyperlinks.h"
#include "authoring/hypermenuform.h"
#include "authoring/questhypmenuform.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "runtime/notefileform.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {

// "Find the square root of nine." with "square root" underlined, then a
// line that starts with the underlined "Start", then "^INTRO" underlined.
const QByteArray Question = "{\\rtf1\\ansi Find the \\ul square root\\ulnone  of nine.\\par\r\n"
                            "\\ul Start\\ulnone  here, \\ul ^INTRO\\ulnone .\\par\r\n}";

class HyperlinkTest : public AttachTest {
protected:
    void SetUp() override
    {
        AttachTest::SetUp();
        std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
        QuestionBuffer.TextBackColor = 0x00C0FFFF;   // light yellow
    }

    static void PressAt(Thypaddform& f, int pos) { ::PressAt(f.RichEdit1, pos); }

    // The hyperlink window over the question; act runs inside it.
    static void Window(std::function<void(Thypaddform&)> act)
    {
        OnModal(QStringLiteral("Thypaddform"), [act](QDialog& d) {
            act(static_cast<Thypaddform&>(d));
            d.accept();
        });
    }

    static void NoteFile(const QString& expected, const QString& typed, bool ok)
    {
        OnModal(QStringLiteral("TNoteFileForm"), [=](QDialog& d) {
            auto& n = static_cast<TNoteFileForm&>(d);
            EXPECT_EQ(n.Edit1->text(), expected);
            n.Edit1->setText(typed);
            (ok ? n.OKBtn : n.CancelBtn)->click();
        });
    }
};

TEST_F(HyperlinkTest, ANewNotepadHyperlinkIsDefinedByPressingThePhrase)
{
    Window([this](Thypaddform& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Click on HyperText Link to define.   Press F1 for Help"));
        EXPECT_EQ(HelpContextOf(&f), 151);
        EXPECT_EQ(f.size(), QSize(640, 480));
        EXPECT_TRUE(f.RichEdit1->isReadOnly());
        EXPECT_EQ(f.RichEdit1->Color(), QColor(0xFF, 0xFF, 0xC0));
        EXPECT_FALSE(f.Button1->isEnabled());   // no entry file
        EXPECT_FALSE(f.Button2->isEnabled());
        PressAt(f, 3);   // plain text: nothing opens

        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            auto& h = static_cast<TQuestHypMenuForm&>(m);
            EXPECT_EQ(h.Edit1->text(), QStringLiteral("square root"));
            EXPECT_TRUE(h.Edit1->isReadOnly());
            EXPECT_EQ(h.Label1->text(), QStringLiteral("HyperText Link"));
            EXPECT_EQ(h.GroupBox1->title(), QStringLiteral(" Select HyperText type "));
            EXPECT_EQ(HelpContextOf(&h), 500);
            ASSERT_NE(h.RadioButton9, nullptr);
            EXPECT_EQ(h.RadioButton9->text(), QStringLiteral("Orl NotePad"));
            h.RadioButton9->click();
            for (int n = 1; n <= 9; ++n)
                EXPECT_EQ(h.AddButton(n)->isEnabled(), n == 9) << n;
            h.Button9->click();
        });
        NoteFile(QString(), QStringLiteral("roots.txt"), true);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            EXPECT_EQ(m.DefinedKind, 13);
            m.OKBtn->click();
        });
        PressAt(f, 16);   // "root"
        EXPECT_TRUE(f.Button1->isEnabled());
        EXPECT_TRUE(f.Button2->isEnabled());
    });
    DefineHyperlinks(Question);
    EXPECT_EQ(Entries(), CommandEntryBytes("square root", "HYPER", 13, "roots.txt"));
}

TEST_F(HyperlinkTest, EditModeAndTheNotepadButtonFaults)
{
    SetEntries(CommandEntryBytes("Square Root", "HYPER", 10, "roots.htm"));
    Window([this](Thypaddform& f) {
        EXPECT_TRUE(f.Button1->isEnabled());
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            auto& h = static_cast<TQuestHypMenuForm&>(m);
            // The stored entry, found in another letter case.
            EXPECT_TRUE(h.EditMode);
            EXPECT_EQ(h.Edit1->text(), QStringLiteral("Square Root"));
            EXPECT_EQ(h.Label1->text(), QStringLiteral("HyperLink Phrase"));
            EXPECT_EQ(h.GroupBox1->title(), QStringLiteral(" Select HyperLink type "));
            EXPECT_TRUE(h.RadioButton4->isChecked());
            EXPECT_EQ(h.SelectedKind, 10);
            h.RadioButton9->click();
            h.Button9->click();
        });
        // The notepad starts from its own name, not the HTML page's; Cancel
        // leaves the defined kind as it was.
        NoteFile(QString(), QStringLiteral("ignored.txt"), false);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            EXPECT_EQ(m.DefinedKind, 10);
            EXPECT_EQ(m.SelectedKind, 13);
            ExpectMessage(QStringLiteral("Error"));
            m.OKBtn->click();
            EXPECT_EQ(MessageTexts().last(), QStringLiteral("No data has been entered."));
            m.Button9->click();
        });
        // An empty notes file name may be saved.
        NoteFile(QString(), QString(), true);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
        PressAt(f, 12);
    });
    DefineHyperlinks(Question);
    // Replaced in place, named by the phrase as pressed.
    EXPECT_EQ(Entries(), CommandEntryBytes("square root", "HYPER", 13, ""));

    // Reopened: the notepad kind with its stored name.
    Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
        EXPECT_TRUE(m.RadioButton9->isChecked());
        EXPECT_TRUE(m.Button9->isEnabled());
        m.CancelBtn->click();
    });
    EditHyperlink(QStringLiteral("SQUARE ROOT"));
    // A text hyperlink in new mode, cancelled: nothing written.
    Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
        m.Button1->click();
    });
    TypeText(QStringLiteral("Two words"), 1);
    Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) { m.CancelBtn->click(); });
    EditHyperlink(QStringLiteral("nine"));
    EXPECT_EQ(Entries(), CommandEntryBytes("square root", "HYPER", 13, ""));
}

TEST_F(HyperlinkTest, PhrasesThatWouldAddressOtherEntriesAreRefused)
{
    SetQuestions(RecordBytes({"Start"}));
    Window([this](Thypaddform& f) {
        ExpectMessage(QStringLiteral("Error"));
        PressAt(f, 32);   // "Start", a question identifier
        ExpectMessage(QStringLiteral("Error"));
        PressAt(f, 46);   // "^INTRO"
    });
    DefineHyperlinks(Question);
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_EQ(MessageTexts()[0], QStringLiteral("\"Start\" cannot be a HyperText Link: it is the identifier of a question."));
    EXPECT_EQ(MessageTexts()[1], QStringLiteral("\"^INTRO\" cannot be a HyperText Link: a name beginning with ^INTRO "
                                                "is kept for the Introduction."));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));
    // A QUEST entry without a record counts as well, in any letter case.
    SetQuestions(QByteArray());
    SetEntries(QuestEntryBytes("Old", {"{\\rtf1 x\\par", "}"}));
    EXPECT_FALSE(HyperlinkNameRefusal(QStringLiteral("OLD")).isEmpty());
    EXPECT_FALSE(HyperlinkNameRefusal(QStringLiteral("^intro page")).isEmpty());
    EXPECT_TRUE(HyperlinkNameRefusal(QStringLiteral("Older")).isEmpty());
    EXPECT_TRUE(HyperlinkNameRefusal(QStringLiteral("An ^INTRO")).isEmpty());
}

TEST_F(HyperlinkTest, ShowAllDeleteAndTheKeyboard)
{
    SetEntries(CommandEntryBytes("Nile", "HYPER", 10, "nile.htm") + CommandEntryBytes("Q1^INFO^", "INFO", 3, "a.wav")
               + CommandEntryBytes("Amazon", "HYPER", 10, "amazon.htm"));
    Window([this](Thypaddform& f) {
        QStringList shown;
        QString caption;
        int help = 0;
        ChooseFromList(1, &shown, &caption, &help);
        f.Button1->click();
        EXPECT_EQ(shown, QStringList({"Nile", "Amazon"}));
        EXPECT_EQ(caption, QStringLiteral("Select an Entry to view"));
        EXPECT_EQ(help, 335);
        EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")).size(), 1);

        ChooseFromList(0, &shown, &caption, &help);
        ExpectMessage(QStringLiteral("Confirm"), 1);
        f.Button2->click();
        EXPECT_EQ(caption, QStringLiteral("Select an Entry to delete"));
        EXPECT_EQ(help, 340);
        EXPECT_TRUE(f.Button2->isEnabled());
        ChooseFromList(0, &shown);
        ExpectMessage(QStringLiteral("Confirm"), 1);
        f.Button2->click();
        EXPECT_EQ(shown, QStringList({"Amazon"}));
        // The last hyperlink is gone: both buttons off.
        EXPECT_FALSE(f.Button1->isEnabled());
        EXPECT_FALSE(f.Button2->isEnabled());

        // Enter on an underlined phrase defines it, as a press would.
        f.RichEdit1->SetSelStart(33);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            EXPECT_EQ(static_cast<TQuestHypMenuForm&>(m).Edit1->text(), QStringLiteral("Start"));
            m.CancelBtn->click();
        });
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(f.RichEdit1, &enter);
    });
    DefineHyperlinks(Question);
    EXPECT_EQ(Entries(), CommandEntryBytes("Q1^INFO^", "INFO", 3, "a.wav"));
}

TEST_F(HyperlinkTest, HypertextUtilitiesViewAndDelete)
{
    // No entry file: nothing to view or delete.
    OnModal(QStringLiteral("Thypermenuform"), [](QDialog& d) {
        auto& u = static_cast<Thypermenuform&>(d);
        EXPECT_EQ(HelpContextOf(&u), 250);
        EXPECT_EQ(u.GroupBox1->title(), QStringLiteral(" HyperLink Data "));
        EXPECT_EQ(u.viewbtn->text(), QStringLiteral("View a HyperText Link"));
        EXPECT_EQ(u.deleteBtn->text(), QStringLiteral("Delete a HyperText Link"));
        EXPECT_FALSE(u.viewbtn->isEnabled());
        EXPECT_FALSE(u.deleteBtn->isEnabled());
        u.BitBtn1->click();
    });
    HypertextUtilities();

    SetEntries(CommandEntryBytes("Nile", "HYPER", 10, "nile.htm"));
    int help = 0;
    OnModal(QStringLiteral("Thypermenuform"), [](QDialog& d) { static_cast<Thypermenuform&>(d).viewbtn->click(); });
    ChooseFromList(0, nullptr, nullptr, &help);
    OnModal(QStringLiteral("Thypermenuform"), [&help](QDialog& d) {
        EXPECT_EQ(help, 251);
        static_cast<Thypermenuform&>(d).deleteBtn->click();
    });
    ChooseFromList(0, nullptr, nullptr, &help);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    OnModal(QStringLiteral("Thypermenuform"), [&help](QDialog& d) {
        auto& u = static_cast<Thypermenuform&>(d);
        EXPECT_EQ(help, 252);
        EXPECT_FALSE(u.viewbtn->isEnabled());
        EXPECT_FALSE(u.deleteBtn->isEnabled());
        u.BitBtn1->click();
    });
    HypertextUtilities();
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")).size(), 1);
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));   // the last entry took the file with it
}

} // namespace
