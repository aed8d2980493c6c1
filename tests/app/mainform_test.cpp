#include "harness.h"

#include "app/application.h"
#include "app/mainform.h"
#include "model/errors.h"
#include "model/processvalues.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "platform/tiledimage.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>

#include <new>

namespace {

class MainFormTest : public QuendraTest {};

// Shows the window and waits (up to 5 s, for a loaded machine) until the
// start-up timer has shown the command panel.
void StartUp(Ttestmainform& form)
{
    form.show();
    for (int i = 0; i < 500 && !(form.MenuPnl->isVisible() && !form.Timer1->isActive()); ++i)
        PumpEvents(10);
}

QStringList Enabled(Ttestmainform& f)
{
    QStringList out;
    for (QPushButton* b : f.findChildren<QPushButton*>())
        if (b->isEnabled())
            out << b->objectName();
    out.sort();
    return out;
}

TEST_F(MainFormTest, EnablingRulesInTheThreeProjectStates)
{
    TScratchDir dir;
    Ttestmainform form;
    EXPECT_EQ(Enabled(form), QStringList({"AboutBtn", "HelpBtn", "QuitBtn", "ReorgBtn", "SelectBtn", "StartBtn", "TutBtn"}));
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("None Selected"));

    dir.UseAsProject(QStringLiteral("MATHS"));
    form.RefreshCommands();
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("MATHS"));
    EXPECT_EQ(Enabled(form), QStringList({"AboutBtn", "AddBtn", "CustBookBtn", "CustChapBtn", "HelpBtn", "QuitBtn",
                                          "ReorgBtn", "SelectBtn", "StartBtn", "TutBtn"}));

    dir.Write(QStringLiteral("MATHS.QXQ"), QByteArray(55, 0));
    form.RefreshCommands();
    EXPECT_EQ(Enabled(form).size(), 17);
}

TEST_F(MainFormTest, CommandThatThrowsRestoresPanelAndFocus)
{
    Ttestmainform form;
    StartUp(form);
    ASSERT_TRUE(form.MenuPnl->isVisible());
    bool panelHiddenDuring = false;
    ExpectMessage(QStringLiteral("Error"));
    form.RunCommand(
        [&] {
            panelHiddenDuring = !form.MenuPnl->isVisible();
            throw EQuendraError(QStringLiteral("boom"));
        },
        [&] { form.SelectBtn->setFocus(); }, true);
    EXPECT_TRUE(panelHiddenDuring);
    EXPECT_TRUE(form.MenuPnl->isVisible());
    EXPECT_FALSE(form.waitpnl->isVisible());
    EXPECT_EQ(MessageTexts(), QStringList({"boom"}));
}

TEST_F(MainFormTest, ColourWarningOnceBeforeThePanel)
{
    SetScreenDepthOverride(8);
    SetStartupValues();
    Ttestmainform form;
    EXPECT_TRUE(LowColourDisplay);
    bool panelVisibleAtWarning = true;
    TestScript::AnswerMessage(QStringLiteral("Information"), 0,
                              [&](const QString&) { panelVisibleAtWarning = form.MenuPnl->isVisible(); });
    StartUp(form);
    EXPECT_FALSE(panelVisibleAtWarning);
    EXPECT_TRUE(form.MenuPnl->isVisible());
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().startsWith(QStringLiteral("Your video Display mode is set at 256 colors.")));
    form.hide();
    StartUp(form);
    EXPECT_EQ(MessageTexts().size(), 1);
}

