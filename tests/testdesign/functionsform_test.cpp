// The functions dialog: the flags, the results file name and its checks.
#include "designtest.h"

#include "model/testconfig.h"
#include "platform/testscript.h"
#include "testdesign/functionsform.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

class FunctionsTest : public DesignTest {};

TEST_F(FunctionsTest, SaveWritesEveryFlagAtItsOffsetAndTheFileName)
{
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        // A new test: take all, sequential, results graph; the rest off.
        EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox1")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox11")->isChecked());
        EXPECT_FALSE(Child<QGroupBox>(d, "FileGroup")->isVisible());
        for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
                                 "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox11", "CheckBox12"})
            Child<QCheckBox>(d, name)->click();
        EXPECT_TRUE(Child<QGroupBox>(d, "FileGroup")->isVisible());
        auto* edit = Child<QLineEdit>(d, "Edit2");
        edit->setText(QStringLiteral("class"));
        LeaveField(edit);
        EXPECT_EQ(edit->text(), QStringLiteral("class.qxd"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeFunctions();
    // 5 take all, 6 sequential, 7 right answer, 8 retake, 9 graph, 10 quit &
    // save, 11 disk, 12 encrypt, 13 printer, 14 pass, 15 swap, 16 the name.
    ExpectOnly(Before, ProjectFile(),
               {{5, QByteArray("\0\0\1\1\0\1\1\1\1\1\1", 11)}, {16, QByteArray("\x09" "class.qxd")}});
}

TEST_F(FunctionsTest, CancelChangesNoByte)
{
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox3")->click();
        Child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("results"));
        Child<QCheckBox>(d, "CheckBox7")->click();
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeFunctions();
    EXPECT_EQ(ProjectFile(), Before);
    EXPECT_FALSE(TestConfig.SaveResultsToDisk);
}

TEST_F(FunctionsTest, FileNamesAreMadeQxdAndRefusedWhenTheyCanNeverBeCreated)
{
    EXPECT_EQ(ResultsFileNameFor(QStringLiteral("class")), QStringLiteral("class.qxd"));
    EXPECT_EQ(ResultsFileNameFor(QStringLiteral("marks.txt")), QStringLiteral("marks.qxd"));
    EXPECT_EQ(ResultsFileNameFor(QStringLiteral("C:\\Res.d\\Jan")), QStringLiteral("C:\\Res.d\\Jan.qxd"));
    EXPECT_EQ(ResultsFileNameFor(QStringLiteral("res.d/jan")), QStringLiteral("res.d/jan.qxd"));
    // A long name loses the end of its stem, never its extension.
    const QString longName = QString(70, u'n');
    EXPECT_EQ(ResultsFileNameFor(longName), QString(56, u'n') + QStringLiteral(".qxd"));
    EXPECT_EQ(ResultsFileNameFor(QStringLiteral("d/") + longName), QStringLiteral("d/") + QString(54, u'n') + QStringLiteral(".qxd"));
    EXPECT_EQ(ResultsFileNameFor(QString(57, u'f') + QStringLiteral("/x")), QString());

    EXPECT_TRUE(ResultsFileNameValid(QStringLiteral("class.qxd")));
    // The folder part is not examined for the 14 characters.
    EXPECT_TRUE(ResultsFileNameValid(QStringLiteral("C:\\a+b\\class.qxd")));
    EXPECT_TRUE(ResultsFileNameValid(QStringLiteral("a+b/class.qxd")));
    EXPECT_FALSE(ResultsFileNameValid(QStringLiteral("cl*ss.qxd")));
    EXPECT_FALSE(ResultsFileNameValid(QStringLiteral("dir/a=b.qxd")));
    EXPECT_FALSE(ResultsFileNameValid(QStringLiteral("dir/.qxd")));
    EXPECT_FALSE(ResultsFileNameValid(QStringLiteral("di\tr/ab.qxd")));
    EXPECT_FALSE(ResultsFileNameValid(QStringLiteral("r\u00e9sum\u4e00.qxd")));   // not storable
    EXPECT_TRUE(ResultsFileNameValid(QStringLiteral("r\u00e9sum\u00e9.qxd")));
}

TEST_F(FunctionsTest, ABadNameIsRefusedOnLeavingAndOnSaveWithOneMessageEach)
{
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox3")->click();
        auto* edit = Child<QLineEdit>(d, "Edit2");
        edit->setText(QStringLiteral("cl*ss"));
        // The message box takes the focus from the field; that must not run
        // the check a second time.
        TestScript::AnswerMessage(QStringLiteral("Error"), 0, [edit](const QString&) { LeaveField(edit); });
        LeaveField(edit);
        EXPECT_EQ(edit->text(), QString());
        EXPECT_EQ(d.focusWidget(), edit);

        // Return saves without leaving the field: Save checks it again.
        edit->setText(QStringLiteral("a<b"));
        ExpectMessage(QStringLiteral("Error"));
        Child<QPushButton>(d, "SaveBtn")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), edit);
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeFunctions();
    EXPECT_EQ(MessageTexts(),
              (QStringList{QStringLiteral("cl*ss.qxd is not a valid filename"),
                           QStringLiteral("a<b.qxd is not a valid filename")}));
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(FunctionsTest, AHiddenFileNameKeepsItsValuesAndIsSavedAsShown)
{
    QByteArray record = DefaultRecord();
    record[11] = 1;   // results to disk
    record[12] = 1;   // encrypted
    PutStr(record, 16, "C:\\RES\\JAN.QXD");
    UseRecord(record);
    OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
        EXPECT_TRUE(Child<QGroupBox>(d, "FileGroup")->isVisible());
        EXPECT_EQ(Child<QLineEdit>(d, "Edit2")->text(), QStringLiteral("C:\\RES\\JAN.QXD"));
        Child<QCheckBox>(d, "CheckBox3")->click();
        EXPECT_FALSE(Child<QGroupBox>(d, "FileGroup")->isVisible());
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeFunctions();
    ExpectOnly(Before, ProjectFile(), {{11, QByteArray(1, 0)}});
}

TEST_F(FunctionsTest, ALongNameIsCutInItsStemAndKeepsItsExtension)
{
    const QString typed = QStringLiteral("results/") + QString(70, u'r') + QStringLiteral(".txt");
    OnModal(QStringLiteral("TFunctionsForm"), [&typed](QDialog& d) {
        Child<QCheckBox>(d, "CheckBox3")->click();
        auto* edit = Child<QLineEdit>(d, "Edit2");
        edit->setText(typed.left(60));   // the edit holds 60 characters
        LeaveField(edit);
        EXPECT_EQ(edit->text(), QStringLiteral("results/") + QString(48, u'r') + QStringLiteral(".qxd"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeFunctions();
    ExpectOnly(Before, ProjectFile(),
               {{11, QByteArray(1, 1)}, {16, Str("results/" + QByteArray(48, 'r') + ".qxd")}});
}
