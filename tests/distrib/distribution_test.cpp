#include "distribtest.h"

#include "distrib/distribution.h"
#include "distrib/runtimebundle.h"
#include "model/compiledtest.h"
#include "model/testconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

QStringList TopLevel(const QStringList& files)
{
    QStringList out;
    for (const QString& f : files)
        if (!f.contains(u'/'))
            out << f;
    return out;
}

} // namespace

TEST_F(DistribTest, ExecutableOfTheSampleHoldsExactlyItsFiles)
{
    MakeSample();
    MakePrograms();
    const TTestConfig before = TestConfig;
    ExpectMessage(QStringLiteral("Confirm"), 1);   // include run.sh: Yes
    ExpectMessage(QStringLiteral("Information"));
    const QString target = Out.File(QStringLiteral("fresh"));
    Distribute(target, true);

    QStringList expected = SampleMedia;
    expected << QStringLiteral("MATHS.EXE") << QStringLiteral("libquendra_qtmedia.so") << QStringLiteral("qt.conf")
             << QStringLiteral("README.TXT");
    expected.sort();
    const QStringList files = FilesUnder(target);
    EXPECT_EQ(TopLevel(files), expected);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("All the files have been copied to the Directory ") + target + u'/');
    EXPECT_TRUE(MessageTexts().first().startsWith(QStringLiteral("Do you want to include the executable program run.sh")));
    // Byte for byte, execute bits kept.
    QFile exe(target + QStringLiteral("/MATHS.EXE"));
    ASSERT_TRUE(exe.open(QIODevice::ReadOnly));
    EXPECT_EQ(exe.readAll(), Dir.Read(QStringLiteral("MATHS.EXE")));
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/MATHS.EXE")).isExecutable());
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/run.sh")).isExecutable());
    EXPECT_FALSE(QFileInfo(target + QStringLiteral("/pic.bmp")).isExecutable());
    // What the program needs beside it.
    for (const char* need : {"lib/libQt6Core.so.6", "lib/libQt6Gui.so.6", "lib/libQt6Widgets.so.6",
                             "lib/libQt6Multimedia.so.6", "lib/libQt6XcbQpa.so.6", "plugins/platforms/libqxcb.so",
                             "plugins/imageformats/libqjpeg.so"})
        EXPECT_TRUE(files.contains(QLatin1String(need))) << need;
    for (const QString& f : files)
        EXPECT_TRUE(!f.startsWith(QLatin1String("lib/")) || IsShippedLibrary(f.mid(4))) << f.toStdString();
    // Gathering left the configuration as it was, and the current directory
    // is the project's.
    EXPECT_EQ(std::memcmp(&before, &TestConfig, sizeof before), 0);
    EXPECT_EQ(QDir::currentPath() + u'/', ProjectDir);
}

TEST_F(DistribTest, CompiledTestGoesWithThePlayerAndNoExecutable)
{
    MakeSample();
    MakePrograms();
    QFile::remove(Dir.File(QStringLiteral("MATHS.EXE")));
    ExpectMessage(QStringLiteral("Confirm"), 0);   // run.sh: No; no other file is affected
    ExpectMessage(QStringLiteral("Information"));
    const QString target = Out.File(QStringLiteral("player"));
    Distribute(target, false);
    QStringList expected = SampleMedia;
    expected.removeAll(QStringLiteral("run.sh"));
    expected << QStringLiteral("MATHS.QXC") << QStringLiteral("vistrel.exe") << QStringLiteral("libquendra_qtmedia.so")
             << QStringLiteral("qt.conf") << QStringLiteral("README.TXT");
    expected.sort();
    EXPECT_EQ(TopLevel(FilesUnder(target)), expected);
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/vistrel.exe")).isExecutable());
    const QByteArray readme = Out.Read(QStringLiteral("player/README.TXT"));
    EXPECT_TRUE(readme.contains("./vistrel.exe MATHS.QXC")) << readme.constData();
    EXPECT_TRUE(readme.startsWith("Maths Test\r\n"));
    EXPECT_EQ(Out.Read(QStringLiteral("player/qt.conf")), DistributionQtConf());
}

TEST_F(DistribTest, MissingProgramsStopBeforeAnythingIsCopied)
{
    MakeSample();
    const QString target = Out.File(QStringLiteral("none"));
    ExpectMessage(QStringLiteral("Error"));
    Distribute(target, true);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("MATHS.EXE was not found. Please create the Executable program."));
    ExpectMessage(QStringLiteral("Error"));
    Distribute(target, false);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("MATHS.QXC was not found. Please compile the Test."));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(DistribTest, MissingMediaFileStopsBeforeTheFolderIsMade)
{
    MakeSample();
    MakePrograms();
    QFile::remove(Dir.File(QStringLiteral("tune.mid")));
    QFile::remove(Dir.File(QStringLiteral("back.jpg")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    const QString target = Out.File(QStringLiteral("stop"));
    Distribute(target, true);
    EXPECT_TRUE(MessageTexts().contains(QStringLiteral("The file tune.mid is missing.")));
    EXPECT_TRUE(MessageTexts().contains(QStringLiteral("The file back.jpg is missing.")));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(DistribTest, TheProjectAndProgramFoldersAreRefusedByAnySpelling)
{
    MakeSample();
    MakePrograms();
    const QByteArray exe = Dir.Read(QStringLiteral("MATHS.EXE"));
    const QByteArray pic = Dir.Read(QStringLiteral("pic.bmp"));
    ASSERT_TRUE(QFile::link(Dir.Path(), Out.File(QStringLiteral("link-to-project"))));
    const QString projectName = QFileInfo(QDir::cleanPath(Dir.Path())).fileName();
    const QStringList spellings = {Dir.Path(), QDir::cleanPath(Dir.Path()), QStringLiteral("."), QStringLiteral("./"),
                                   QStringLiteral("../") + projectName, Out.File(QStringLiteral("link-to-project")),
                                   Out.File(QStringLiteral("link-to-project/"))};
    for (const QString& s : spellings) {
        ExpectMessage(QStringLiteral("Error"));
        Distribute(s, true);
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("Files cannot be copied to Project directory."))
            << s.toStdString();
    }
    ASSERT_TRUE(QFile::exists(ProgramDir + QStringLiteral("vistrel.exe")));
    for (const QString& s : {ProgramDir, ProgramDir + QStringLiteral("."), ProgramDir + QStringLiteral("lib/..")}) {
        ExpectMessage(QStringLiteral("Error"));
        Distribute(s, false);
        EXPECT_EQ(MessageTexts().last(), QStringLiteral("Files cannot be copied to the Program directory."))
            << s.toStdString();
    }
    EXPECT_EQ(Dir.Read(QStringLiteral("MATHS.EXE")), exe);
    EXPECT_EQ(Dir.Read(QStringLiteral("pic.bmp")), pic);
}
