// Not run by default: shows every dialog on a real display for a look.
//   QUENDRA_SHOTS=<folder>  takes a screenshot of each (ImageMagick's
//                           "import" of the whole screen) into the folder;
//   QUENDRA_HOLD=<class>    keeps that dialog up for QUENDRA_HOLD_MS
//                           milliseconds (for an accessibility reader).
// Run with --gtest_also_run_disabled_tests --gtest_filter='*ShowEveryDialog*'
// and QT_QPA_PLATFORM=xcb under an X server.
//
// RunTheMenuForReal opens the menu with nothing scripted, for a person (or
// xdotool) at the keyboard, for QUENDRA_HOLD_MS milliseconds at most, and
// prints the pass mark and the results file name the project file holds
// afterwards.
#include "designtest.h"

#include "platform/testscript.h"
#include "testdesign/testpresentation.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>

namespace {

void Look(QDialog& d, const char* name)
{
    d.raise();
    d.activateWindow();
    PumpEvents(500);
    const QByteArray shots = qgetenv("QUENDRA_SHOTS");
    if (!shots.isEmpty()) {
        const QByteArray command = "import -window root -display \"" + qgetenv("DISPLAY") + "\" \"" + shots + "/" +
                                   name + ".png\"";
        EXPECT_EQ(std::system(command.constData()), 0);
    }
    if (qgetenv("QUENDRA_HOLD") == name)
        PumpEvents(qEnvironmentVariableIntValue("QUENDRA_HOLD_MS"));
}

void LookAndClose(const char* className, const char* close)
{
    TestScript::OnModal(QString::fromLatin1(className), [className, close](QDialog& d) {
        Look(d, className);
        Child<QPushButton>(d, close)->click();
    });
}

} // namespace

class ScreensTest : public DesignTest {};

TEST_F(ScreensTest, DISABLED_ShowEveryDialog)
{
    QByteArray record = DefaultRecord();
    record[11] = 1;   // results to disk, so the file name shows
    PutStr(record, 16, "class.qxd");
    UseRecord(record);
    OnModal(QStringLiteral("TTCustForm"), [](QDialog& menu) {
        Look(menu, "TTCustForm");
        LookAndClose("TCustomTextForm", "CancelBtn");
        Child<QPushButton>(menu, "TextBtn")->click();
        LookAndClose("TFunctionsForm", "CancelBtn");
        Child<QPushButton>(menu, "FunctBtn")->click();
        TestScript::OnModal(QStringLiteral("TQuestPresentForm"), [](QDialog& d) {
            Look(d, "TQuestPresentForm");
            LookAndClose("TScoreDesignForm", "CancelBtn");
            Child<QPushButton>(d, "Button1")->click();
            Child<QPushButton>(d, "CancelBtn")->click();
        });
        Child<QPushButton>(menu, "QuestBtn")->click();
        TestScript::OnModal(QStringLiteral("TResMenuForm"), [](QDialog& results) {
            Look(results, "TResMenuForm");
            LookAndClose("TQDesignRForm", "CancelBtn");
            Child<QPushButton>(results, "GraphBtn")->click();
            TestScript::OnModal(QStringLiteral("TGroupScoreForm"), [](QDialog& d) {
                Child<QLineEdit>(d, "Edit1")->setText(QStringLiteral("40"));
                Child<QLineEdit>(d, "Edit2")->setText(QStringLiteral("70"));
                Look(d, "TGroupScoreForm");
                Child<QPushButton>(d, "CancelBtn")->click();
            });
            Child<QPushButton>(results, "GroupsBtn")->click();
            LookAndClose("TStudentInputForm", "CancelBtn");
            Child<QPushButton>(results, "InputBtn")->click();
            LookAndClose("TDataFileFormat", "CancelBtn");
            Child<QPushButton>(results, "OutputBtn")->click();
            Child<QPushButton>(results, "CloseBtn")->click();
        });
        Child<QPushButton>(menu, "ResultsBtn")->click();
        Child<QPushButton>(menu, "CloseBtn")->click();
    });
    TestPresentationMenu();
    EXPECT_EQ(ProjectFile(), Before);
}

TEST_F(ScreensTest, DISABLED_RunTheMenuForReal)
{
    TestScript::Deactivate();
    // The harness fails any modal window it did not script; these are a
    // person's to answer.
    QTimer mark;
    QObject::connect(&mark, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->setProperty("quendraScriptedModal", true);
    });
    mark.start(20);
    QTimer::singleShot(qEnvironmentVariableIntValue("QUENDRA_HOLD_MS"), [] {
        while (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    TestPresentationMenu();
    const QByteArray file = ProjectFile();
    std::printf("pass mark bytes 77..80: %s; results file name: %s\n", file.mid(77, 4).toHex(' ').constData(),
                file.mid(17, quint8(file[16])).constData());
    TestScript::Activate([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
}
