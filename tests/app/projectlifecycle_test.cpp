// Selecting, creating and opening test projects, with real files in scratch
// folders and scripted dialogs.
#include "harness.h"

#include "app/mainform.h"
#include "app/makedirform.h"
#include "app/projectlifecycle.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class ProjectLifecycleTest : public QuendraTest {};

QByteArray ConfigBytes() { return QByteArray(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig); }

QByteArray DefaultRecord()
{
    const TTestConfig keep = TestConfig;
    SetConfigDefaults();
    const QByteArray out = ConfigBytes();
    TestConfig = keep;
    return out;
}

QByteArray RecordWithPass(int pass)
{
    const TTestConfig keep = TestConfig;
    SetConfigDefaults();
    TestConfig.PassPercentage = pass;
    TestConfig.Program.ProgramTitle = QStringLiteral("Test %1").arg(pass);
    const QByteArray out = ConfigBytes();
    TestConfig = keep;
    return out;
}

// Fills the new-test dialog and presses OK.
void ScriptNewTest(const QString& folder, const QString& name)
{
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [folder, name](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        f.Edit1->setText(folder);
        f.Edit2->setText(name);
        f.BitBtn1->click();
    });
}

QString Cwd() { return QDir::currentPath() + u'/'; }

TEST_F(ProjectLifecycleTest, NewTestInAnExistingFolderWithATypedExtension)
{
    TScratchDir dir;
    QDir(dir.Path()).mkdir("tests");
    int helpContext = 0;
    QString prompt;
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [&](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        helpContext = HelpContextOf(&f);
        prompt = f.FileLbl->text();
        f.Edit1->setText(dir.Path() + "tests");   // no trailing separator typed
        f.Edit2->setText("MATHS.TXT");
        f.BitBtn1->click();
    });
    StartNewTest();
    EXPECT_EQ(helpContext, 105);
    EXPECT_EQ(prompt, "Enter new Test name");
    EXPECT_EQ(ProjectDir, dir.Path() + "tests/");
    EXPECT_EQ(Cwd(), dir.Path() + "tests/");
    EXPECT_EQ(ProjectPath, dir.Path() + "tests/MATHS.QXJ");
    EXPECT_EQ(EntryPath, dir.Path() + "tests/MATHS.QXR");
    EXPECT_EQ(QuestionPath, dir.Path() + "tests/MATHS.QXQ");
    EXPECT_EQ(ProjectBaseName(), "MATHS");
    EXPECT_EQ(dir.Read("tests/MATHS.QXJ"), DefaultRecord());
    EXPECT_EQ(ConfigBytes(), DefaultRecord());
    EXPECT_EQ(MediaPrompt, "Press the Start button");
    EXPECT_EQ(QDir(dir.Path() + "tests").entryList(QDir::Files), QStringList{"MATHS.QXJ"});

    // A folder that does not exist yet is made, parents included; the name
    // keeps the letter case it was typed in.
    ScriptNewTest(dir.Path() + "new/deeper", "history");
    StartNewTest();
    EXPECT_EQ(ProjectPath, dir.Path() + "new/deeper/history.QXJ");
    EXPECT_EQ(ProjectBaseName(), "history");
    EXPECT_EQ(dir.Read("new/deeper/history.QXJ").size(), 5428);
}

TEST_F(ProjectLifecycleTest, NewTestNamedLikeAnExistingProjectOpensIt)
{
    TScratchDir dir;
    dir.Write("maths.qxj", RecordWithPass(77));
    ScriptNewTest(dir.Path(), "MATHS");
    StartNewTest();
    EXPECT_EQ(ProjectPath, dir.Path() + "maths.qxj");
    EXPECT_EQ(int(TestConfig.PassPercentage), 77);
    EXPECT_EQ(ProgramTitleText, "Test 77");
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{"maths.qxj"});
    EXPECT_EQ(dir.Read("maths.qxj"), RecordWithPass(77));
}

