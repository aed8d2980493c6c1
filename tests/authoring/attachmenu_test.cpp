// The information attachment menu: every text kind added, edited, cancelled;
// the stored kinds restored; the fault cases of the shared radio button, the
// display type and blind parsing.
#include "attachtest.h"

#include "authoring/attachments.h"
#include "authoring/commentsform.h"
#include "authoring/hypaddform.h"
#include "authoring/hypermenuform.h"
#include "authoring/hypmenuform.h"
#include "authoring/qinfomenuform.h"
#include "authoring/questhypmenuform.h"
#include "authoring/taddtextform.h"
#include "model/projectfiles.h"
#include "model/entryfile.h"
#include "platform/help.h"
#include "platform/richedit.h"
#include "presentation/formkit.h"
#include "presentation/hypentryform.h"

#include <QAbstractButton>
#include <QDir>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class InfoMenuTest : public AttachTest {};

const QString Info = QStringLiteral("INFO");

TEST_F(InfoMenuTest, NewTextOnlyEntryIsSavedAndCancelWritesNothing)
{
    // Cancel in new mode: nothing written, false.
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(HelpContextOf(&f), 500);
        EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Select Display Type "));
        EXPECT_EQ(f.RadioButton9, nullptr);   // no notepad here
        EXPECT_TRUE(f.RadioButton1->isChecked());
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(f.AddButton(n)->isEnabled(), n == 1) << n;
        f.CancelBtn->click();
    });
    EXPECT_FALSE(EditAttachment(QStringLiteral("Q1^INFO^")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));
    EXPECT_EQ(CurrentEntryName, QStringLiteral("Q1^INFO^"));

    // Save before any Add: refused, the menu stays.
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        ExpectMessage(QStringLiteral("Error"));
        f.OKBtn->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("No data has been entered."));
        f.Button1->click();
    });
    TypeText(QStringLiteral("Pythagoras lived on Samos."), DisplayModeText);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_EQ(f.DefinedKind, 1);
        f.OKBtn->click();
    });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^INFO^")));
    const QStringList lines = Stored(QStringLiteral("Q1^INFO^"), Info);
    ASSERT_GE(lines.size(), 18);
    EXPECT_EQ(lines.mid(0, 5), QStringList({"Q1^INFO^", "source=INFO", "type=1", "displaytype=0", "fullscreen=false"}));
    EXPECT_TRUE(lines.join(u' ').contains(QStringLiteral("Pythagoras lived on Samos.")));
}

TEST_F(InfoMenuTest, TextKindsRefuseEmptyTextAndGraphicAndTextGetsABackground)
{
    // An editor confirmed without text: "No Text information was entered.".
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) { f.Button1->click(); });
    TypeText(QString(), DisplayModeText);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        ExpectMessage(QStringLiteral("Error"));
        f.OKBtn->click();
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("No Text information was entered."));
        EXPECT_TRUE(f.isVisible());
        f.Button1->click();
    });
    TypeText(QStringLiteral("Text first"), DisplayModeText);
    // Then Graphic and Text: the display type left 0 by Text Only becomes 1.
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_EQ(f.Display.DisplayType, 0);
        f.RadioButton5->click();
        EXPECT_TRUE(f.Button5->isEnabled());
        EXPECT_FALSE(f.Button1->isEnabled());
        // Selected 5, defined 1.
        ExpectMessage(QStringLiteral("Error"));
        f.OKBtn->click();
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("No data has been entered."));
        f.Button5->click();
    });
    OnModal(QStringLiteral("THypEntryForm"), [](QDialog& d) {
        auto& e = static_cast<THypEntryForm&>(d);
        EXPECT_EQ(e.Mode(), DisplayModeGraphicText);
        EXPECT_EQ(HelpContextOf(&e), 550);
        EXPECT_EQ(e.Display.DisplayType, 1);
        EXPECT_FALSE(e.Display.FullScreen);
        EXPECT_EQ(e.RichEdit1->Text().trimmed(), QStringLiteral("Text first"));   // the same lines
        e.OKBtn->click();
    });
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) { f.OKBtn->click(); });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^EXP^")));
    const QStringList lines = Stored(QStringLiteral("Q1^EXP^"), Info);
    EXPECT_EQ(lines.mid(2, 3), QStringList({"type=5", "displaytype=1", "fullscreen=false"}));
}

