// The results graph dialog: the pass percentage and its checks, the colours.
#include "designtest.h"

#include "../model/bytes.h"
#include "model/testconfig.h"
#include "platform/testscript.h"
#include "testdesign/testpresentation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>

using TestBytes::Le32;

class ResultsGraphTest : public DesignTest {};

TEST_F(ResultsGraphTest, EachBadPercentageGivesItsMessageAndFiftyWithTheFocus)
{
    OnModal(QStringLiteral("TQDesignRForm"), [](QDialog& d) {
        auto* edit = Child<QLineEdit>(d, "Edit1");
        EXPECT_EQ(edit->text(), QStringLiteral("50"));
        for (const char* typed : {"abc", "150", "-5"}) {
            edit->setText(QString::fromLatin1(typed));
            TestScript::AnswerMessage(QStringLiteral("Error"), 0, [edit](const QString&) { LeaveField(edit); });
            Child<QPushButton>(d, "SaveBtn")->setFocus();
            LeaveField(edit);
            EXPECT_EQ(edit->text(), QStringLiteral("50"));
            EXPECT_EQ(d.focusWidget(), edit);
        }
        // Return saves without leaving the field.
        edit->setText(QStringLiteral("101"));
        ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "SaveBtn")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(edit->text(), QStringLiteral("50"));
        edit->clear();
        ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "SaveBtn")->click();
        EXPECT_TRUE(d.isVisible());
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignResultsGraph();
    EXPECT_EQ(MessageTexts(), (QStringList{QStringLiteral("That is not a valid number"), QStringLiteral("100% is the maximum"),
                                           QStringLiteral("The score cannot be less than 0"),
                                           QStringLiteral("100% is the maximum"),
                                           QStringLiteral("The pass percentage must be entered")}));
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(ResultsGraphTest, SaveWritesTheNumberTheCheckAcceptedAndTheChosenColour)
{
    OnModal(QStringLiteral("TQDesignRForm"), [](QDialog& d) {
        // "$40" is a whole number to the check (hex 40); it is saved as 64.
        Child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("$40"));
        TestScript::Answer(QStringLiteral("colour"), QColor(0x12, 0x34, 0x56));
        Child<QPushButton>(d, "PassBtn")->click();
        // Cancelling the colour dialog keeps the colour.
        TestScript::Answer(QStringLiteral("colour"), QVariant());
        Child<QPushButton>(d, "FailBtn")->click();
        EXPECT_EQ(Child<QWidget>(d, "Panel1")->accessibleName(), QStringLiteral("red 18, green 52, blue 86"));
        EXPECT_EQ(Child<QWidget>(d, "Panel2")->accessibleName(), QStringLiteral("Red"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    DesignResultsGraph();
    // 77 pass percentage, 81 fail colour, 85 pass colour (0x00BBGGRR).
    ExpectOnly(Before, ProjectFile(), {{77, Le32(64)}, {85, Le32(0x563412)}});
}

TEST_F(ResultsGraphTest, RealFocusMovesRunTheCheckExceptTowardsCancel)
{
    bool active = false;
    OnModal(QStringLiteral("TQDesignRForm"), [&active](QDialog& d) {
        d.activateWindow();
        PumpEvents(20);
        active = QApplication::activeWindow() == &d;
        auto* edit = Child<QLineEdit>(d, "Edit1");
        edit->setFocus(Qt::TabFocusReason);
        edit->setText(QStringLiteral("abc"));
        // Towards Cancel nothing is checked: Cancel drops it anyway.
        Child<QPushButton>(d, "CancelBtn")->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(edit->text(), QStringLiteral("abc"));
        // Nor towards a button pressed with its accelerator: Save checks
        // for itself, and keeps the dialog open when the check fails.
        edit->setFocus(Qt::MouseFocusReason);
        Child<QPushButton>(d, "SaveBtn")->setFocus(Qt::ShortcutFocusReason);
        EXPECT_EQ(edit->text(), QStringLiteral("abc"));
        ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "SaveBtn")->click();
        EXPECT_TRUE(d.isVisible());
        edit->setText(QStringLiteral("abc"));
        edit->setFocus(Qt::MouseFocusReason);
        if (active)
            ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "PassBtn")->setFocus(Qt::TabFocusReason);
        if (active) {
            EXPECT_EQ(edit->text(), QStringLiteral("50"));
            EXPECT_EQ(QApplication::focusWidget(), edit);
        }
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignResultsGraph();
    if (!active)
        GTEST_SKIP() << "the platform gives no window the activation";
    EXPECT_EQ(MessageTexts(), (QStringList{QStringLiteral("That is not a valid number"),
                                           QStringLiteral("That is not a valid number")}));
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(ResultsGraphTest, AColourPanelIsAButtonToTheKeyboard)
{
    OnModal(QStringLiteral("TQDesignRForm"), [](QDialog& d) {
        auto* panel = Child<QAbstractButton>(d, "Panel2");
        EXPECT_EQ(panel->accessibleDescription(), QStringLiteral("Graph color if failed"));
        panel->setFocus();
        TestScript::Answer(QStringLiteral("colour"), QColor(Qt::blue));
        QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(panel, &ret);
        EXPECT_EQ(panel->accessibleName(), QStringLiteral("Blue"));
        EXPECT_TRUE(d.isVisible());
        TestScript::Answer(QStringLiteral("colour"), QColor(Qt::black));
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(panel, &space);
        QKeyEvent spaceUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(panel, &spaceUp);
        EXPECT_EQ(panel->accessibleName(), QStringLiteral("Black"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    DesignResultsGraph();
    ExpectOnly(Before, ProjectFile(), {{81, Le32(0x000000)}});
}
