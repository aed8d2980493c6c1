// The program configuration form: what Save writes into the project file,
// byte for byte, that Cancel writes nothing, and the rules for the icon, the
// help file and the commands.
#include "harness.h"
#include "../model/bytes.h"

#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "presentation/designaboutform.h"
#include "presentation/helpfileform.h"
#include "presentation/progconfigform.h"
#include "presentation/programconfig.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {

using TestBytes::Le16;
using TestBytes::Le32;

// Record offsets in the project file, counted by hand from the layout.
constexpr int ProgramAt = 4728;
constexpr int PresentationAt = 1383;
constexpr int AboutAt = PresentationAt + 2639;

// A short string as a writer leaves it: the length byte and the text (the
// bytes after the text keep what they held).
QByteArray Text(const QByteArray& text) { return QByteArray(1, char(text.size())) + text; }
void Put(QByteArray& bytes, int offset, const QByteArray& value) { bytes.replace(offset, value.size(), value); }
QByteArray Byte(int v) { return QByteArray(1, char(v)); }

class ProgConfigTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("MATHS"));
        SetConfigDefaults();
    }
    // What the main window does with the form.
    static bool RunConfig(std::function<void(TProgConfigForm&)> body)
    {
        OnModal(QStringLiteral("TProgConfigForm"), [body](QDialog& d) { body(static_cast<TProgConfigForm&>(d)); });
        if (!ProgramConfigDialog(TestConfig.Presentation, TestConfig.Program, EntryPath))
            return false;
        SaveConfig();
        return true;
    }
    static QListWidgetItem* Item(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    TScratchDir Dir;
    TScratchDir Outside;
};

// Fills every control of the form, the help file and the about box with
// the values the byte test expects.
void FillEverything(TProgConfigForm& f)
{
    f.Edit1->setText(QStringLiteral("Maths Quiz"));
    f.IconChkBx->click();
    EXPECT_FALSE(f.IconGrpBx->isHidden());
    f.FileListBox1->setCurrentRow(0);
    Q_EMIT f.FileListBox1->itemClicked(f.FileListBox1->item(0));
    EXPECT_EQ(f.IconEdit->text(), QStringLiteral("logo.ico"));
    EXPECT_FALSE(f.HelpBtn->isEnabled());
    f.CheckBox3->click();
    ASSERT_TRUE(f.HelpBtn->isEnabled());
    TestScript::OnModal(QStringLiteral("THelpfileForm"), [](QDialog& d) {
        auto& h = static_cast<THelpfileForm&>(d);
        EXPECT_EQ(HelpContextOf(&h), 405);
        h.Edit1->setText(QStringLiteral("help.htm"));
        h.Edit2->setText(QStringLiteral("7"));
        h.OKBtn->click();
    });
    f.HelpBtn->click();
    f.VideoChkBx->click();
    EXPECT_FALSE(f.OpenBtn->isEnabled());
    f.OpenChkBx->click();
    EXPECT_TRUE(f.OpenBtn->isEnabled());
    f.AboutChkBx->click();
    TestScript::OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& a = static_cast<TDesignAboutForm&>(d);
        EXPECT_EQ(HelpContextOf(&a), 440);
        a.BoxTitleEdit->setText(QStringLiteral("About Maths"));
        a.ProgNameEdit->setText(QStringLiteral("Maths"));
        a.VersionEdit->setText(QStringLiteral("Version 1"));
        a.AuthorEdit->setText(QStringLiteral("Ms Smith"));
        a.Comm1->setText(QStringLiteral("Line one"));
        a.Comm3->setText(QStringLiteral("Line three"));
        a.BothRButt->click();
        a.OKBtn->click();
    });
    f.AboutBtn->click();
}

