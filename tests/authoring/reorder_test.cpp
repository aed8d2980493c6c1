#include "authoringtest.h"

#include "../common/failingdisk.h"
#include "authoring/hypreorgfm.h"
#include "authoring/questutilityform.h"
#include "authoring/reorder.h"
#include "authoring/utilities.h"
#include "model/errors.h"
#include "platform/help.h"
#include "runtime/getinputtextform.h"

#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Records told apart by their answer count even where identifiers repeat.
QByteArray File(const QList<QByteArray>& ids)
{
    QByteArray b;
    int n = 2;
    for (const QByteArray& id : ids)
        b += RecordBytes({id, n++, 1});
    return b;
}

QList<int> Order(const QByteArray& file)
{
    QList<int> out;
    for (int i = 0; i < file.size() / 55; ++i)
        out << RecordInt(file, i, 39) - 2;
    return out;
}

} // namespace

class ReorderTest : public AuthoringTest {};

TEST_F(ReorderTest, MovesByPlaceAndKeepsEveryRecord)
{
    SetQuestions(File({"A", "B", "C", "D"}));
    MoveQuestionBefore(3, 0);   // the last before the first makes it the first
    EXPECT_EQ(Order(Questions()), (QList<int>{3, 0, 1, 2}));
    MoveQuestionBefore(0, 3);   // (now D A B C) D before C
    EXPECT_EQ(Order(Questions()), (QList<int>{0, 1, 3, 2}));
    EXPECT_EQ(Questions().size(), 4 * 55);

    // Before the record that already follows it, or itself: unchanged and
    // not even rewritten.
    const QByteArray before = Questions();
    const QDateTime stamp = QFileInfo(Dir.File(QStringLiteral("MATHS.QXQ"))).lastModified();
    MoveQuestionBefore(1, 2);
    MoveQuestionBefore(2, 2);
    EXPECT_EQ(Questions(), before);
    EXPECT_EQ(QFileInfo(Dir.File(QStringLiteral("MATHS.QXQ"))).lastModified(), stamp);

    // Identifiers that repeat: the place decides, not the name.
    SetQuestions(File({"X", "Y", "X", "Z"}));
    MoveQuestionBefore(2, 0);
    EXPECT_EQ(Order(Questions()), (QList<int>{2, 0, 1, 3}));
    MoveQuestionBefore(QStringLiteral("Z"), QStringLiteral("Y"));   // the designed form, by identifier
    EXPECT_EQ(Order(Questions()), (QList<int>{2, 0, 3, 1}));
    EXPECT_TRUE(StrayFiles(Dir.Path(), {QStringLiteral("MATHS.QXQ")}).isEmpty());
}

TEST_F(ReorderTest, DamagedFileIsReportedAndNeverRewritten)
{
    const QByteArray damaged = File({"A", "B", "C"}) + QByteArray(10, 'x');
    SetQuestions(damaged);
    EXPECT_THROW(MoveQuestionBefore(2, 0), EInOutError);
    EXPECT_THROW(MoveQuestionBefore(0, 7), EInOutError);
    EXPECT_EQ(Questions(), damaged);

    ExpectMessage(QStringLiteral("Error"));
    THypReorgFm form;
    EXPECT_FALSE(form.LoadQuestions());
    EXPECT_TRUE(MessageTexts().last().contains(QStringLiteral("damaged")));
    EXPECT_EQ(Questions(), damaged);
}

TEST_F(ReorderTest, FailureMidWayLeavesTheOldFileIntact)
{
    QList<QByteArray> ids;
    for (int i = 0; i < 40; ++i)
        ids << "Q" + QByteArray::number(i);
    const QByteArray old = File(ids);
    SetQuestions(old);
    const TLimitedRun run = RunWithFileSizeLimit(1000, [] { MoveQuestionBefore(39, 0); });
    ASSERT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("MATHS.QXQ"))) << run.Message.toStdString();
    EXPECT_EQ(Questions(), old);
    EXPECT_TRUE(StrayFiles(Dir.Path(), {QStringLiteral("MATHS.QXQ")}).isEmpty());
}

