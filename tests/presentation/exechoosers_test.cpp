// The two choosers in front of the program dialogs: which choice an
// incoming command checks, "Add" on top of the shown chooser, and what OK
// leaves with when nothing or something else was added.
#include "harness.h"

#include "presentation/exe2choiceform.h"
#include "presentation/exechoiceform.h"
#include "presentation/gethtmform.h"
#include "presentation/getexeform.h"
#include "presentation/getwinexeform.h"
#include "presentation/mediachoosers.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "presentation/getaudioform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getgraudioform.h"
#include "presentation/getmidiform.h"
#include "presentation/getvideoform.h"

#include <memory>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ExeChooserTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
    }
    TScratchDir Dir;
};

QList<bool> Enabled(const QList<QPushButton*>& buttons)
{
    QList<bool> out;
    for (QPushButton* b : buttons)
        out << b->isEnabled();
    return out;
}

TEST_F(ExeChooserTest, ReopeningCommandsCheckTheirOwnChoice)
{
    TExeChoiceForm f;
    EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Select External Type "));
    EXPECT_EQ(f.RadioButton2->text(), QStringLiteral(" Windows related Program"));
    f.Open(QStringLiteral("view notes.txt"), 9);
    EXPECT_TRUE(f.RadioButton2->isChecked());
    EXPECT_EQ(Enabled(f.Adds), QList<bool>({false, true, false}));
    f.Open(QStringLiteral("page.htm"), 10);
    EXPECT_TRUE(f.RadioButton3->isChecked());
    EXPECT_EQ(Enabled(f.Adds), QList<bool>({false, false, true}));
    // A command of another kind is not a program: type 4, nothing kept.
    f.Open(QStringLiteral("pic.bmp,0"), 2);
    EXPECT_TRUE(f.RadioButton1->isChecked());
    EXPECT_EQ(Enabled(f.Adds), QList<bool>({true, false, false}));
    EXPECT_TRUE(f.Command.isEmpty());
    f.RadioButton3->click();
    EXPECT_EQ(Enabled(f.Adds), QList<bool>({false, false, true}));

    TExe2ChoiceForm g;
    EXPECT_EQ(g.GroupBox1->title(), QStringLiteral(" Select Executable Type "));
    EXPECT_EQ(g.RadioButton2->text(), QStringLiteral(" Internal Windows Program"));
    g.Open(QStringLiteral("view notes.txt"), 9);
    EXPECT_TRUE(g.RadioButton2->isChecked());
    EXPECT_EQ(Enabled(g.Adds), QList<bool>({false, true}));
    g.Open(QStringLiteral("page.htm"), 10);   // not offered here
    EXPECT_TRUE(g.RadioButton1->isChecked());
}

TEST_F(ExeChooserTest, AddRunsOnTopOfTheShownChooser)
{
    QString command = QStringLiteral("view notes.txt");
    int type = 9;
    bool shownAfterAdd = false;
    OnModal(QStringLiteral("TExeChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExeChoiceForm&>(d);
        OnModal(QStringLiteral("TGetWinExeForm"), [&](QDialog& w) {
            auto& win = static_cast<TGetWinExeForm&>(w);
            EXPECT_EQ(win.Edit1->text(), QStringLiteral("view notes.txt"));
            EXPECT_EQ(win.parentWidget(), &f);
            EXPECT_TRUE(f.isVisible());
            win.Edit1->setText(QStringLiteral("view other.txt"));
            win.OKBtn->click();
        });
        f.AddBtn2->click();
        shownAfterAdd = f.isVisible();
        // Switching to HTML and adding a page makes it type 10.
        f.RadioButton3->click();
        OnModal(QStringLiteral("TGetHTMForm"), [&](QDialog& h) {
            auto& html = static_cast<TGetHTMForm&>(h);
            EXPECT_TRUE(html.Edit1->text().isEmpty());
            html.Edit1->setText(QStringLiteral("page.htm"));
            html.OKBtn->click();
        });
        f.AddBtn3->click();
        EXPECT_EQ(f.Type, 10);
        // Back to the program with a file: its remembered value is offered.
        f.RadioButton2->click();
        OnModal(QStringLiteral("TGetWinExeForm"), [&](QDialog& w) {
            EXPECT_EQ(static_cast<TGetWinExeForm&>(w).Edit1->text(), QStringLiteral("view other.txt"));
            static_cast<TGetWinExeForm&>(w).CancelBtn->click();
        });
        f.AddBtn2->click();
        EXPECT_TRUE(f.isVisible());
        f.OKBtn->click();
    });
    ASSERT_TRUE(ChooseExternalCommand(command, type));
    EXPECT_TRUE(shownAfterAdd);
    EXPECT_EQ(type, 10);
    EXPECT_EQ(command, QStringLiteral("page.htm"));
}

