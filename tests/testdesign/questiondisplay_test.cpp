// The question display dialog and the score bar dialog it opens.
#include "designtest.h"

#include "../model/bytes.h"
#include "model/testconfig.h"
#include "platform/testscript.h"
#include "runtime/scorebar.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QPushButton>

using TestBytes::Le32;

namespace {

// The question screen block at 122: reserved 122, answer bar 126, score
// panel flag 130, panel 131, panel text 135, bar 139, progress 143.
constexpr int AnswerBarAt = 126, ScorePanelAt = 130, PanelAt = 131, BarAt = 139, ProgressAt = 143;

} // namespace

class QuestionDisplayTest : public DesignTest {};

TEST_F(QuestionDisplayTest, ColoursAndTheScorePanelFlagAreSavedInTheBlock)
{
    OnModal(QStringLiteral("TQuestPresentForm"), [](QDialog& d) {
        EXPECT_EQ(Child<QWidget>(d, "Panel1")->accessibleName(), QStringLiteral("Silver"));
        EXPECT_EQ(Child<QPushButton>(d, "SampleBtn")->text(), QStringLiteral("Answer  A"));
        TestScript::Answer(QStringLiteral("colour"), QColor(Qt::yellow));
        Child<QPushButton>(d, "Button2")->click();
        EXPECT_EQ(Child<QWidget>(d, "Panel1")->accessibleName(), QStringLiteral("Yellow"));

        OnModal(QStringLiteral("TScoreDesignForm"), [&d](QDialog& s) {
            // The dialog under it stays up with its own loop running.
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(Child<QLabel>(s, "TotQuestLbl")->text(), QStringLiteral("Total Questions"));
            EXPECT_EQ(Child<QLabel>(s, "ScoreLbl")->text(), QStringLiteral("Score"));
            TestScript::Answer(QStringLiteral("colour"), QColor(Qt::red));
            Child<QPushButton>(s, "PanelBtn")->click();
            // A cancelled colour dialog keeps the old colour.
            TestScript::Answer(QStringLiteral("colour"), QVariant());
            Child<QPushButton>(s, "TextBtn")->click();
            TestScript::Answer(QStringLiteral("colour"), QColor(0, 0, 128));
            Child<QPushButton>(s, "BarBtn")->click();
            TestScript::Answer(QStringLiteral("colour"), QColor(Qt::green));
            Child<QPushButton>(s, "ProgressBtn")->click();
            auto* bar = Child<TScoreBar>(s, "Panel2");
            EXPECT_EQ(bar->Look().BackColor, QColor(0, 0, 128));
            EXPECT_EQ(bar->Look().ForeColor, QColor(Qt::green));
            EXPECT_EQ(bar->PercentDone(), 60);
            Child<QPushButton>(s, "OKBtn")->click();
        });
        Child<QPushButton>(d, "Button1")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), Child<QPushButton>(d, "Button1"));

        Child<QCheckBox>(d, "CheckBox10")->click();
        EXPECT_FALSE(Child<QPushButton>(d, "Button1")->isEnabled());
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeQuestionDisplay();
    ExpectOnly(Before, ProjectFile(),
               {{AnswerBarAt, Le32(0x00FFFF)},
                {ScorePanelAt, QByteArray(1, 0)},
                {PanelAt, Le32(0x0000FF)},
                {BarAt, Le32(0x800000)},
                {ProgressAt, Le32(0x00FF00)}});
}

TEST_F(QuestionDisplayTest, CancelDropsEveryChangeScoreBarColoursIncluded)
{
    OnModal(QStringLiteral("TQuestPresentForm"), [](QDialog& d) {
        OnModal(QStringLiteral("TScoreDesignForm"), [](QDialog& s) {
            TestScript::Answer(QStringLiteral("colour"), QColor(Qt::red));
            Child<QPushButton>(s, "ProgressBtn")->click();
            Child<QPushButton>(s, "OKBtn")->click();
        });
        Child<QPushButton>(d, "Button1")->click();
        TestScript::Answer(QStringLiteral("colour"), QColor(Qt::red));
        Child<QPushButton>(d, "Button2")->click();
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeQuestionDisplay();
    EXPECT_EQ(ProjectFile(), Before);

    // The score bar dialog's own Cancel leaves the block as it was.
    TQuestionScreenColors block = TestConfig.QuestionScreen;
    OnModal(QStringLiteral("TScoreDesignForm"), [](QDialog& s) {
        TestScript::Answer(QStringLiteral("colour"), QColor(Qt::red));
        Child<QPushButton>(s, "BarBtn")->click();
        Child<QPushButton>(s, "CancelBtn")->click();
    });
    EXPECT_FALSE(DesignScoreBar(block));
    EXPECT_EQ(std::memcmp(&block, &TestConfig.QuestionScreen, sizeof block), 0);
}
