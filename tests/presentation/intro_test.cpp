// The introduction and display-entry editors, the introduction screen
// design, and saving the introduction entry.
#include "harness.h"
#include "../common/failingdisk.h"

#include "model/entryfile.h"
#include "model/fileutil.h"
#include "platform/help.h"
#include "platform/richedit.h"
#include "platform/testscript.h"
#include "presentation/changetextform.h"
#include "presentation/hypentryform.h"
#include "presentation/introdesignform.h"
#include "presentation/introentry.h"
#include "presentation/introentryform.h"
#include "presentation/intdesignbackform.h"
#include "presentation/vpdesigntitleform.h"
#include "presentation/hyptextadjform.h"
#include "presentation/stretchhandle.h"
#include "runtime/intdispform.h"
#include "runtime/showhtextform.h"
#include "runtime/runpresentation.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <cstring>
#include <QPushButton>

namespace {

class IntroTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
    }
    TScratchDir Dir;
};

const QStringList Hello = {QStringLiteral("{\\rtf1\\ansi Hello}")};
// An RTF document without a single character of text.
const QStringList EmptyRtf = {QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}"), QStringLiteral("\\par }")};

TEST_F(IntroTest, SavingTheIntroductionEntry)
{
    TPresentation p;
    SetPresentationDefaults(p);
    // Off, with no entry file at all: nothing to delete, nothing fails.
    p.IntroEnabled = false;
    EXPECT_NO_THROW(SaveIntroductionEntry(EntryPath, p, {}));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("T.QXR")));

    // On and edited: appended, then replaced in place.
    p.IntroEnabled = true;
    SaveIntroductionEntry(EntryPath, p, {true, false, Hello});
    QStringList text;
    ASSERT_TRUE(ReadIntroEntry(EntryPath, text));
    EXPECT_EQ(text, Hello);
    AppendCommandEntry(EntryPath, QStringLiteral("X"), 2, SourceHyper, QStringLiteral("a.bmp,0"));
    const QStringList other = {QStringLiteral("{\\rtf1\\ansi Other}")};
    SaveIntroductionEntry(EntryPath, p, {true, true, other});
    text.clear();
    ASSERT_TRUE(ReadIntroEntry(EntryPath, text));
    EXPECT_EQ(text, other);
    QStringList names;
    ListEntryNames(names, EntryPath, SourceIntro);
    EXPECT_EQ(names.size(), 1);
    // On, not edited: left as stored.
    SaveIntroductionEntry(EntryPath, p, {false, true, Hello});
    text.clear();
    ReadIntroEntry(EntryPath, text);
    EXPECT_EQ(text, other);

    // Edited to an empty text (streamed RTF, not empty lines): the message,
    // the flag cleared and the entry deleted; the other entry stays.
    EXPECT_FALSE(IntroTextHasLines(EmptyRtf));
    EXPECT_TRUE(IntroTextHasLines(Hello));
    ExpectMessage(QStringLiteral("Information"));
    SaveIntroductionEntry(EntryPath, p, {true, true, EmptyRtf});
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("The Introduction has not been entered.")});
    EXPECT_FALSE(p.IntroEnabled);
    EXPECT_FALSE(ReadIntroEntry(EntryPath, text));
    EXPECT_TRUE(EntrySourceExists(EntryPath, SourceHyper));

    // Off with an introduction as the last entry: the entry file goes too.
    DeleteEntry(EntryPath, QStringLiteral("X"), SourceHyper);
    p.IntroEnabled = true;
    SaveIntroductionEntry(EntryPath, p, {true, false, Hello});
    p.IntroEnabled = false;
    SaveIntroductionEntry(EntryPath, p, {false, true, Hello});
    EXPECT_FALSE(Dir.Exists(QStringLiteral("T.QXR")));
}

