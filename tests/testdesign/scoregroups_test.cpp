// The score groups dialog: bounds, their checks, what Save writes.
#include "designtest.h"

#include "../model/bytes.h"
#include "model/testconfig.h"
#include "platform/testscript.h"
#include "testdesign/testpresentation.h"

#include <QLineEdit>
#include <QPushButton>

using TestBytes::Le32;

namespace {

QByteArray Bounds(quint32 a, quint32 b, quint32 c, quint32 d, quint32 e)
{
    return Le32(a) + Le32(b) + Le32(c) + Le32(d) + Le32(e);
}

// Types the five edits ("" leaves one empty) and presses Save.
void SaveBounds(QDialog& d, const QStringList& texts)
{
    for (int k = 0; k < 5; ++k)
        Child<QLineEdit>(d, QStringLiteral("Edit%1").arg(k + 1).toLatin1().constData())->setText(texts[k]);
    Child<QPushButton>(d, "SaveBtn")->click();
}

} // namespace

class ScoreGroupsTest : public DesignTest {};

TEST_F(ScoreGroupsTest, FallingBoundsAreRefusedAgainstTheLastBoundInUse)
{
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), QString());   // no groups yet
        ExpectMessage(QStringLiteral("Error"));
        SaveBounds(d, {QStringLiteral("40"), QStringLiteral("60"), QStringLiteral("50"), QString(), QString()});
        EXPECT_EQ(d.focusWidget(), Child<QLineEdit>(d, "Edit3"));
        // 30 after 40 and 0 could never be reached.
        ExpectMessage(QStringLiteral("Error"));
        SaveBounds(d, {QStringLiteral("40"), QStringLiteral("0"), QStringLiteral("30"), QString(), QString()});
        EXPECT_EQ(d.focusWidget(), Child<QLineEdit>(d, "Edit3"));
        ExpectMessage(QStringLiteral("Error"));
        SaveBounds(d, {QStringLiteral("40"), QString(), QStringLiteral("60"), QStringLiteral("0"), QStringLiteral("55")});
        EXPECT_EQ(d.focusWidget(), Child<QLineEdit>(d, "Edit5"));
        EXPECT_TRUE(d.isVisible());
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignScoreGroups();
    EXPECT_EQ(MessageTexts(), (QStringList{QStringLiteral("Group 2 percentage is lower than Group 1."),
                                           QStringLiteral("Group 2 percentage is lower than Group 0."),
                                           QStringLiteral("Group 4 percentage is lower than Group 2.")}));
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(ScoreGroupsTest, AcceptedBoundsAreSavedWithEmptyEditsAsZero)
{
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        SaveBounds(d, {QStringLiteral("40"), QStringLiteral("60"), QStringLiteral("0"), QStringLiteral("80"), QString()});
    });
    DesignScoreGroups();
    // 101 groups defined, 102 five bounds.
    ExpectOnly(Before, ProjectFile(), {{101, QByteArray(1, 1)}, {102, Bounds(40, 60, 0, 80, 0)}});

    // Opening again shows the bounds, 0 included; "$32" is saved as 50.
    Before = ProjectFile();
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "Edit3")->text(), QStringLiteral("0"));
        EXPECT_EQ(Child<QLineEdit>(d, "Edit5")->text(), QStringLiteral("0"));
        SaveBounds(d, {QStringLiteral("$32"), QStringLiteral("60"), QString(), QString(), QString()});
    });
    DesignScoreGroups();
    ExpectOnly(Before, ProjectFile(), {{102, Bounds(50, 60, 0, 0, 0)}});
}

TEST_F(ScoreGroupsTest, AnEmptyFirstBoundMeansNoGroups)
{
    QByteArray record = DefaultRecord();
    record[101] = 1;
    record.replace(102, 20, Bounds(30, 0, 70, 0, 0));
    UseRecord(record);
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        SaveBounds(d, {QString(), QStringLiteral("20"), QStringLiteral("90"), QString(), QString()});
    });
    DesignScoreGroups();
    ExpectOnly(Before, ProjectFile(), {{101, QByteArray(1, 0)}, {102, Bounds(0, 0, 0, 0, 0)}});
}

TEST_F(ScoreGroupsTest, EachBadBoundGivesItsMessageAndAnEmptyFocusedEdit)
{
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        auto* edit = Child<QLineEdit>(d, "Edit2");
        for (const char* typed : {"ab", "101", "-1"}) {
            edit->setText(QString::fromLatin1(typed));
            TestScript::AnswerMessage(QStringLiteral("Error"), 0, [&d](const QString&) {
                // The box moves the focus; no other field's check may run.
                LeaveField(Child<QLineEdit>(d, "Edit3"));
            });
            Child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("zz"));
            LeaveField(edit);
            EXPECT_EQ(edit->text(), QString());
            EXPECT_EQ(d.focusWidget(), edit);
            Child<QLineEdit>(d, "Edit3")->clear();
        }
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignScoreGroups();
    EXPECT_EQ(MessageTexts(), (QStringList{QStringLiteral("That is not a valid number."),
                                           QStringLiteral("The maximum score is 100."),
                                           QStringLiteral("The minimum score is 0.")}));
}

TEST_F(ScoreGroupsTest, ADamagedStoredBoundIsShownWholeAndRefusedNotShortened)
{
    QByteArray record = DefaultRecord();
    record[101] = 1;
    record.replace(102, 20, Bounds(40, 1000, 0, 0, 0));
    UseRecord(record);
    OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "Edit2")->text(), QStringLiteral("1000"));
        ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "SaveBtn")->click();
        EXPECT_EQ(d.focusWidget(), Child<QLineEdit>(d, "Edit2"));
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignScoreGroups();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("The maximum score is 100.")});
    EXPECT_EQ(ProjectFile(), Before);
}