TEST_F(ProgConfigTest, SavedValuesLieByteExactInTheProjectFileAndCancelWritesNothing)
{
    Dir.Write(QStringLiteral("logo.ico"), "icon");
    Dir.Write(QStringLiteral("help.htm"), "<p id=\"7\">Topic</p>");
    // An opening command defined earlier: the form takes it as defined.
    TestConfig.Presentation.Opening.CommandType = 2;
    TestConfig.Presentation.Opening.Graphic = QStringLiteral("pic.bmp");
    TestConfig.Presentation.Opening.Duration = 20;
    TestConfig.Presentation.Opening.CommandValue = QStringLiteral("pic.bmp,20");
    SaveConfig();
    const QByteArray before = Dir.Read(QStringLiteral("MATHS.QXJ"));
    ASSERT_EQ(before.size(), 5428);
    const TTestConfig kept = TestConfig;

    // Cancel after every change: no byte of the file, nothing in memory.
    EXPECT_FALSE(RunConfig([](TProgConfigForm& f) {
        EXPECT_EQ(HelpContextOf(&f), 400);
        FillEverything(f);
        f.BitBtn2->click();
    }));
    EXPECT_EQ(Dir.Read(QStringLiteral("MATHS.QXJ")), before);
    EXPECT_EQ(std::memcmp(&kept, &TestConfig, sizeof kept), 0);

    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        FillEverything(f);
        f.BitBtn1->click();
    }));
    QByteArray expected = before;
    Put(expected, ProgramAt + 0, Text("Maths Quiz"));
    Put(expected, ProgramAt + 81, Byte(1));
    Put(expected, ProgramAt + 82, Text("logo.ico"));
    Put(expected, ProgramAt + 233, Byte(1));
    Put(expected, ProgramAt + 234, Text("help.htm"));
    Put(expected, ProgramAt + 385, Le32(7));
    Put(expected, ProgramAt + 389, Byte(1));
    Put(expected, PresentationAt + 616, Byte(1));
    Put(expected, PresentationAt + 2638, Byte(1));
    Put(expected, AboutAt + 0, Le16(2));
    Put(expected, AboutAt + 2, Text("About Maths"));
    Put(expected, AboutAt + 195, Text("Maths"));
    Put(expected, AboutAt + 228, Text("Version 1"));
    Put(expected, AboutAt + 271, Text("Ms Smith"));
    Put(expected, AboutAt + 314, Text("Line one"));
    Put(expected, AboutAt + 314 + 2 * 66, Text("Line three"));
    const QByteArray after = Dir.Read(QStringLiteral("MATHS.QXJ"));
    ASSERT_EQ(after.size(), expected.size());
    for (int i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i], expected[i]) << "byte " << i;
    // The opening command itself is untouched.
    EXPECT_EQ(after.mid(PresentationAt + 617 + 809, 11), Text("pic.bmp,20"));
}

TEST_F(ProgConfigTest, PatternsAreNoFileNamesAndTurnTheirFlagsOff)
{
    // A project saved with the placeholders as names (as older versions
    // did): the form forgets them.
    TestConfig.Program.UseIcon = true;
    TestConfig.Program.IconFile = QStringLiteral("*.ICO");
    TestConfig.Program.UseHelpFile = true;
    TestConfig.Program.HelpFile = QStringLiteral("*.HLP");
    TestConfig.Program.HelpContext = 3;
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("*.ICO"));
        EXPECT_TRUE(f.IconChkBx->isChecked());
        f.BitBtn1->click();
    }));
    EXPECT_FALSE(TestConfig.Program.UseIcon);
    EXPECT_TRUE(TestConfig.Program.IconFile.IsEmpty());
    EXPECT_FALSE(TestConfig.Program.UseHelpFile);
    EXPECT_TRUE(TestConfig.Program.HelpFile.IsEmpty());
    EXPECT_EQ(TestConfig.Program.HelpContext.get(), 0);

    // "Use Icon" ticked with no icon chosen, the help dialog left at its
    // initial pattern: both flags off, no pattern stored.
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        f.IconChkBx->click();
        f.CheckBox3->click();
        TestScript::OnModal(QStringLiteral("THelpfileForm"), [](QDialog& d) {
            auto& h = static_cast<THelpfileForm&>(d);
            EXPECT_EQ(h.Edit1->text(), QStringLiteral("*.HLP"));
            EXPECT_EQ(h.Edit2->text(), QStringLiteral("1"));
            h.OKBtn->click();
        });
        f.HelpBtn->click();
        f.BitBtn1->click();
    }));
    EXPECT_FALSE(TestConfig.Program.UseIcon);
    EXPECT_TRUE(TestConfig.Program.IconFile.IsEmpty());
    EXPECT_FALSE(TestConfig.Program.UseHelpFile);
    EXPECT_TRUE(TestConfig.Program.HelpFile.IsEmpty());
    const QByteArray file = Dir.Read(QStringLiteral("MATHS.QXJ"));
    EXPECT_EQ(file[ProgramAt + 82], '\0');    // IconFile's length
    EXPECT_EQ(file[ProgramAt + 234], '\0');   // HelpFile's length

    // A help file with its topic left at 0 is saved off, the name cleared.
    TestConfig.Program.HelpFile = QStringLiteral("help.htm");
    TestConfig.Program.HelpContext = 0;
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        f.CheckBox3->click();
        f.BitBtn1->click();
    }));
    EXPECT_FALSE(TestConfig.Program.UseHelpFile);
    EXPECT_TRUE(TestConfig.Program.HelpFile.IsEmpty());

    // A stored icon the project no longer holds is not offered.
    TestConfig.Program.UseIcon = true;
    TestConfig.Program.IconFile = QStringLiteral("gone.ico");
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("*.ICO"));
        f.BitBtn1->click();
    }));
    EXPECT_FALSE(TestConfig.Program.UseIcon);
}

