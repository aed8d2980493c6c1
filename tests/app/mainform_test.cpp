#include "harness.h"

#include "app/mainform.h"
#include "model/errors.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/testscript.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

class MainFormTest : public QuendraTest {};

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
    form.show();
    PumpEvents(20);
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
    Ttestmainform form;
    EXPECT_TRUE(LowColourDisplay);
    bool panelVisibleAtWarning = true;
    TestScript::AnswerMessage(QStringLiteral("Information"), 0,
                              [&](const QString&) { panelVisibleAtWarning = form.MenuPnl->isVisible(); });
    form.show();
    PumpEvents(50);
    EXPECT_FALSE(panelVisibleAtWarning);
    EXPECT_TRUE(form.MenuPnl->isVisible());
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().startsWith(QStringLiteral("Your video Display mode is set at 256 colors.")));
    form.hide();
    form.show();
    PumpEvents(20);
    EXPECT_EQ(MessageTexts().size(), 1);
}

} // namespace