TEST_F(InfoMenuTest, EditModeRestoresAndReplacesInPlace)
{
    SetEntries(CommandEntryBytes("Q1^RT^", "INFO", 3, "well.wav")
               + CommandEntryBytes("Q1^WG^", "INFO", 2, "pic.bmp,25")
               + CommandEntryBytes("Q1^INFO^", "INFO", 6, "a.bmp,b.wav,12"));
    // Cancel in edit mode still answers true; nothing changes.
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_TRUE(f.EditMode);
        EXPECT_TRUE(f.RadioButton2->isChecked());
        EXPECT_EQ(f.GraphicName, QStringLiteral("pic.bmp"));
        EXPECT_EQ(f.Duration, 25);
        EXPECT_EQ(f.DefinedKind, 2);
        for (int n = 1; n <= 8; ++n)
            EXPECT_EQ(f.AddButton(n)->isEnabled(), n == 2) << n;
        f.CancelBtn->click();
    });
    const QByteArray before = Entries();
    EXPECT_TRUE(EditAttachment(QStringLiteral("q1^wg^")));
    EXPECT_EQ(Entries(), before);

    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_TRUE(f.RadioButton6->isChecked());
        EXPECT_EQ(f.GraphicName, QStringLiteral("a.bmp"));
        EXPECT_EQ(f.SoundName, QStringLiteral("b.wav"));
        EXPECT_EQ(f.Duration, 12);
        EXPECT_EQ(f.OldName, QStringLiteral("Q1^INFO^"));
        // The kind may change: to a text.
        f.RadioButton1->click();
        f.Button1->click();
    });
    TypeText(QStringLiteral("Now a text"), DisplayModeText);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) { f.OKBtn->click(); });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^INFO^")));
    // In its place, after the other two.
    EXPECT_EQ(EntryNames(Entries()), QStringList({"Q1^RT^/INFO", "Q1^WG^/INFO", "Q1^INFO^/INFO"}));
    EXPECT_EQ(Stored(QStringLiteral("Q1^INFO^"), Info).value(2), QStringLiteral("type=1"));
    EXPECT_TRUE(Entries().startsWith(CommandEntryBytes("Q1^RT^", "INFO", 3, "well.wav")
                                     + CommandEntryBytes("Q1^WG^", "INFO", 2, "pic.bmp,25")));

    // A stored text reopens in its editor with its lines.
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_TRUE(f.RadioButton1->isChecked());
        EXPECT_EQ(f.SelectedKind, 1);
        f.Button1->click();
    });
    OnModal(QStringLiteral("THypEntryForm"), [](QDialog& d) {
        auto& e = static_cast<THypEntryForm&>(d);
        EXPECT_EQ(e.RichEdit1->Text().trimmed(), QStringLiteral("Now a text"));
        e.CancelBtn->click();
    });
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) { f.CancelBtn->click(); });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^INFO^")));
}

TEST_F(InfoMenuTest, TheSharedExecutableButtonKeepsTheDefinedKind)
{
    SetEntries(CommandEntryBytes("Q1^EXP^", "INFO", 10, "page.htm") + CommandEntryBytes("Q1^RT^", "INFO", 9, "viewer notes.txt"));
    for (const char* name : {"Q1^EXP^", "Q1^RT^"}) {
        Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
            EXPECT_TRUE(f.RadioButton4->isChecked());
            const int stored = f.DefinedKind;
            EXPECT_EQ(f.SelectedKind, stored);
            // Away and back: the button stands for the kind defined.
            f.RadioButton2->click();
            EXPECT_EQ(f.SelectedKind, 2);
            f.RadioButton4->click();
            EXPECT_EQ(f.SelectedKind, stored);
            f.RadioButton4->click();
            EXPECT_EQ(f.SelectedKind, stored);
            f.OKBtn->click();
        });
        EXPECT_TRUE(EditAttachment(QString::fromLatin1(name)));
    }
    EXPECT_EQ(Entries(), CommandEntryBytes("Q1^EXP^", "INFO", 10, "page.htm")
                             + CommandEntryBytes("Q1^RT^", "INFO", 9, "viewer notes.txt"));
}