TEST_F(ProjectLifecycleTest, DialogRefusesBadNamesInOrderAndCancelKeepsTheProject)
{
    TScratchDir dir;
    dir.Write("A.QXJ", RecordWithPass(10));
    OpenProjectIn(dir.Path(), dir.File("A.QXJ"), "A");
    const QByteArray opened = ConfigBytes();

    bool stillOpenAfterBadName = false, stillOpenAfterEmpty = false;
    TestScript::AnswerMessage("Error");
    TestScript::AnswerMessage("Error");
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [&](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        f.Edit2->setText("a*b");
        f.BitBtn1->click();
        stillOpenAfterBadName = f.isVisible() && f.result() == 0;
        f.Edit2->clear();
        f.BitBtn1->click();
        stillOpenAfterEmpty = f.isVisible() && f.result() == 0;
        f.BitBtn2->click();
    });
    QDir::setCurrent(QDir::tempPath());
    StartNewTest();
    EXPECT_TRUE(stillOpenAfterBadName);
    EXPECT_TRUE(stillOpenAfterEmpty);
    EXPECT_EQ(MessageTexts(), (QStringList{"A correct filename must be entered.", "A filename must be entered."}));
    // Cancel: the current directory goes back to the project; nothing changed.
    EXPECT_EQ(Cwd(), dir.Path());
    EXPECT_EQ(ProjectPath, dir.File("A.QXJ"));
    EXPECT_EQ(ConfigBytes(), opened);

    // Further refused names, then an accepted one.
    TestScript::AnswerMessage("Error");
    TestScript::AnswerMessage("Error");
    QString folder, name;
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [&](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        f.Edit2->setText(".QXJ");
        f.BitBtn1->click();
        f.Edit2->setText("x/y");
        f.BitBtn1->click();
        f.Edit1->setText(dir.Path() + "sub");
        f.Edit2->setText("NEW");
        f.BitBtn1->click();
    });
    ASSERT_TRUE(RunMakeDirDialog("*.QXJ", folder, name, 105, "Enter new Test name"));
    EXPECT_EQ(folder, dir.Path() + "sub/");
    EXPECT_EQ(name, "NEW");
    EXPECT_FALSE(dir.Exists("sub"));   // the dialog itself creates nothing
}

TEST_F(ProjectLifecycleTest, FolderTreeAndFileList)
{
    TScratchDir dir;
    QDir(dir.Path()).mkpath("proj/inner");
    dir.Write("proj/ONE.QXJ", "x");
    dir.Write("proj/two.qxj", "x");
    dir.Write("proj/three.QXQ", "x");
    dir.Write("proj/notes.txt", "x");

    TMakeDirForm form;
    // The home folder is open and selected at first.
    EXPECT_EQ(form.DirectoryListBox1->topLevelItem(0)->text(0), "/");
    EXPECT_EQ(form.Edit1->text(), QDir::homePath() + "/");
    EXPECT_TRUE(form.Edit2->text().isEmpty());

    form.SetMask("*.QXJ");
    ASSERT_TRUE(form.SelectFolder(dir.Path() + "proj"));
    EXPECT_EQ(form.Edit1->text(), dir.Path() + "proj/");
    QStringList shown;
    for (int i = 0; i < form.FileListBox1->count(); ++i)
        shown << form.FileListBox1->item(i)->text();
    EXPECT_EQ(shown, (QStringList{"ONE.QXJ", "two.qxj"}));
    form.FileListBox1->setCurrentRow(1);
    EXPECT_EQ(form.Edit2->text(), "two.qxj");
    EXPECT_EQ(form.Folder(), dir.Path() + "proj/");

    // The tree's children of the selected folder are there to pick.
    QTreeWidgetItem* cur = form.DirectoryListBox1->currentItem();
    ASSERT_EQ(cur->childCount(), 1);
    form.DirectoryListBox1->setCurrentItem(cur->child(0));
    EXPECT_EQ(form.Edit1->text(), dir.Path() + "proj/inner/");
    EXPECT_EQ(form.FileListBox1->count(), 0);
    EXPECT_FALSE(form.SelectFolder(dir.Path() + "missing"));
}