TEST_F(ProgConfigTest, UndefinedCommandsKeepTheFormOpen)
{
    SaveConfig();
    const QByteArray before = Dir.Read(QStringLiteral("MATHS.QXJ"));
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_FALSE(RunConfig([](TProgConfigForm& f) {
        f.OpenChkBx->click();
        f.CloseChkBx->click();
        f.BitBtn1->click();
        EXPECT_TRUE(f.isVisible());
        f.OpenChkBx->click();
        f.BitBtn1->click();
        EXPECT_TRUE(f.isVisible());
        f.BitBtn2->click();
    }));
    EXPECT_EQ(MessageTexts(), QStringList({"The Opening Command has not been defined",
                                           "The Closing Command has not been defined"}));
    EXPECT_EQ(Dir.Read(QStringLiteral("MATHS.QXJ")), before);

    // A closing command stored earlier counts as defined.
    TestConfig.Presentation.Closing.CommandType = 10;
    TestConfig.Presentation.Closing.ProgramText = QStringLiteral("end.htm");
    TestConfig.Presentation.Closing.CommandValue = QStringLiteral("end.htm");
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        f.CloseChkBx->click();
        f.BitBtn1->click();
    }));
    EXPECT_TRUE(TestConfig.Presentation.ClosingEnabled);
}

TEST_F(ProgConfigTest, FindFileOffersTheCopyAndFallsBackToAProjectIcon)
{
    Outside.Write(QStringLiteral("far.ico"), "far");
    Dir.Write(QStringLiteral("a.ico"), "a");
    ExpectMessage(QStringLiteral("Confirm"), 0);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ASSERT_TRUE(RunConfig([&](TProgConfigForm& f) {
        f.IconChkBx->click();
        // Cancelled: nothing changes, nothing asked.
        TestScript::Answer(QStringLiteral("open"), QVariant());
        f.Button1->click();
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("*.ICO"));
        // Not copied: the pattern gives way to the project's first icon.
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.ico")));
        f.Button1->click();
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("a.ico"));
        EXPECT_FALSE(Dir.Exists(QStringLiteral("far.ico")));
        // Copied: the copy is taken and listed.
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.ico")));
        f.Button1->click();
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("far.ico"));
        EXPECT_EQ(Dir.Read(QStringLiteral("far.ico")), QByteArray("far"));
        EXPECT_NE(Item(f.FileListBox1, QStringLiteral("far.ico")), nullptr);
        // A file of the project itself: no copy offered.
        TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("a.ico")));
        f.Button1->click();
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("a.ico"));
        f.BitBtn1->click();
    }));
    EXPECT_EQ(MessageTexts().size(), 2);
    EXPECT_EQ(MessageTexts().first(),
              QStringLiteral("Copy the file ") + Outside.File(QStringLiteral("far.ico")) + QStringLiteral(" to the Project directory?"));
    EXPECT_EQ(TestConfig.Program.IconFile.str(), QStringLiteral("a.ico"));
    EXPECT_TRUE(TestConfig.Program.UseIcon);
}

