// The tool's command line: "quendra FILE" opens a project or the results
// reader; no file changes nothing; bad files give a clear message.
#include "harness.h"

#include "app/commandline.h"
#include "app/mainform.h"
#include "app/recentprojects.h"
#include "model/errors.h"
#include "model/processvalues.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/testscript.h"
#include "runtime/readdataform.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <unistd.h>

namespace {

class CommandLineTest : public QuendraTest {};

QByteArray Project(int pass)
{
    const TTestConfig keep = TestConfig;
    SetConfigDefaults();
    TestConfig.PassPercentage = pass;
    const QByteArray out(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig);
    TestConfig = keep;
    return out;
}

QString ErrorOf(const QString& file)
{
    try {
        OpenStartupFile(file);
    } catch (const EQuendraError& e) {
        return e.Message();
    }
    return QString();
}

TEST_F(CommandLineTest, ArgumentsAreReadAsDocumented)
{
    TCommandLine none = ParseCommandLine({"quendra"});
    EXPECT_TRUE(none.File.isEmpty());
    EXPECT_TRUE(none.Error.isEmpty());
    EXPECT_FALSE(none.ShowPaths || none.ShowHelp || none.ShowVersion);
    EXPECT_TRUE(none.HelpText.contains("quendra [options] [file]"));

    EXPECT_EQ(ParseCommandLine({"quendra", "tests/MATHS.QXJ"}).File, "tests/MATHS.QXJ");
    EXPECT_EQ(ParseCommandLine({"quendra", "--", "-odd.QXJ"}).File, "-odd.QXJ");
    EXPECT_TRUE(ParseCommandLine({"quendra", "--paths"}).ShowPaths);
    EXPECT_TRUE(ParseCommandLine({"quendra", "--help"}).ShowHelp);
    EXPECT_TRUE(ParseCommandLine({"quendra", "-v"}).ShowVersion);
    EXPECT_FALSE(ParseCommandLine({"quendra", "A.QXJ", "B.QXJ"}).Error.isEmpty());
    EXPECT_TRUE(ParseCommandLine({"quendra", "--bogus"}).Error.contains("bogus"));
}

TEST_F(CommandLineTest, BadFilesAreNamedWithTheReason)
{
    TScratchDir dir;
    const QString missing = ErrorOf(dir.File("GONE.QXJ"));
    EXPECT_TRUE(missing.contains(dir.File("GONE.QXJ")));
    EXPECT_TRUE(missing.contains("does not exist"));
    EXPECT_TRUE(ErrorOf(dir.File("GONE.QXD")).contains("does not exist"));
    QDir(dir.Path()).mkdir("FOLDER.QXJ");
    EXPECT_TRUE(ErrorOf(dir.File("FOLDER.QXJ")).contains("folder"));
    dir.Write("notes.txt", "x");
    const QString other = ErrorOf(dir.File("notes.txt"));
    EXPECT_TRUE(other.contains(dir.File("notes.txt")));
    EXPECT_TRUE(other.contains(".QXJ"));
    if (::geteuid() != 0) {   // permissions do not stop the superuser
        dir.Write("LOCKED.QXJ", Project(50));
        QFile::setPermissions(dir.File("LOCKED.QXJ"), QFileDevice::Permissions());
        EXPECT_TRUE(ErrorOf(dir.File("LOCKED.QXJ")).contains("cannot be read"));
    }
    // Nothing was opened or made.
    EXPECT_TRUE(ProjectPath.isEmpty());
    EXPECT_FALSE(dir.Exists("GONE.QXJ"));
}

TEST_F(CommandLineTest, AProjectOpensAsIfSelected)
{
    TScratchDir dir;
    dir.Write("maths.qxj", Project(71));
    QDir::setCurrent(dir.Path());
    OpenStartupFile("maths.qxj");   // relative to where the tool was started
    EXPECT_EQ(ProjectPath, dir.File("maths.qxj"));
    EXPECT_EQ(ProjectDir, dir.Path());
    EXPECT_EQ(ProjectBaseName(), "MATHS");
    EXPECT_EQ(int(TestConfig.PassPercentage), 71);
    EXPECT_EQ(RecentProjects().value(0), dir.File("maths.qxj"));
}

TEST_F(CommandLineTest, AResultsFileOpensTheReader)
{
    TScratchDir dir;
    dir.Write("RUN.QXD", "0\r\nTITLE = Planets\r\n\r\nQUESTIONS CORRECT = 3\r\n");
    QString shown;
    OnModal("TReadDataForm", [&](QDialog& d) {
        shown = static_cast<TReadDataForm&>(d).Memo1->toPlainText();
        d.accept();
    });
    OpenStartupFile(dir.File("RUN.QXD"));
    EXPECT_EQ(shown, "\nTITLE = Planets\n\nQUESTIONS CORRECT = 3");
    EXPECT_TRUE(ProjectPath.isEmpty());

    // A file the reader cannot open is reported, and the reader stays shut
    // (an unscripted reader would fail the test).
    QDir(dir.Path()).mkdir("FOLDER.QXD");
    QString text;
    TestScript::AnswerMessage("Error", 0, [&](const QString& t) { text = t; });
    AnalyzeResults(dir.File("FOLDER.QXD"));
    EXPECT_TRUE(text.contains("FOLDER.QXD"));
}

TEST_F(CommandLineTest, TheMainWindowOpensTheFileOnceItIsUp)
{
    TScratchDir dir;
    dir.Write("PLANETS.QXJ", Project(80));
    {
        Ttestmainform form;
        form.StartupFile = dir.File("PLANETS.QXJ");
        form.Timer1Timer();
        EXPECT_EQ(form.ProjectLbl->text(), "PLANETS");
        EXPECT_EQ(ProjectPath, dir.File("PLANETS.QXJ"));
        EXPECT_TRUE(form.StartupFile.isEmpty());
        EXPECT_TRUE(form.AddBtn->isEnabled());
    }
    // A missing file: one error box, and the tool is as without a file.
    ResetAllProcessValues();
    ProgramDir = ProjectDir = dir.Path();
    Ttestmainform form;
    form.StartupFile = dir.File("NONE.QXJ");
    QString text;
    TestScript::AnswerMessage("Error", 0, [&](const QString& t) { text = t; });
    form.Timer1Timer();
    EXPECT_TRUE(text.contains(dir.File("NONE.QXJ")));
    EXPECT_EQ(form.ProjectLbl->text(), "None Selected");
    EXPECT_FALSE(form.AddBtn->isEnabled());
    EXPECT_TRUE(form.MenuPnl->isVisibleTo(&form));
    EXPECT_FALSE(dir.Exists("NONE.QXJ"));
}

} // namespace
