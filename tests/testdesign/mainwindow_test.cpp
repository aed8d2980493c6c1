// "&Test Presentation" of the main window opens the real menu, and the main
// window's command panel is back when the menu closes.
#include "designtest.h"

#include "app/mainform.h"
#include "model/testconfig.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class MainWindowTest : public DesignTest {};

TEST_F(MainWindowTest, TestPresentationOpensTheMenuAndItsDialogsSave)
{
    Ttestmainform form;
    form.show();
    for (int i = 0; i < 500 && !(form.MenuPnl->isVisible() && !form.Timer1->isActive()); ++i)
        PumpEvents(10);
    // The main window's start-up knows no project: open ours again.
    Dir.UseAsProject(QStringLiteral("MATHS"));
    form.RefreshCommands();
    ASSERT_TRUE(form.CustChapBtn->isEnabled());

    bool shown = false;
    OnModal(QStringLiteral("TTCustForm"), [&](QDialog& menu) {
        shown = true;
        EXPECT_FALSE(form.MenuPnl->isVisible());
        OnModal(QStringLiteral("TStudentInputForm"), [](QDialog& d) {
            Child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("Teacher"));
            Child<QPushButton>(d, "SaveBtn")->click();
        });
        OnModal(QStringLiteral("TResMenuForm"), [](QDialog& results) {
            Child<QPushButton>(results, "InputBtn")->click();
            Child<QPushButton>(results, "CloseBtn")->click();
        });
        Child<QPushButton>(menu, "ResultsBtn")->click();
        Child<QPushButton>(menu, "CloseBtn")->click();
    });
    // Printing makes the student inputs available.
    TestConfig.SaveResultsToPrinter = true;
    form.CustChapBtnClick();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form.MenuPnl->isVisible());
    EXPECT_EQ(form.focusWidget(), form.CustChapBtn);
    // Prompt 3 at 147 + 2 x 51; the flag set in memory went with the record.
    ExpectOnly(Before, ProjectFile(), {{13, QByteArray(1, 1)}, {147 + 102, Str("Teacher")}});
}