TEST_F(MainFormTest, ControlsCaptionsHintsAndHelpContexts)
{
    SetStartupValues();
    Ttestmainform form;
    const struct { const char* name; const char* caption; int context; bool enabled; } buttons[] = {
        {"SelectBtn", "&Select a Test", 120, true},       {"StartBtn", "Start &New Test", 70, true},
        {"AddBtn", "&Add a Question", 100, false},        {"EditBtn", "&Edit a Question", 160, false},
        {"ViewBtn", "&View a Question", 170, false},      {"DeleteBtn", "&Delete a Question", 180, false},
        {"PreviewBtn", "&Pre-View Test", 360, false},     {"CompileBtn", "&Compile Test", 365, false},
        {"ExecBtn", "Create E&xecutable", 370, false},    {"DistribBtn", "P&repare Distribution", 380, false},
        {"CustChapBtn", "&Test Presentation", 200, false}, {"CustBookBtn", "Progra&m Presentation", 230, false},
        {"ReorgBtn", "Program &Utilities", 240, true},    {"AboutBtn", "A&bout This Program", 80, true},
        {"HelpBtn", "&Help", 1, true},                    {"TutBtn", "Tut&orial", 1, true},
        {"QuitBtn", "&Quit", 1, true},
    };
    for (const auto& b : buttons) {
        auto* btn = form.findChild<QPushButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(btn, nullptr) << b.name;
        EXPECT_EQ(btn->text(), QString::fromLatin1(b.caption)) << b.name;
        EXPECT_EQ(HelpContextOf(btn), b.context) << b.name;            // Help and Quit: the panel's
        EXPECT_EQ(btn->statusTip(), QStringLiteral(" Press F1 for Help")) << b.name;
        EXPECT_EQ(btn->isEnabled(), b.enabled) << b.name;
        EXPECT_TRUE(form.MenuPnl->isAncestorOf(btn)) << b.name;
    }
    const struct { const char* name; const char* caption; } groups[] = {
        {"GroupBox1", "  Create Questions "}, {"GroupBox2", "  Create Program  "},
        {"GroupBox3", "  Customize  "}, {"GroupBox4", "  Help  "},
    };
    for (const auto& g : groups) {
        auto* box = form.findChild<QGroupBox*>(QString::fromLatin1(g.name));
        ASSERT_NE(box, nullptr) << g.name;
        EXPECT_EQ(box->title(), QString::fromLatin1(g.caption));
    }
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quendra for Windows Ver 2.5"));
    EXPECT_EQ(form.TitlePnl->text(), QStringLiteral("Quendra for Windows - Ver 2.5"));
    EXPECT_EQ(form.ProjectCaption->text(), QStringLiteral("  Current Test  :"));
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("None Selected"));
    EXPECT_EQ(form.waitpnl->text(), QStringLiteral("Working. Please wait..."));
    EXPECT_EQ(HelpContextOf(form.MenuPnl), 1);
    EXPECT_EQ(HelpContextOf(form.StatusPnl), 1);
    EXPECT_EQ(HelpContextOf(form.ProjectPnl), 1);
    for (const char* name : {"wiaTile2", "MenuPnl", "TitlePnl", "StatusPnl", "ProjectPnl", "ProjectLbl", "waitpnl"})
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_FALSE(form.wiaTile2->Image().isNull());                      // the embedded tile is found
    EXPECT_TRUE(form.Timer1->isSingleShot());
    EXPECT_EQ(form.Timer1->interval(), 1);
    EXPECT_EQ(form.windowState() & Qt::WindowMaximized, Qt::WindowMaximized);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    // The start-up values.
    EXPECT_EQ(CurrentVersion, QStringLiteral("2.01"));
    EXPECT_TRUE(ProgramDir.endsWith(u'/'));
    EXPECT_EQ(ProgramDir, QCoreApplication::applicationDirPath() + u'/');
    EXPECT_EQ(ProjectDir, ProgramDir);
    EXPECT_EQ(HelpFilePath, ProgramDir + QStringLiteral("QUEDRIX.HLP"));
    EXPECT_EQ(form.OpenDialog1.Title, QStringLiteral(" Select a Test Project File"));
    EXPECT_EQ(form.OpenDialog1.Filter, QStringLiteral("Test Project Files|*.QXJ"));
    EXPECT_EQ(form.OpenDialog1.HelpContext, 90);
    EXPECT_EQ(form.OpenDialog1.InitialDir, ProjectDir);
    const QRect work = form.screen()->availableGeometry();
    EXPECT_EQ(DesignLeft, (work.width() - 640) / 2);
    EXPECT_EQ(DesignTop, (work.height() - 480) / 2);
    EXPECT_FALSE(LowColourDisplay);
    EXPECT_EQ(testmainform, &form);
}