TEST_F(ExeChooserTest, OkWithoutAddKeepsTheStoredCommand)
{
    // Switching the kind without Add: the stored kind and value stay.
    QString command = QStringLiteral("view notes.txt");
    int type = 9;
    OnModal(QStringLiteral("TExeChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExeChoiceForm&>(d);
        f.RadioButton1->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(ChooseExternalCommand(command, type));
    EXPECT_EQ(type, 9);
    EXPECT_EQ(command, QStringLiteral("view notes.txt"));

    // Nothing brought in and nothing added: no command is defined.
    command.clear();
    type = 0;
    OnModal(QStringLiteral("TExe2ChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExe2ChoiceForm&>(d);
        f.RadioButton2->click();
        f.OKBtn->click();
    });
    EXPECT_FALSE(ChooseExecutableCommand(command, type));
    EXPECT_TRUE(command.isEmpty());
    EXPECT_EQ(type, 0);

    // An Add cancelled, then OK: still nothing.
    OnModal(QStringLiteral("TExe2ChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExe2ChoiceForm&>(d);
        OnModal(QStringLiteral("TGetExeForm"), [](QDialog& e) { static_cast<TGetExeForm&>(e).CancelBtn->click(); });
        f.AddBtn1->click();
        f.OKBtn->click();
    });
    EXPECT_FALSE(ChooseExecutableCommand(command, type));
    EXPECT_TRUE(command.isEmpty());

    // A program added with parameters: type 4. Cancel afterwards drops it.
    OnModal(QStringLiteral("TExe2ChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExe2ChoiceForm&>(d);
        OnModal(QStringLiteral("TGetExeForm"), [](QDialog& e) {
            auto& exe = static_cast<TGetExeForm&>(e);
            exe.Edit1->setText(QStringLiteral("/usr/bin/true"));
            exe.Edit2->setText(QStringLiteral("-x"));
            exe.OKBtn->click();
        });
        f.AddBtn1->click();
        f.CancelBtn->click();
    });
    EXPECT_FALSE(ChooseExecutableCommand(command, type));
    EXPECT_TRUE(command.isEmpty());
    EXPECT_EQ(type, 0);
    OnModal(QStringLiteral("TExe2ChoiceForm"), [&](QDialog& d) {
        auto& f = static_cast<TExe2ChoiceForm&>(d);
        OnModal(QStringLiteral("TGetExeForm"), [](QDialog& e) {
            auto& exe = static_cast<TGetExeForm&>(e);
            exe.Edit1->setText(QStringLiteral("/usr/bin/true"));
            exe.Edit2->setText(QStringLiteral("-x"));
            exe.OKBtn->click();
        });
        f.AddBtn1->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(ChooseExecutableCommand(command, type));
    EXPECT_EQ(type, 4);
    EXPECT_EQ(command, QStringLiteral("/usr/bin/true,-x"));
}

TEST_F(ExeChooserTest, HelpContextsAndTabOrder)
{
    std::vector<std::pair<std::unique_ptr<TGetMediaForm>, int>> forms;
    forms.emplace_back(new TGetGraphicForm, 520);
    forms.emplace_back(new TGetAudioForm, 530);
    forms.emplace_back(new TGetGrAudioForm, 560);
    forms.emplace_back(new TGetMidiForm, 580);
    forms.emplace_back(new TGetVideoForm, 570);
    forms.emplace_back(new TGetExeForm, 545);
    forms.emplace_back(new TGetWinExeForm, 546);
    forms.emplace_back(new TGetHTMForm, 547);
    for (auto& [form, context] : forms) {
        EXPECT_EQ(HelpContextOf(form.get()), context);
        ExpectMessage(QStringLiteral("Error"));   // no help file here: its message
        form->HelpBtn->click();
        EXPECT_TRUE(TestScript::Logged(QStringLiteral("help")).last().endsWith(QStringLiteral("#%1").arg(context)));
    }
    EXPECT_EQ(HelpContextOf(std::make_unique<TExeChoiceForm>().get()), 540);
    EXPECT_EQ(HelpContextOf(std::make_unique<TExe2ChoiceForm>().get()), 425);
    // Tab walks the rows from the top, then the buttons.
    TGetGrAudioForm f;
    QStringList chain;
    QWidget* w = f.Edit1;
    do {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") && w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != f.Edit1);
    EXPECT_EQ(chain, QStringList({"Edit1", "FileListBox1", "FindFileBtn1", "Edit2", "FileListBox2", "FindFileBtn2",
                                  "Edit3", "BitBtn1", "OKBtn", "CancelBtn", "HelpBtn"}));
}

} // namespace
