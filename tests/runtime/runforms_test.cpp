// The number-to-take and start-question dialogs: limits, what OK and Cancel
// leave in the run state, the refusal of a start beyond the maximum.
#include "harness.h"

#include "model/testconfig.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/startquestionform.h"
#include "runtime/testtotakeform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

class RunFormsTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        SetConfigDefaults();
        ResetRunState();
        AvailableCount = 10;
        TakeCount = 10;
    }
};

TEST_F(RunFormsTest, TakeCountDialog)
{
    OnModal(QStringLiteral("TTestTotakeForm"), [](QDialog& d) {
        auto& form = static_cast<TTestTotakeForm&>(d);
        EXPECT_EQ(form.windowTitle(), QString());
        EXPECT_EQ(form.TotalLabel->text(), QStringLiteral("Total Questions"));
        EXPECT_EQ(form.TotalValue->text(), QStringLiteral("10"));
        EXPECT_EQ(form.SpinEdit1->value(), 10);
        EXPECT_EQ(form.SpinEdit1->minimum(), 1);
        EXPECT_EQ(form.SpinEdit1->maximum(), 10);
        EXPECT_EQ(form.SpinEdit1->accessibleName(), form.TakeLabel->text());
        form.SpinEdit1->setValue(3);
        form.OKBtn->click();
    });
    AskTakeCount();
    EXPECT_EQ(TakeCount, 3);
    OnModal(QStringLiteral("TTestTotakeForm"), [](QDialog& d) {
        static_cast<TTestTotakeForm&>(d).SpinEdit1->setValue(5);
        static_cast<TTestTotakeForm&>(d).CancelBtn->click();
    });
    AskTakeCount();
    EXPECT_EQ(TakeCount, 3);   // Cancel keeps what was there
}

TEST_F(RunFormsTest, StartBeyondTheMaximumIsRefused)
{
    TakeCount = 4;
    OnModal(QStringLiteral("TStartQuestionForm"), [](QDialog& d) {
        auto& form = static_cast<TStartQuestionForm&>(d);
        EXPECT_EQ(form.TakeValue->text(), QStringLiteral("4"));
        EXPECT_EQ(form.SpinEdit1->value(), 1);
        EXPECT_EQ(form.SpinEdit1->maximum(), 10);
        form.SpinEdit1->setValue(8);
        form.OKBtn->click();
        EXPECT_TRUE(form.isVisible());   // stays open
        EXPECT_EQ(form.SpinEdit1->value(), 7);
        form.OKBtn->click();
    });
    ExpectMessage(QStringLiteral("Error"));
    AskStartQuestion();
    EXPECT_EQ(MessageTexts(), QStringList {QStringLiteral("The maximum starting question is  7")});
    EXPECT_EQ(StartQuestion, 7);

    StartQuestion = 1;
    OnModal(QStringLiteral("TStartQuestionForm"), [](QDialog& d) {
        static_cast<TStartQuestionForm&>(d).SpinEdit1->setValue(5);
        d.reject();
    });
    AskStartQuestion();
    EXPECT_EQ(StartQuestion, 1);
}

} // namespace