TEST_F(InfoMenuTest, StoredEntriesAreParsedSafely)
{
    SetEntries(CommandEntryBytes("A", "INFO", 2, "pic.bmp,xx") + CommandEntryBytes("B", "INFO", 2, "pic.bmp")
               + CommandEntryBytes("C", "INFO", 6, "a.bmp,b.wav,1x") + CommandEntryBytes("D", "INFO", 6, "a.bmp")
               + "[E]\r\nsource=INFO\r\ntype=x\r\ncommand=what\r\n]\r\n\r\n"
               + CommandEntryBytes("F", "INFO", 13, "notes.txt") + "[G]\r\nsource=INFO\r\ntype=1\r\n]\r\n\r\n");
    const QByteArray before = Entries();
    struct Case { const char* name; QString graphic, sound; int duration, button; };
    for (const Case& c : {Case{"A", "pic.bmp", "", 0, 2}, Case{"B", "pic.bmp", "", 0, 2},
                          Case{"C", "a.bmp", "b.wav", 0, 6}, Case{"D", "a.bmp", "", 0, 6}}) {
        Menu("TQInfoMenuForm", [c](TAttachMenuForm& f) {
            EXPECT_EQ(f.GraphicName, c.graphic) << c.name;
            EXPECT_EQ(f.SoundName, c.sound) << c.name;
            EXPECT_EQ(f.Duration, c.duration) << c.name;
            EXPECT_TRUE(f.Radio(c.button)->isChecked()) << c.name;
            f.CancelBtn->click();
        });
        EXPECT_TRUE(EditAttachment(QString::fromLatin1(c.name)));
    }
    // A kind that is not a number, and the notepad kind an INFO entry cannot
    // have: nothing restored, no radio button on, Save refused.
    for (const char* name : {"E", "F"}) {
        Menu("TQInfoMenuForm", [name](TAttachMenuForm& f) {
            for (int n = 1; n <= 8; ++n) {
                EXPECT_FALSE(f.Radio(n)->isChecked()) << name << n;
                EXPECT_FALSE(f.AddButton(n)->isEnabled()) << name << n;
            }
            EXPECT_TRUE(f.Command.isEmpty());
            ExpectMessage(QStringLiteral("Error"));
            f.OKBtn->click();
            EXPECT_EQ(MessageTexts().last(), QStringLiteral("No data has been entered."));
            f.CancelBtn->click();
        });
        EXPECT_TRUE(EditAttachment(QString::fromLatin1(name)));
    }
    // A display entry cut short: reported, no menu, the entry is defined.
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_TRUE(EditAttachment(QStringLiteral("G")));
    EXPECT_EQ(Entries(), before);
}

