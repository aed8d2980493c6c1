// The media and program kinds of the attachment menus, through the media
// dialogs and the external type chooser.
#include "attachtest.h"

#include "authoring/attachments.h"
#include "authoring/hyperlinks.h"
#include "authoring/hypmenuform.h"
#include "presentation/exechoiceform.h"
#include "presentation/getaudioform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getgraudioform.h"
#include "presentation/gethtmform.h"
#include "presentation/getmidiform.h"
#include "presentation/getvideoform.h"
#include "presentation/getwinexeform.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class AttachMediaTest : public AttachTest {
protected:
    // The next dialog of the class: checks the names it was opened with,
    // types new ones into its edits and presses OK (or Cancel with none).
    template <class Form>
    static void Dialog(const char* className, QStringList opened, QStringList typed)
    {
        OnModal(QString::fromLatin1(className), [=](QDialog& d) {
            auto& f = static_cast<Form&>(d);
            QList<QLineEdit*> edits;
            for (int n = 1; n <= 3; ++n)
                if (auto* e = f.template findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)))
                    edits << e;
            for (int i = 0; i < opened.size() && i < edits.size(); ++i)
                EXPECT_EQ(edits[i]->text(), opened[i]) << className << " Edit" << i + 1;
            if (typed.isEmpty()) {
                f.CancelBtn->click();
                return;
            }
            for (int i = 0; i < typed.size() && i < edits.size(); ++i)
                edits[i]->setText(typed[i]);
            f.OKBtn->click();
        });
    }
    // One Add of the menu: the radio button and its Add button.
    static void AddOf(const char* menu, int button)
    {
        Menu(menu, [button](TAttachMenuForm& m) {
            m.Radio(button)->click();
            m.AddButton(button)->click();
        });
    }
    static void Save(const char* menu) { Menu(menu, [](TAttachMenuForm& m) { m.OKBtn->click(); }); }
};

TEST_F(AttachMediaTest, EveryMediaKindOfTheInformationMenu)
{
    for (const char* f : {"pic.bmp", "pic.jpg", "hello.wav", "tune.mid", "film.avi", "page.htm"})
        Dir.Write(QString::fromLatin1(f), "x");
    const char* M = "TQInfoMenuForm";
    // Graphic Only: the .jpg is proposed over the .bmp.
    AddOf(M, 2);
    Dialog<TGetGraphicForm>("TGetGraphicForm", {"pic.jpg", "0"}, {"pic.jpg", "25"});
    Save(M);
    EXPECT_TRUE(EditAttachment(QStringLiteral("A")));
    AddOf(M, 3);
    Dialog<TGetAudioForm>("TGetAudioForm", {"hello.wav"}, {"hello.wav"});
    Save(M);
    EXPECT_TRUE(EditAttachment(QStringLiteral("B")));
    AddOf(M, 6);
    Dialog<TGetGrAudioForm>("TGetGrAudioForm", {"pic.jpg", "hello.wav", "0"}, {"pic.bmp", "tune.mid", "50"});
    Save(M);
    EXPECT_TRUE(EditAttachment(QStringLiteral("C")));
    AddOf(M, 7);
    Dialog<TGetVideoForm>("TGetVideoForm", {"film.avi"}, {"film.avi"});
    Save(M);
    EXPECT_TRUE(EditAttachment(QStringLiteral("D")));
    AddOf(M, 8);
    Dialog<TGetMidiForm>("TGetMidiForm", {"tune.mid"}, {"tune.mid"});
    Save(M);
    EXPECT_TRUE(EditAttachment(QStringLiteral("E")));
    // Executable with " HTML Web Browser File": kind 10.
    AddOf(M, 4);
    OnModal(QStringLiteral("TExeChoiceForm"), [](QDialog& d) {
        auto& c = static_cast<TExeChoiceForm&>(d);
        EXPECT_TRUE(c.RadioButton1->isChecked());   // a new entry starts on the program
        c.RadioButton3->click();
        c.AddBtn3->click();
        c.OKBtn->click();
    });
    Dialog<TGetHTMForm>("TGetHTMForm", {}, {"page.htm"});
    Menu(M, [](TAttachMenuForm& m) {
        EXPECT_EQ(m.DefinedKind, 10);
        EXPECT_EQ(m.SelectedKind, 10);
        m.OKBtn->click();
    });
    EXPECT_TRUE(EditAttachment(QStringLiteral("F")));
    EXPECT_EQ(Entries(), CommandEntryBytes("A", "INFO", 2, "pic.jpg,25") + CommandEntryBytes("B", "INFO", 3, "hello.wav")
                             + CommandEntryBytes("C", "INFO", 6, "pic.bmp,tune.mid,50")
                             + CommandEntryBytes("D", "INFO", 7, "film.avi") + CommandEntryBytes("E", "INFO", 8, "tune.mid")
                             + CommandEntryBytes("F", "INFO", 10, "page.htm"));

    // Reopened: the chooser starts on the HTML page with its name.
    Menu(M, [](TAttachMenuForm& m) {
        EXPECT_TRUE(m.RadioButton4->isChecked());
        m.Button4->click();
    });
    OnModal(QStringLiteral("TExeChoiceForm"), [](QDialog& d) {
        auto& c = static_cast<TExeChoiceForm&>(d);
        EXPECT_TRUE(c.RadioButton3->isChecked());
        EXPECT_TRUE(c.AddBtn3->isEnabled());
        EXPECT_FALSE(c.AddBtn1->isEnabled());
        EXPECT_EQ(c.Command, QStringLiteral("page.htm"));
        c.CancelBtn->click();
    });
    Menu(M, [](TAttachMenuForm& m) { m.CancelBtn->click(); });
    EXPECT_TRUE(EditAttachment(QStringLiteral("F")));

    // A stored graphic reopens with its name and duration; its file gone,
    // the proposal takes its place.
    QFile::remove(Dir.File(QStringLiteral("pic.jpg")));
    Menu(M, [](TAttachMenuForm& m) {
        EXPECT_EQ(m.GraphicName, QStringLiteral("pic.jpg"));
        EXPECT_EQ(m.Duration, 25);
        m.Button2->click();
    });
    Dialog<TGetGraphicForm>("TGetGraphicForm", {"pic.bmp", "25"}, {});
    Menu(M, [](TAttachMenuForm& m) {
        EXPECT_EQ(m.DefinedKind, 2);   // the dialog was cancelled
        EXPECT_EQ(m.Command, QStringLiteral("pic.jpg,25"));
        m.CancelBtn->click();
    });
    EXPECT_TRUE(EditAttachment(QStringLiteral("A")));
}

