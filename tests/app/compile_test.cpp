// "&Compile Test" and "Create E&xecutable" as the user sees them.
#include "harness.h"

#include "app/compile.h"
#include "model/entryfile.h"
#include "model/testconfig.h"

#include <QFile>
#include <QFileInfo>

namespace {

class CompileCommands : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("maths"));
        SetConfigDefaults();
        Dir.Write(QStringLiteral("maths.QXQ"), QByteArray(55 * 2, '\0'));
        AppendCommandEntry(EntryPath, QStringLiteral("Link"), 10, SourceHyper, QStringLiteral("a.htm"));
        ProgramDir = QStringLiteral(QUENDRA_BIN_DIR "/");
    }
    TScratchDir Dir;
};

TEST_F(CompileCommands, CompileNamesTheFileInCapitals)
{
    ExpectMessage(QStringLiteral("Information"));
    CompileTest();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral(
                                  "The Test MATHS.QXC has been compiled. Use the command VISTREL MATHS.QXC to display it.")});
    EXPECT_TRUE(Dir.Exists(QStringLiteral("maths.QXC")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.$$$")));
}

TEST_F(CompileCommands, CompileFailureIsReported)
{
    Dir.Write(QStringLiteral("maths.QXQ"), QByteArray(54, '\0'));
    ExpectMessage(QStringLiteral("Error"));
    CompileTest();
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().startsWith(QStringLiteral("Unable to compile the Test.\n\n")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.QXC")));
}

TEST_F(CompileCommands, ExecutableIsStubPlusTest)
{
    ExpectMessage(QStringLiteral("Confirm"), 0);   // do not try it
    CreateExecutable();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral(
                                  "The Executable Test maths.EXE has been created.\n\r\n\rDo you want to try it now?")});
    const QFileInfo exe(Dir.File(QStringLiteral("maths.EXE")));
    ASSERT_TRUE(exe.exists());
    EXPECT_TRUE(exe.isExecutable());
    EXPECT_EQ(exe.size(), QFileInfo(ProgramDir + QStringLiteral("quedrix.bin")).size()
                              + QFileInfo(Dir.File(QStringLiteral("maths.QXC"))).size());
    EXPECT_EQ(Dir.Read(QStringLiteral("maths.EXE")).right(110), QByteArray(110, '\0'));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.exe")));
}

TEST_F(CompileCommands, MissingStubIsReportedAndLeavesNoExecutable)
{
    ProgramDir = Dir.Path() + QStringLiteral("nowhere/");
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_FALSE(BuildExecutable());
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().startsWith(QStringLiteral("Unable to create the Executable Test.")));
    EXPECT_TRUE(MessageTexts().first().contains(QStringLiteral("quedrix.bin")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.EXE")));
}

} // namespace