TEST_F(InfoMenuTest, FileNameProposals)
{
    EXPECT_EQ(ProposeFileName(QString(), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")), QString());
    Dir.Write(QStringLiteral("pic.bmp"), "BM");
    EXPECT_EQ(ProposeFileName(QString(), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")), QStringLiteral("pic.bmp"));
    Dir.Write(QStringLiteral("pic.jpg"), "\xFF\xD8");
    EXPECT_EQ(ProposeFileName(QString(), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")), QStringLiteral("pic.jpg"));
    // A remembered name stays while its file is there, in any letter case.
    EXPECT_EQ(ProposeFileName(QStringLiteral("PIC.BMP"), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")),
              QStringLiteral("PIC.BMP"));
    // A remembered name whose file is gone is replaced by the proposal.
    EXPECT_EQ(ProposeFileName(QStringLiteral("gone.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")),
              QStringLiteral("pic.jpg"));
    EXPECT_EQ(ProposeFileName(QStringLiteral("gone.wav"), QStringLiteral("*.wav")), QString());
}

TEST_F(InfoMenuTest, AFailedSaveKeepsTheMenuAndTheFile)
{
    SetEntries(CommandEntryBytes("Q1^INFO^", "INFO", 3, "old.wav"));
    const QByteArray before = Entries();
    TImmutableFile locked(Dir.File(QStringLiteral("MATHS.QXR")));
    if (!locked.Active())
        GTEST_SKIP() << "the file system cannot lock a file";
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        f.RadioButton1->click();
        f.Button1->click();
    });
    TypeText(QStringLiteral("Cannot be stored"), DisplayModeText);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        ExpectMessage(QStringLiteral("Error"));
        f.OKBtn->click();
        // The error names the entry file; the menu keeps its state.
        EXPECT_TRUE(MessageTexts().last().contains(QStringLiteral("MATHS"))) << MessageTexts().last().toStdString();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.DefinedKind, 1);
        f.CancelBtn->click();
    });
    EXPECT_TRUE(EditAttachment(QStringLiteral("Q1^INFO^")));
    EXPECT_EQ(Entries(), before);
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files), QStringList({"MATHS.QXR"}));
}

TEST_F(InfoMenuTest, EveryControlOfTheFormsHasAnAccessibleName)
{
    std::vector<std::unique_ptr<QWidget>> forms;
    forms.emplace_back(new TQInfoMenuForm);
    forms.emplace_back(new TQuestHypMenuForm);
    forms.emplace_back(new THypMenuForm);
    forms.emplace_back(new TCommentsForm);
    forms.emplace_back(new Thypaddform);
    forms.emplace_back(new Thypermenuform);
    for (const auto& form : forms) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                EXPECT_EQ(b->accessibleName(), AccessibleCaption(b->text())) << name.toStdString();
            } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<TRichEdit*>(w) || name.startsWith(u"Panel")) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << name.toStdString();
            }
        }
    }
}

TEST_F(InfoMenuTest, TheKeyboardAloneChoosesAKindAndItsAddButton)
{
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        f.activateWindow();
        QApplication::setActiveWindow(&f);
        f.RadioButton1->setFocus();
        PumpEvents();
        // The arrow keys move between the kinds and check them.
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(f.RadioButton1, &down);
        EXPECT_TRUE(f.RadioButton2->isChecked());
        EXPECT_EQ(f.SelectedKind, 2);
        EXPECT_TRUE(f.Button2->isEnabled());
        EXPECT_FALSE(f.Button1->isEnabled());
        EXPECT_EQ(f.CancelBtn->text(), QStringLiteral("&Cancel"));
        f.CancelBtn->click();
    });
    EXPECT_FALSE(EditAttachment(QStringLiteral("Q1^INFO^")));
}

TEST_F(InfoMenuTest, TheQuestionDialogMarksTheRowTheMenuSaved)
{
    SetEntries(QuestEntryBytes("Q1", {"{\\rtf1\\ansi Text\\par", "}"}));
    const QByteArray record = RecordBytes({"Q1", 4, 2});
    std::memcpy(&QuestionBuffer, record.constData(), 55);
    OnModal(QStringLiteral("TTAddTextForm"), [](QDialog& d) { static_cast<TTAddTextForm&>(d).Button3->click(); });
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) {
        EXPECT_EQ(f.EntryName, QStringLiteral("Q1^INFO^"));
        f.Button1->click();
    });
    TypeText(QStringLiteral("Some information"), DisplayModeText);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& f) { f.OKBtn->click(); });
    OnModal(QStringLiteral("TTAddTextForm"), [](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        EXPECT_EQ(f.Panel1->text(), TTAddTextForm::CheckMark());
        f.BitBtn1->click();
    });
    EXPECT_TRUE(RunQuestionDialog(false));
    EXPECT_TRUE(QuestionBuffer.HasInformation);
    EXPECT_EQ(EntryNames(Entries()), QStringList({"Q1/QUEST", "Q1^INFO^/INFO"}));
}

} // namespace