TEST_F(ProjectLifecycleTest, SelectingLowerCaseProjectFiles)
{
    TScratchDir dir;
    dir.Write("maths.qxj", RecordWithPass(64));
    dir.Write("maths.qxq", QByteArray(110, 0));
    TestScript::Answer("open", dir.File("maths.qxj"));
    QDir::setCurrent(QDir::tempPath());
    SelectTest();
    EXPECT_EQ(ProjectPath, dir.File("maths.qxj"));   // the real path
    EXPECT_EQ(ProjectBaseName(), "MATHS");            // what the user sees
    EXPECT_EQ(ProjectDir, dir.Path());
    EXPECT_EQ(Cwd(), dir.Path());
    EXPECT_EQ(int(TestConfig.PassPercentage), 64);
    EXPECT_EQ(QuestionCount(), 2);                     // maths.qxq is the question file

    // Cancelling the chooser reloads the open project from disk.
    dir.Write("maths.qxj", RecordWithPass(65));
    TestScript::Answer("open", QVariant());
    SelectTest();
    EXPECT_EQ(int(TestConfig.PassPercentage), 65);

    // Picking a companion file opens its project.
    TestScript::Answer("open", dir.File("maths.qxq"));
    SelectTest();
    EXPECT_EQ(ProjectPath, dir.File("maths.qxj"));

    // Through the main window: the label shows the upper-cased name.
    Ttestmainform form;
    TestScript::Answer("open", dir.File("maths.qxj"));
    form.SelectBtnClick();
    EXPECT_EQ(form.ProjectLbl->text(), "MATHS");
    EXPECT_TRUE(form.EditBtn->isEnabled());
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), (QStringList{"maths.qxj", "maths.qxq"}));
}

TEST_F(ProjectLifecycleTest, BadProjectFilesLeaveThePreviousProjectOpen)
{
    TScratchDir good, bad;
    good.Write("GOOD.QXJ", RecordWithPass(30));
    Ttestmainform form;
    TestScript::Answer("open", good.File("GOOD.QXJ"));
    form.SelectBtnClick();
    ASSERT_EQ(form.ProjectLbl->text(), "GOOD");
    const QByteArray opened = ConfigBytes();

    QByteArray earlierShort = QByteArray("\x04" "1.00") + QByteArray(100, 0);
    const QList<QByteArray> contents = {QByteArray(100, 'x'), QByteArray(9000, 'F'), QByteArray(2, 0), earlierShort};
    for (const QByteArray& content : contents) {
        bad.Write("BAD.QXJ", content);
        if (content.startsWith("\x04" "1"))
            TestScript::AnswerMessage("Confirm", 1);   // convert: yes
        TestScript::AnswerMessage("Error");
        TestScript::Answer("open", bad.File("BAD.QXJ"));
        form.SelectBtnClick();
        EXPECT_EQ(form.ProjectLbl->text(), "GOOD") << content.size();
        EXPECT_EQ(ProjectPath, good.File("GOOD.QXJ"));
        EXPECT_EQ(ProjectDir, good.Path());
        EXPECT_EQ(EntryPath, good.File("GOOD.QXR"));
        EXPECT_EQ(Cwd(), good.Path());
        EXPECT_EQ(ConfigBytes(), opened);
        EXPECT_EQ(bad.Read("BAD.QXJ"), content) << "nothing written to the bad file";
        EXPECT_EQ(QDir(bad.Path()).entryList(QDir::Files), QStringList{"BAD.QXJ"});
    }
    EXPECT_TRUE(MessageTexts().last().contains("BAD.QXJ"));
}

QByteArray EarlierRecord()
{
    QByteArray b(3248, 0);
    b[0] = 4;
    b.replace(1, 4, "1.00");
    b[657] = 9;
    b.replace(658, 9, "&Continue");   // the caption fields sit where they always did
    b.replace(2634, 11, QByteArray("\x0A" "Old Fracts"));
    return b;
}