TEST_F(MainFormTest, StartUpShowsTheCentredPanelWithFocusOnHelp)
{
    Ttestmainform form;
    EXPECT_FALSE(form.MenuPnl->isVisibleTo(&form));
    StartUp(form);
    ASSERT_TRUE(form.MenuPnl->isVisible());
    EXPECT_FALSE(form.waitpnl->isVisible());
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_EQ(form.focusWidget(), form.HelpBtn);
    EXPECT_TRUE(MessageTexts().isEmpty());                              // no colour warning at full depth
    EXPECT_GE(form.MenuPnl->width(), 560);
    EXPECT_GE(form.MenuPnl->height(), form.MenuPnl->minimumSizeHint().height());
    const QSize area = form.wiaTile2->size();
    EXPECT_EQ(form.MenuPnl->x(), area.width() / 2 - form.MenuPnl->width() / 2);
    EXPECT_EQ(form.MenuPnl->y(), area.height() / 2 - form.MenuPnl->height() / 2);
    // The panel follows the background when the window changes size.
    form.resize(form.width() + 101, form.height() + 51);
    PumpEvents(10);
    EXPECT_EQ(form.MenuPnl->x(), form.wiaTile2->width() / 2 - form.MenuPnl->width() / 2);
    EXPECT_EQ(form.MenuPnl->y(), form.wiaTile2->height() / 2 - form.MenuPnl->height() / 2);

    // Hints of the control under the mouse go to the status line.
    QStatusTipEvent tip(form.AddBtn->statusTip());
    QApplication::sendEvent(form.AddBtn, &tip);
    EXPECT_EQ(form.StatusText->text(), QStringLiteral(" Press F1 for Help"));
}

