// The student input prompts and the data-file lines: five texts each.
#include "designtest.h"

#include "model/testconfig.h"
#include "testdesign/testpresentation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

class InputLinesTest : public DesignTest {};

TEST_F(InputLinesTest, PromptsAreSavedAtTheirOffsetsAndCancelKeepsThem)
{
    OnModal(QStringLiteral("TStudentInputForm"), [](QDialog& d) {
        Child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("Name"));
        Child<QLineEdit>(d, "Edit5")->setText(QString(50, u'x'));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeStudentInput();
    // Prompts 1..5 at 147 + 51 x (k - 1).
    ExpectOnly(Before, ProjectFile(), {{147, Str("Name")}, {147 + 4 * 51, Str(QByteArray(50, 'x'))}});

    Before = ProjectFile();
    OnModal(QStringLiteral("TStudentInputForm"), [](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), QStringLiteral("Name"));
        Child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("Class"));
        Child<QLineEdit>(d, "Edit1")->clear();
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeStudentInput();
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(InputLinesTest, DataFileLinesAreSavedAtTheirOffsetsAndCancelKeepsThem)
{
    OnModal(QStringLiteral("TDataFileFormat"), [](QDialog& d) {
        Child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("END OF RESULTS"));
        Child<QLineEdit>(d, "Edit3")->setText(QStringLiteral("----"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    DesignDataFileLines();
    // Lines 1..5 at 402 + 51 x (k - 1).
    ExpectOnly(Before, ProjectFile(), {{402 + 51, Str("END OF RESULTS")}, {402 + 102, Str("----")}});

    Before = ProjectFile();
    OnModal(QStringLiteral("TDataFileFormat"), [](QDialog& d) {
        Child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("changed"));
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    DesignDataFileLines();
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(InputLinesTest, ReturnSavesFromAnEditAndPressesAFocusedButton)
{
    auto pressReturn = [](QWidget* w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    };
    OnModal(QStringLiteral("TDataFileFormat"), [&](QDialog& d) {
        auto* edit = Child<QLineEdit>(d, "Edit1");
        edit->setFocus();
        edit->setText(QStringLiteral("by Return"));
        pressReturn(edit);
        EXPECT_FALSE(d.isVisible());
    });
    DesignDataFileLines();
    ExpectOnly(Before, ProjectFile(), {{402, Str("by Return")}});

    Before = ProjectFile();
    OnModal(QStringLiteral("TDataFileFormat"), [&](QDialog& d) {
        Child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("not saved"));
        auto* cancel = Child<QPushButton>(d, "CancelBtn");
        cancel->setFocus();
        pressReturn(cancel);
        EXPECT_FALSE(d.isVisible());
    });
    DesignDataFileLines();
    EXPECT_EQ(ProjectFile(), Before);
}