TEST_F(ProjectLifecycleTest, EarlierProjectIsOfferedConversionUntilConverted)
{
    TScratchDir dir;
    dir.Write("FRACT.QXJ", EarlierRecord());
    const QString question =
        "FRACT.QXJ was created with an earlier version of Quendra. Would you like to convert it to the new version?";
    for (int i = 0; i < 2; ++i) {
        TestScript::AnswerMessage("Confirm", 0);   // No
        TestScript::Answer("open", dir.File("FRACT.QXJ"));
        SelectTest();
        EXPECT_TRUE(ProjectPath.isEmpty());
        EXPECT_TRUE(EntryPath.isEmpty());
        EXPECT_TRUE(QuestionPath.isEmpty());
        EXPECT_EQ(dir.Read("FRACT.QXJ"), EarlierRecord());
    }
    TestScript::AnswerMessage("Confirm", 1);   // Yes
    TestScript::Answer("open", dir.File("FRACT.QXJ"));
    SelectTest();
    EXPECT_EQ(MessageTexts(), (QStringList{question, question, question}));
    EXPECT_EQ(ProjectPath, dir.File("FRACT.QXJ"));
    const QByteArray converted = dir.Read("FRACT.QXJ");
    ASSERT_EQ(converted.size(), 5428);
    EXPECT_EQ(converted.left(5), QByteArray("\x04" "2.01"));
    EXPECT_EQ(TestConfig.ContinueCaption.str(), "&Continue");
    EXPECT_EQ(ProgramTitleText, "Old Fracts");
    EXPECT_EQ(ConfigBytes(), converted);

    // Converted: opened again without a question.
    TestScript::Answer("open", dir.File("FRACT.QXJ"));
    SelectTest();
    EXPECT_EQ(MessageTexts().size(), 3);
}

TEST_F(ProjectLifecycleTest, DamagedQuestionFileIsReportedOnce)
{
    TScratchDir dir;
    dir.Write("Q.QXJ", RecordWithPass(50));
    dir.Write("Q.QXQ", QByteArray(55 * 2 + 7, 0));
    TestScript::AnswerMessage("Error");
    OpenProjectIn(dir.Path(), dir.File("Q.QXJ"), "Q");
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().contains("Q.QXQ is damaged")) << MessageTexts().first().toStdString();
    EXPECT_EQ(ProjectPath, dir.File("Q.QXJ"));   // the project is open all the same
    EXPECT_EQ(QuestionCount(), 2);
}

TEST_F(ProjectLifecycleTest, UnmakeableFolderIsReported)
{
    TScratchDir dir;
    dir.Write("plainfile", "x");
    TestScript::AnswerMessage("Error");
    ScriptNewTest(dir.Path() + "plainfile/sub", "T");
    StartNewTest();
    EXPECT_EQ(MessageTexts(), QStringList{"Unable to create the directory"});
    EXPECT_TRUE(ProjectPath.isEmpty());
}

} // namespace

namespace {

TEST_F(ProjectLifecycleTest, NewTestDialogOpensAtTheProjectFolder)
{
    TScratchDir dir;
    QDir(dir.Path()).mkpath("proj");
    const QString project = QDir::cleanPath(dir.Path() + "proj");
    QString shown;
    auto look = [&](QDialog& d) {
        shown = QDir::cleanPath(static_cast<TMakeDirForm&>(d).Edit1->text());
        d.reject();
    };
    // No project open: the home folder.
    ProjectPath.clear();
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), look);
    QString folder, name;
    EXPECT_FALSE(RunMakeDirDialog("*.QXJ", folder, name, 105, "Enter new Test name"));
    EXPECT_EQ(shown, QDir::cleanPath(QDir::homePath()));
    // A project open: its folder.
    ProjectDir = project + u'/';
    ProjectPath = project + "/MATHS.QXJ";
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), look);
    EXPECT_FALSE(RunMakeDirDialog("*.QXJ", folder, name, 105, "Enter new Test name"));
    EXPECT_EQ(shown, project);
}

} // namespace