TEST_F(ReorderTest, WindowChoosesMovesAndFinds)
{
    ExpectMessage(QStringLiteral("Error"));
    SetQuestions(File({"ONLY"}));
    THypReorgFm one;
    EXPECT_FALSE(one.LoadQuestions());
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("There is only 1 entry in the list"));

    SetQuestions(File({"ALPHA", "BETA", "ALPHABET", "GAMMA"}));
    THypReorgFm form;
    ASSERT_TRUE(form.LoadQuestions());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Re-Arrange Question Order"));
    EXPECT_EQ(HelpContextOf(&form), 246);
    EXPECT_TRUE(form.ToMoveRBtn->isChecked());
    EXPECT_FALSE(form.List1Pnl->isHidden());
    EXPECT_TRUE(form.List2Pnl->isHidden());
    EXPECT_TRUE(form.SortBitBtn->isHidden());
    EXPECT_EQ(form.ListBox1->count(), 4);

    // Choose GAMMA to move, then ALPHABET as the one it goes before.
    form.ListBox1->setCurrentRow(3);
    form.OK1BtnClick();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("GAMMA"));
    EXPECT_TRUE(form.SortBitBtn->isHidden());
    form.MovetoRbtn->click();
    EXPECT_TRUE(form.List1Pnl->isHidden());
    EXPECT_FALSE(form.List2Pnl->isHidden());
    form.ListBox2->setCurrentRow(2);
    form.OK2BtnClick();
    EXPECT_FALSE(form.SortBitBtn->isHidden());
    form.SortBitBtnClick();
    EXPECT_EQ(Order(Questions()), (QList<int>{0, 1, 3, 2}));
    // Back to the opening state.
    EXPECT_TRUE(form.Edit1->text().isEmpty());
    EXPECT_TRUE(form.Edit2->text().isEmpty());
    EXPECT_TRUE(form.SortBitBtn->isHidden());
    EXPECT_TRUE(form.ToMoveRBtn->isChecked());
    EXPECT_EQ(form.ListBox1->item(2)->text(), QStringLiteral("GAMMA"));

    // The same question in both boxes changes nothing.
    form.ListBox1->setCurrentRow(1);
    form.OK1BtnClick();
    form.ListBox2->setCurrentRow(1);
    form.OK2BtnClick();
    const QByteArray same = Questions();
    form.SortBitBtnClick();
    EXPECT_EQ(Questions(), same);

    // Find: "alpha" matches ALPHA then ALPHABET, case ignored; Find Next past
    // the last match selects item 0; Find First starts again at the top.
    auto find = [](const QString& text, bool next) {
        OnModal(QStringLiteral("TGetInputTextForm"), [text, next](QDialog& d) {
            auto& f = static_cast<TGetInputTextForm&>(d);
            f.Edit1->setText(text);
            (next ? f.FindNextBtn : f.FindFirstBtn)->click();
        });
    };
    find(QStringLiteral("alpha"), false);
    form.Find1BtnClick();
    EXPECT_EQ(form.ListBox1->currentRow(), 0);
    find(QStringLiteral("alpha"), true);
    form.Find1BtnClick();
    EXPECT_EQ(form.ListBox1->currentRow(), 3);   // ALPHABET, now last
    find(QStringLiteral("alpha"), true);
    form.Find1BtnClick();
    EXPECT_EQ(form.ListBox1->currentRow(), 0);   // nothing further: item 0
    EXPECT_EQ(form.SearchText[0], QStringLiteral("alpha"));
    find(QStringLiteral("gam"), false);
    form.Find1BtnClick();
    EXPECT_EQ(form.ListBox1->currentRow(), 2);
    OnModal(QStringLiteral("TGetInputTextForm"), [](QDialog& d) { d.reject(); });
    form.Find2BtnClick();
    EXPECT_EQ(form.ListBox2->currentRow(), 0);
}

TEST_F(ReorderTest, UtilitiesMenuEnablesItsTools)
{
    {
        TQuestUtilityForm menu;
        EXPECT_EQ(menu.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(HelpContextOf(&menu), 240);
        EXPECT_FALSE(menu.Button1->isEnabled());   // no question file yet
        EXPECT_FALSE(menu.Button2->isEnabled());   // no HYPER entry
        EXPECT_TRUE(menu.Button3->isEnabled());
        EXPECT_EQ(menu.Button1->accessibleName(), QStringLiteral("Re-Order Test Questions"));
    }
    SetQuestions(File({"A"}));
    SetEntries(CommandEntryBytes("phrase", "HYPER", 3, "a.wav"));
    TQuestUtilityForm menu;
    EXPECT_TRUE(menu.Button1->isEnabled());
    EXPECT_TRUE(menu.Button2->isEnabled());
    // One question: the button works, the window refuses.
    ExpectMessage(QStringLiteral("Error"));
    menu.Button1Click();
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("There is only 1 entry in the list"));
    // The results reader opens from Button3.
    bool opened = false;
    OnModal(QStringLiteral("TReadDataForm"), [&opened](QDialog& d) {
        opened = true;
        d.reject();
    });
    menu.Button3Click();
    EXPECT_TRUE(opened);
    // Without the HYPER entries the button is off.
    SetEntries(CommandEntryBytes("Q1^INFO^", "INFO", 3, "a.wav"));
    TQuestUtilityForm after;
    EXPECT_FALSE(after.Button2->isEnabled());
}