TEST_F(IntroTest, SavingOnAFullDiskReportsTheFileAndKeepsTheOldOne)
{
    TPresentation p;
    SetPresentationDefaults(p);
    p.IntroEnabled = true;
    SaveIntroductionEntry(EntryPath, p, {true, false, Hello});
    const QByteArray before = Dir.Read(QStringLiteral("T.QXR"));
    QStringList big;
    for (int i = 0; i < 200; ++i)
        big << QStringLiteral("{\\rtf1 a long line of introduction text that does not fit %1}").arg(i);
    const TLimitedRun run = RunWithFileSizeLimit(before.size() + 100, [&] {
        SaveIntroductionEntry(EntryPath, p, {true, true, big});
    });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("T.QXR")) || run.Message.contains(QStringLiteral("T.")))
        << run.Message.toStdString();
    EXPECT_EQ(Dir.Read(QStringLiteral("T.QXR")), before);
    QDir d(Dir.Path());
    EXPECT_EQ(d.entryList(QDir::Files), QStringList{QStringLiteral("T.QXR")});
}

TEST_F(IntroTest, DisplayEntryEditorKeepsTextWhenEmptiedAndWritesTheRecord)
{
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.FullScreen = true;
    d.DisplayType = 1;
    QStringList text = Hello;
    OnModal(QStringLiteral("THypEntryForm"), [](QDialog& dlg) {
        auto& f = static_cast<THypEntryForm&>(dlg);
        EXPECT_EQ(f.AdjustBtn->text(), QStringLiteral("&Adjust Text Window"));
        EXPECT_EQ(HelpContextOf(&f), 510);
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Hello"));
        f.Button2->click();   // Clear All Text
        TestScript::Answer(QStringLiteral("colour"), QColor(0, 0, 0x80));
        f.Button3->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(EditDisplayText(d, text, DisplayModeText));
    EXPECT_EQ(text, Hello);
    EXPECT_EQ(d.VPBack.u(), 0x800000u);
    EXPECT_FALSE(d.FullScreen);
    EXPECT_EQ(d.DisplayType.get(), 0);

    // Mode 2: its own caption and help; new text replaces; Cancel keeps all.
    d.DisplayType = 3;
    OnModal(QStringLiteral("THypEntryForm"), [](QDialog& dlg) {
        auto& f = static_cast<THypEntryForm&>(dlg);
        EXPECT_EQ(f.AdjustBtn->text(), QStringLiteral("&Design Display Screen"));
        EXPECT_EQ(HelpContextOf(&f), 550);
        f.RichEdit1->SetText(QStringLiteral("New words"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(EditDisplayText(d, text, DisplayModeGraphicText));
    EXPECT_EQ(d.DisplayType.get(), 3);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NE(text, Hello);
    const QStringList kept = text;
    OnModal(QStringLiteral("THypEntryForm"), [](QDialog& dlg) {
        static_cast<THypEntryForm&>(dlg).RichEdit1->SetText(QStringLiteral("dropped"));
        static_cast<THypEntryForm&>(dlg).CancelBtn->click();
    });
    EXPECT_FALSE(EditDisplayText(d, text, DisplayModeGraphicText));
    EXPECT_EQ(text, kept);
}

TEST_F(IntroTest, IntroductionEditorSavedReopenedAndShown)
{
    TPresentation p;
    SetPresentationDefaults(p);
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    QStringList text;
    // Written, designed (title bar on, "Use Text Window" on), viewed, saved.
    OnModal(QStringLiteral("TIntroEntryForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntroEntryForm&>(dlg);
        EXPECT_EQ(HelpContextOf(&f), 450);
        EXPECT_EQ(f.AdjustBtn->text(), QStringLiteral("&Design Introduction Screen"));
        f.RichEdit1->SetText(QStringLiteral("Welcome to the test"));
        OnModal(QStringLiteral("TIntroDesignForm"), [](QDialog& d2) {
            auto& g = static_cast<TIntroDesignForm&>(d2);
            EXPECT_EQ(HelpContextOf(&g), 460);
            EXPECT_FALSE(g.VPBtn->isEnabled());
            g.VPChkBx->setChecked(true);
            g.TitleBarChkBx->setChecked(true);
            // The background design sees "Use Text Window" at once.
            OnModal(QStringLiteral("TIntDesignBackForm"), [](QDialog& d3) {
                auto& h = static_cast<TIntDesignBackForm&>(d3);
                EXPECT_FALSE(h.Presentation.Intro.Display.FullScreen);
                EXPECT_EQ(HelpContextOf(&h), 480);
                h.CancelBtn->click();
            });
            g.VPBtn->click();
            OnModal(QStringLiteral("TVPDesignTitleForm"), [](QDialog& d3) {
                auto& t = static_cast<TVPDesignTitleForm&>(d3);
                EXPECT_EQ(HelpContextOf(&t), 465);
                EXPECT_EQ(t.TitleLbl->text(), QStringLiteral("TitleBar Text : "));
                t.edit1->setText(QStringLiteral("My Title"));
                t.OKBtn->click();
            });
            g.TitleBarBtn->click();
            g.OKBtn->click();
        });
        f.AdjustBtn->click();
        OnModal(QStringLiteral("TIntDispForm"), [](QDialog& d2) {
            auto& s = static_cast<TIntDispForm&>(d2);
            EXPECT_EQ(s.RichEdit1->Text(), QStringLiteral("Welcome to the test"));
            EXPECT_EQ(s.TitlePnl->text(), QStringLiteral("My Title"));
            s.reject();
        });
        f.ViewBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(EditIntroduction(p, prog, text));
    EXPECT_TRUE(p.Intro.UseTitleBar);
    EXPECT_FALSE(p.Intro.Display.FullScreen);
    EXPECT_EQ(p.Intro.TitleBarText.str(), QStringLiteral("My Title"));
    p.IntroEnabled = true;
    SaveIntroductionEntry(EntryPath, p, {true, false, text});

    // Reopened from the file and shown as the test run shows it.
    QStringList stored;
    ASSERT_TRUE(ReadIntroEntry(EntryPath, stored));
    EXPECT_EQ(stored, text);
    TestConfig.Presentation = p;
    TestConfig.Program = prog;
    OnModal(QStringLiteral("TIntDispForm"), [](QDialog& d2) {
        auto& s = static_cast<TIntDispForm&>(d2);
        EXPECT_EQ(s.RichEdit1->Text(), QStringLiteral("Welcome to the test"));
        EXPECT_TRUE(s.TitlePnl->isVisible());
        s.reject();
    });
    ShowIntroductionDisplay(stored);

    // Emptied and OK: the caller's lines are cleared. Cancel changes nothing.
    OnModal(QStringLiteral("TIntroEntryForm"), [](QDialog& dlg) {
        static_cast<TIntroEntryForm&>(dlg).Button2->click();
        static_cast<TIntroEntryForm&>(dlg).OKBtn->click();
    });
    ASSERT_TRUE(EditIntroduction(p, prog, stored));
    EXPECT_TRUE(stored.isEmpty());
}

TEST_F(IntroTest, TitleStatusAndMenuTexts)
{
    TIntroDesign intro;
    std::memset(&intro, 0, sizeof intro);
    intro.StatusBarFont = QStringLiteral("16 0 1 Times New Roman");
    intro.StatusBarColor = 0x00C0C0C0u;
    OnModal(QStringLiteral("TVPDesignTitleForm"), [](QDialog& dlg) {
        auto& t = static_cast<TVPDesignTitleForm&>(dlg);
        EXPECT_EQ(HelpContextOf(&t), 470);
        EXPECT_EQ(t.TitleLbl->text(), QStringLiteral("StatusBar Text :"));
        EXPECT_EQ(t.edit1->font().pointSize(), 16);
        EXPECT_TRUE(t.edit1->font().bold());
        EXPECT_EQ(t.edit1->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(t.edit1->maxLength(), 80);
        t.edit1->setText(QStringLiteral("Good luck"));
        TestScript::Answer(QStringLiteral("colour"), QColor(0xFF, 0xFF, 0));
        t.BackgroundBtn->click();
        QFont f(QStringLiteral("Courier New"), 12);
        f.setItalic(true);
        TestScript::Answer(QStringLiteral("font"), f);
        t.FontBtn->click();
        t.OKBtn->click();
    });
    ASSERT_TRUE(DesignStatusBar(intro));
    EXPECT_EQ(intro.StatusBarText.str(), QStringLiteral("Good luck"));
    EXPECT_EQ(intro.StatusBarColor.u(), 0x0000FFFFu);
    EXPECT_EQ(intro.StatusBarFont.str(), QStringLiteral("12 0 2 Courier New"));
    EXPECT_TRUE(intro.TitleBarText.IsEmpty());

    // "&Defaults" then Cancel leaves the captions; Defaults then OK resets all seven.
    TCaptionSet c;
    SetCaptionDefaults(c);
    c.CloseCaption = QStringLiteral("&Leave");
    c.FindCaption = QStringLiteral("Fi&nd it");
    const TCaptionSet before = c;
    OnModal(QStringLiteral("TChangeTextForm"), [](QDialog& dlg) {
        auto& f = static_cast<TChangeTextForm&>(dlg);
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("&Leave"));
        f.DefaultsBtn->click();
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("&Close"));
        f.CancelBtn->click();
    });
    EXPECT_FALSE(ChangeMenuTexts(c));
    EXPECT_EQ(std::memcmp(&c, &before, sizeof c), 0);
    OnModal(QStringLiteral("TChangeTextForm"), [](QDialog& dlg) {
        auto& f = static_cast<TChangeTextForm&>(dlg);
        f.DefaultsBtn->click();
        f.Edit3->setText(QStringLiteral("&Info"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(ChangeMenuTexts(c));
    EXPECT_EQ(c.CloseCaption.str(), QStringLiteral("&Close"));
    EXPECT_EQ(c.AboutCaption.str(), QStringLiteral("&Info"));
    EXPECT_EQ(c.FindCaption.str(), QStringLiteral("&Find"));
}

TEST_F(IntroTest, EntryEditorImportsViewsAndAdjusts)
{
    Dir.Write(QStringLiteral("notes.txt"), "First line\r\nSecond line\r\n");
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    QStringList text;
    OnModal(QStringLiteral("THypEntryForm"), [&](QDialog& dlg) {
        auto& f = static_cast<THypEntryForm&>(dlg);
        TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("notes.txt")));
        f.ImportBtn->click();
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("First line\nSecond line"));
        // View shows the text as it stands; Adjust moves the window.
        OnModal(QStringLiteral("TShowHTextForm"), [](QDialog& w) {
            EXPECT_EQ(static_cast<TShowHTextForm&>(w).RichEdit1->Text(), QStringLiteral("First line\nSecond line"));
            w.accept();
        });
        f.ViewBtn->click();
        OnModal(QStringLiteral("THypTextAdjForm"), [](QDialog& w) {
            auto& a = static_cast<THypTextAdjForm&>(w);
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(a.StretchHandle1, &right);
            a.accept();
        });
        f.AdjustBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(EditDisplayText(d, text, DisplayModeText));
    EXPECT_EQ(d.VPLeft.get(), 121);
    EXPECT_FALSE(text.isEmpty());
}

TEST_F(IntroTest, FontTextWithSpacesInTheFaceName)
{
    TFontDesc f;
    FontFromText(QStringLiteral("16 0 1 Times New Roman"), f);
    EXPECT_EQ(f.Size, 16);
    EXPECT_EQ(f.Color, 0u);
    EXPECT_EQ(f.Style, fsBold);
    EXPECT_EQ(f.Name, QStringLiteral("Times New Roman"));
}

} // namespace
