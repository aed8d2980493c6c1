// "&Compile Test" and "Create E&xecutable" as the user sees them.
#include "harness.h"

#include "app/compile.h"
#include "model/entryfile.h"
#include "model/testconfig.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

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

TEST_F(CompileCommands, CompileNamesTheFileItMade)
{
    // One rule for the file and the message: the project's base name as
    // spelled ("maths.qxj" -> "maths.QXC").
    ExpectMessage(QStringLiteral("Information"));
    CompileTest();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral(
                                  "The Test maths.QXC has been compiled. Use the command VISTREL maths.QXC to display it.")});
    EXPECT_TRUE(Dir.Exists(QStringLiteral("maths.QXC")));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.$$$")));

    // An earlier compile in other letters is the file replaced and named.
    QFile::rename(Dir.File(QStringLiteral("maths.QXC")), Dir.File(QStringLiteral("MATHS.qxc")));
    ExpectMessage(QStringLiteral("Information"));
    CompileTest();
    EXPECT_EQ(MessageTexts().last(), QStringLiteral(
                                  "The Test MATHS.qxc has been compiled. Use the command VISTREL MATHS.qxc to display it."));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("maths.QXC")));

    // A damaged question file: its whole records are compiled, as opening
    // the project promised.
    Dir.Write(QStringLiteral("maths.QXQ"), QByteArray(55 * 2 + 7, '\0'));
    ExpectMessage(QStringLiteral("Information"));
    CompileTest();
    const QByteArray compiled = Dir.Read(QStringLiteral("MATHS.qxc"));
    ASSERT_GE(compiled.size(), 5440);
    EXPECT_EQ(qFromLittleEndian<qint32>(compiled.constData() + 5436), 2);   // the question count
    EXPECT_EQ(compiled.size() - qFromLittleEndian<qint32>(compiled.constData() + 5432), 55 * 2);
}

TEST_F(CompileCommands, CompileFailureIsReported)
{
    QFile::remove(Dir.File(QStringLiteral("maths.QXQ")));
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