TEST_F(MainFormTest, FocusAfterEachCommand)
{
    TScratchDir dir;
    Ttestmainform form;
    StartUp(form);
    auto stub = [&form](const char* name, std::function<void()> op) {
        form.Operations[QString::fromLatin1(name)] = std::move(op);
    };
    QStringList ran;
    for (const char* name : {"SelectTest", "StartNewTest", "AddQuestions", "EditQuestion", "ViewQuestion",
                             "DeleteQuestion", "TestPresentationMenu", "ProgramConfigDialog", "ProgramUtilities",
                             "PreviewTest", "CompileTest", "CreateExecutable", "PrepareDistribution",
                             "ShowTutorial", "ShowAboutBox"}) {
        ASSERT_TRUE(form.Operations.contains(QString::fromLatin1(name))) << name;
        stub(name, [&ran, &form, name] {
            EXPECT_FALSE(form.MenuPnl->isVisible()) << name;
            ran << QString::fromLatin1(name);
        });
    }

    // No project: Select and Start keep the focus on themselves.
    form.SelectBtnClick();
    EXPECT_EQ(form.focusWidget(), form.SelectBtn);
    form.StartBtnClick();
    EXPECT_EQ(form.focusWidget(), form.StartBtn);
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("None Selected"));

    // Selecting a test: the label and the buttons follow, the focus goes to Add.
    stub("SelectTest", [&dir] { dir.UseAsProject(QStringLiteral("MATHS")); });
    form.SelectBtnClick();
    EXPECT_EQ(form.ProjectLbl->text(), QStringLiteral("MATHS"));
    EXPECT_EQ(form.focusWidget(), form.AddBtn);
    EXPECT_FALSE(form.DeleteBtn->isEnabled());

    // The first question makes the question commands available.
    stub("AddQuestions", [&dir] { dir.Write(QStringLiteral("MATHS.QXQ"), QByteArray(55, 0)); });
    form.AddBtnClick();
    EXPECT_TRUE(form.DeleteBtn->isEnabled());
    EXPECT_TRUE(form.CompileBtn->isEnabled());
    EXPECT_EQ(form.focusWidget(), form.AddBtn);

    // Deleting a question that is not the last keeps the focus on Delete;
    // deleting the last one (the file goes) moves it to Add.
    stub("DeleteQuestion", [] {});
    form.DeleteBtnClick();
    EXPECT_EQ(form.focusWidget(), form.DeleteBtn);
    stub("DeleteQuestion", [&dir] { QFile::remove(dir.File(QStringLiteral("MATHS.QXQ"))); });
    form.DeleteBtnClick();
    EXPECT_FALSE(form.DeleteBtn->isEnabled());
    EXPECT_FALSE(form.PreviewBtn->isEnabled());
    EXPECT_EQ(form.focusWidget(), form.AddBtn);
    dir.Write(QStringLiteral("MATHS.QXQ"), QByteArray(55, 0));
    form.RefreshCommands();

    const struct { void (Ttestmainform::*click)(); QPushButton* Ttestmainform::*button; } same[] = {
        {&Ttestmainform::EditBtnClick, &Ttestmainform::EditBtn},
        {&Ttestmainform::ViewBtnClick, &Ttestmainform::ViewBtn},
        {&Ttestmainform::CustChapBtnClick, &Ttestmainform::CustChapBtn},
        {&Ttestmainform::CustBookBtnClick, &Ttestmainform::CustBookBtn},
        {&Ttestmainform::ReorgBtnClick, &Ttestmainform::ReorgBtn},
        {&Ttestmainform::PreviewBtnClick, &Ttestmainform::PreviewBtn},
        {&Ttestmainform::CompileBtnClick, &Ttestmainform::CompileBtn},
        {&Ttestmainform::ExecBtnClick, &Ttestmainform::ExecBtn},
        {&Ttestmainform::DistribBtnClick, &Ttestmainform::DistribBtn},
        {&Ttestmainform::TutBtnClick, &Ttestmainform::TutBtn},
        {&Ttestmainform::AboutBtnClick, &Ttestmainform::AboutBtn},
    };
    for (const auto& c : same) {
        form.SelectBtn->setFocus();
        (form.*c.click)();
        EXPECT_TRUE(form.MenuPnl->isVisible());
        EXPECT_EQ(form.focusWidget(), form.*c.button) << (form.*c.button)->objectName().toStdString();
    }
    EXPECT_EQ(ran, QStringList({"SelectTest", "StartNewTest", "EditQuestion", "ViewQuestion", "TestPresentationMenu",
                                "ProgramConfigDialog", "ProgramUtilities", "PreviewTest", "CompileTest",
                                "CreateExecutable", "PrepareDistribution", "ShowTutorial", "ShowAboutBox"}));

    // The long operations show the wait panel while they run, and only then.
    bool waitShown = false;
    for (const char* name : {"CompileTest", "CreateExecutable", "PrepareDistribution"})
        stub(name, [&] { waitShown = form.waitpnl->isVisible(); });
    for (auto click : {&Ttestmainform::CompileBtnClick, &Ttestmainform::ExecBtnClick, &Ttestmainform::DistribBtnClick}) {
        waitShown = false;
        (form.*click)();
        EXPECT_TRUE(waitShown);
        EXPECT_FALSE(form.waitpnl->isVisible());
    }
    stub("PreviewTest", [&] { waitShown = form.waitpnl->isVisible(); });
    form.PreviewBtnClick();
    EXPECT_FALSE(waitShown);
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(MainFormTest, EveryKindOfFailureIsShownAndThePanelComesBack)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("MATHS"));
    dir.Write(QStringLiteral("MATHS.QXQ"), QByteArray(55, 0));
    Ttestmainform form;
    StartUp(form);
    form.Operations[QStringLiteral("EditQuestion")] = [] { throw EInOutError(QStringLiteral("Cannot read file X")); };
    form.Operations[QStringLiteral("CompileTest")] = [] { throw std::bad_alloc(); };
    form.Operations[QStringLiteral("DeleteQuestion")] = [] { throw 42; };
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    form.EditBtnClick();
    EXPECT_EQ(form.focusWidget(), form.EditBtn);
    form.CompileBtnClick();
    EXPECT_FALSE(form.waitpnl->isVisible());
    form.DeleteBtnClick();
    EXPECT_EQ(form.focusWidget(), form.DeleteBtn);
    EXPECT_TRUE(form.MenuPnl->isVisible());
    const QStringList texts = MessageTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("Cannot read file X"));
    EXPECT_FALSE(texts[1].isEmpty());
    EXPECT_FALSE(texts[2].isEmpty());
}