TEST_F(ProgConfigTest, HelpFileDialogRules)
{
    TProgramSettings program;
    SetProgramSettingsDefaults(program);
    program.HelpFile = QStringLiteral("old.htm");
    program.HelpContext = 4;
    // The edit holds as much as its field, the topic 8 characters.
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    OnModal(QStringLiteral("THelpfileForm"), [](QDialog& d) {
        auto& h = static_cast<THelpfileForm&>(d);
        EXPECT_EQ(h.Edit1->maxLength(), 150);
        EXPECT_EQ(h.Edit2->maxLength(), 8);
        EXPECT_EQ(h.Edit1->text(), QStringLiteral("old.htm"));
        EXPECT_EQ(h.Edit2->text(), QStringLiteral("4"));
        const QString longName = QString(140, u'h') + QStringLiteral(".htm");
        h.Edit1->setText(longName);
        EXPECT_EQ(h.Edit1->text(), longName);
        h.Edit2->setText(QStringLiteral("abc"));
        EXPECT_FALSE(h.Edit2Exit());
        EXPECT_EQ(h.Edit2->text(), QStringLiteral("1"));
        h.Edit2->setText(QStringLiteral("0"));
        h.OKBtn->click();
        EXPECT_TRUE(h.isVisible());
        EXPECT_EQ(h.Edit2->text(), QStringLiteral("1"));
        h.Edit2->setText(QStringLiteral("12"));
        h.OKBtn->click();
    });
    ASSERT_TRUE(ChooseHelpFile(program));
    EXPECT_EQ(MessageTexts(), QStringList({"That is not a valid number", "The Starting Topic must be greater than 0."}));
    EXPECT_EQ(program.HelpFile.str(), QString(140, u'h') + QStringLiteral(".htm"));
    EXPECT_EQ(program.HelpContext.get(), 12);

    // Cancel keeps everything.
    OnModal(QStringLiteral("THelpfileForm"), [](QDialog& d) {
        auto& h = static_cast<THelpfileForm&>(d);
        h.Edit1->setText(QStringLiteral("other.htm"));
        h.CancelBtn->click();
    });
    EXPECT_FALSE(ChooseHelpFile(program));
    EXPECT_EQ(program.HelpContext.get(), 12);
}

} // namespace

#include "presentation/commandtypeform.h"
#include "presentation/exechoiceform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getwinexeform.h"

namespace {

TEST_F(ProgConfigTest, CommandsDefinedThroughTheMediaDialogsLieByteExactInTheProjectFile)
{
    Dir.Write(QStringLiteral("pic.jpg"), "j");
    Dir.Write(QStringLiteral("notes.txt"), "n");
    SaveConfig();
    const QByteArray before = Dir.Read(QStringLiteral("MATHS.QXJ"));
    ASSERT_TRUE(RunConfig([](TProgConfigForm& f) {
        f.OpenChkBx->click();
        TestScript::OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
            auto& c = static_cast<TCommandTypeForm&>(d);
            EXPECT_EQ(c.GroupBox1->title(), QStringLiteral(" Opening Command Type "));
            c.RBType2->click();
            TestScript::OnModal(QStringLiteral("TGetGraphicForm"), [](QDialog& g) {
                auto& graphic = static_cast<TGetGraphicForm&>(g);
                EXPECT_EQ(graphic.Edit1->text(), QStringLiteral("pic.jpg"));
                graphic.Edit2->setText(QStringLiteral("30"));
                graphic.OKBtn->click();
            });
            c.GraphBtn->click();
            c.OKBtn->click();
        });
        f.OpenBtn->click();
        f.CloseChkBx->click();
        TestScript::OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
            auto& c = static_cast<TCommandTypeForm&>(d);
            EXPECT_EQ(c.GroupBox1->title(), QStringLiteral(" Closing Command Type "));
            TestScript::OnModal(QStringLiteral("TExeChoiceForm"), [](QDialog& e) {
                auto& chooser = static_cast<TExeChoiceForm&>(e);
                chooser.RadioButton2->click();
                TestScript::OnModal(QStringLiteral("TGetWinExeForm"), [](QDialog& w) {
                    auto& win = static_cast<TGetWinExeForm&>(w);
                    win.Edit1->setText(QStringLiteral("view notes.txt"));
                    win.OKBtn->click();
                });
                chooser.AddBtn2->click();
                chooser.OKBtn->click();
            });
            c.ExeBtn->click();
            c.OKBtn->click();
        });
        f.CloseBtn->click();
        f.BitBtn1->click();
    }));
    constexpr int Opening = PresentationAt + 617;
    constexpr int Closing = PresentationAt + 1628;
    QByteArray expected = before;
    Put(expected, PresentationAt + 616, Byte(1));
    Put(expected, Opening + 0, Le16(2));
    Put(expected, Opening + 2, Text("pic.jpg"));
    Put(expected, Opening + 807, Le16(30));
    Put(expected, Opening + 809, Text("pic.jpg,30"));
    Put(expected, PresentationAt + 1627, Byte(1));
    Put(expected, Closing + 0, Le16(9));
    Put(expected, Closing + 606, Text("view notes.txt"));
    Put(expected, Closing + 809, Text("view notes.txt"));
    const QByteArray after = Dir.Read(QStringLiteral("MATHS.QXJ"));
    ASSERT_EQ(after.size(), expected.size());
    for (int i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i], expected[i]) << "byte " << i;
}

} // namespace