TEST_F(AttachMediaTest, AddedKindMustBeTheCheckedOneAndCommasAreRefused)
{
    Dir.Write(QStringLiteral("pic.bmp"), "x");
    Dir.Write(QStringLiteral("a,b.bmp"), "x");
    const char* M = "TQInfoMenuForm";
    AddOf(M, 2);
    Dialog<TGetGraphicForm>("TGetGraphicForm", {}, {"pic.bmp", "5"});
    // Graphic added, Voice Only checked: nothing to save for it.
    Menu(M, [](TAttachMenuForm& m) {
        m.RadioButton3->click();
        ExpectMessage(QStringLiteral("Error"));
        m.OKBtn->click();
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("No data has been entered."));
        m.RadioButton2->click();
        m.Button2->click();
    });
    // A name with a comma cannot be chosen: the dialog says why.
    OnModal(QStringLiteral("TGetGraphicForm"), [](QDialog& d) {
        auto& g = static_cast<TGetGraphicForm&>(d);
        g.Edit1->setText(QStringLiteral("a,b.bmp"));
        ExpectMessage(QStringLiteral("Error"));
        g.OKBtn->click();
        EXPECT_TRUE(g.isVisible());
        g.CancelBtn->click();
    });
    Menu(M, [](TAttachMenuForm& m) {
        EXPECT_EQ(m.GraphicName, QStringLiteral("pic.bmp"));
        EXPECT_EQ(m.Command, QStringLiteral("pic.bmp,5"));
        m.OKBtn->click();
    });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^WG^")));
    EXPECT_EQ(Entries(), CommandEntryBytes("Q1^WG^", "INFO", 2, "pic.bmp,5"));
}

TEST_F(AttachMediaTest, HyperlinkAndFeedbackMenusTakeTheMediaKindsToo)
{
    Dir.Write(QStringLiteral("pic.bmp"), "x");
    Dir.Write(QStringLiteral("film.avi"), "x");
    // A stored Graphic Only hyperlink pic.bmp,25 is restored, changed to a
    // program with a file through the chooser.
    SetEntries(CommandEntryBytes("Nile", "HYPER", 2, "pic.bmp,25"));
    Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
        EXPECT_EQ(m.GraphicName, QStringLiteral("pic.bmp"));
        EXPECT_EQ(m.Duration, 25);
        m.RadioButton4->click();
        m.Button4->click();
    });
    OnModal(QStringLiteral("TExeChoiceForm"), [](QDialog& d) {
        auto& c = static_cast<TExeChoiceForm&>(d);
        c.RadioButton2->click();
        c.AddBtn2->click();
        c.OKBtn->click();
    });
    Dialog<TGetWinExeForm>("TGetWinExeForm", {}, {"viewer pic.bmp"});
    Save("TQuestHypMenuForm");
    EditHyperlink(QStringLiteral("Nile"));
    EXPECT_EQ(Entries(), CommandEntryBytes("Nile", "HYPER", 9, "viewer pic.bmp"));

    AddOf("THypMenuForm", 7);
    Dialog<TGetVideoForm>("TGetVideoForm", {"film.avi"}, {"film.avi"});
    Save("THypMenuForm");
    EXPECT_TRUE(EditFeedback(QStringLiteral("GROUP 7 FEEDBACK")));
    EXPECT_EQ(Entries(), CommandEntryBytes("Nile", "HYPER", 9, "viewer pic.bmp")
                             + CommandEntryBytes("GROUP 7 FEEDBACK", "COMMS", 7, "film.avi"));
}

} // namespace