TEST_F(MainFormTest, HelpButtonAndF1OpenTheHelpFile)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("QUEDRIX.HLP"),
              "<html><body><h1 id=\"1\">Contents</h1><h2 id=\"100\">Add</h2><h2 id=\"120\">Select</h2></body></html>");
    Ttestmainform form;
    HelpFilePath = dir.File(QStringLiteral("QUEDRIX.HLP"));
    StartUp(form);
    form.HelpBtn->click();
    EXPECT_TRUE(form.MenuPnl->isVisible());
    EXPECT_EQ(form.focusWidget(), form.HelpBtn);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(form.SelectBtn, &f1);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")),
              QStringList({HelpFilePath + "#1", HelpFilePath + "#120"}));
    if (THelpViewer* v = THelpViewer::Instance(false))
        v->close();

    // A missing help file is reported, and the window carries on.
    HelpFilePath = dir.File(QStringLiteral("NONE.HLP"));
    ExpectMessage(QStringLiteral("Error"));
    form.HelpBtnClick();
    EXPECT_TRUE(form.MenuPnl->isVisible());

    form.QuitBtn->click();
    EXPECT_FALSE(form.isVisible());
}

} // namespace

namespace {

TEST_F(MainFormTest, CommandTableDrivesEveryButtonAndAnUnknownNameStops)
{
    Ttestmainform form;
    ASSERT_EQ(form.Commands.size(), 15u);
    QStringList ran;
    for (const Ttestmainform::TCommand& c : form.Commands) {
        const QString name = QString::fromLatin1(c.Operation);
        ASSERT_TRUE(form.Operations.contains(name)) << c.Operation;
        EXPECT_EQ(form.CommandOf(c.Button), &c);
        form.Operations[name] = [&ran, name] { ran << name; };
        c.Button->setEnabled(true);
    }
    // A real click runs the button's row.
    for (const Ttestmainform::TCommand& c : form.Commands) {
        c.Button->setEnabled(true);   // a refresh after the last command may have disabled it
        c.Button->click();
        EXPECT_EQ(ran.value(ran.size() - 1), QString::fromLatin1(c.Operation)) << c.Operation;
    }
    EXPECT_EQ(ran.size(), 15);
    // No command table row for Help and Quit: they open the help file and close.
    EXPECT_EQ(form.CommandOf(form.HelpBtn), nullptr);
    EXPECT_EQ(form.CommandOf(form.QuitBtn), nullptr);

    // An operation name nobody provides is a programming error that stops the program.
    form.Operations.remove(QStringLiteral("CompileTest"));
    EXPECT_DEATH(form.CompileBtnClick(), "CompileTest");
}

TEST_F(MainFormTest, StartUpValuesComeFromOneRoutineAndOneResetClearsThem)
{
    SetStartupValues();
    EXPECT_EQ(ProgramDir, QCoreApplication::applicationDirPath() + u'/');
    EXPECT_EQ(HelpFilePath, ProgramDir + QStringLiteral("QUEDRIX.HLP"));
    // The main window leaves them alone.
    ProjectDir = QStringLiteral("/somewhere/");
    {
        Ttestmainform form;
        EXPECT_EQ(ProjectDir, QStringLiteral("/somewhere/"));
        EXPECT_EQ(form.OpenDialog1.InitialDir, QStringLiteral("/somewhere/"));
    }
    ResetAllProcessValues();
    EXPECT_TRUE(ProgramDir.isEmpty());
    EXPECT_TRUE(HelpFilePath.isEmpty());
    QStringList names;
    for (int i = 0; i < ResetRoutineCount(); ++i)
        names << QString::fromLatin1(ResetRoutineName(i));
    for (const char* module : {"ResetProcessValues", "ResetEntryFileValues", "ResetAppendOutput", "ResetHelpValues",
                               "ResetMediaModule", "ResetRunState"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(module))) << module << " in " << names.join(u' ').toStdString();
}

} // namespace
