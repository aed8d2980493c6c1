// Where the companion files are found: beside the program (a build tree),
// else in the shared data folder of an installation.
#include <gtest/gtest.h>

#include "model/companions.h"
#include "model/processvalues.h"
#include "model/testconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(Companions, BesideTheProgramThenInTheSharedDataFolder)
{
    ResetAllProcessValues();
    EXPECT_TRUE(SharedDataDir().isEmpty());
    QTemporaryDir tmp;
    const QString prefix = QFileInfo(tmp.path()).canonicalFilePath();
    ProgramDir = prefix + QStringLiteral("/lib/quendra/");
    QDir().mkpath(ProgramDir);
    EXPECT_EQ(SharedDataDir(), prefix + QStringLiteral("/share/quendra/"));

    // Nowhere: the program's own folder is named.
    EXPECT_EQ(CompanionPath(QStringLiteral("QUEDRIX.HLP")), ProgramDir + QStringLiteral("QUEDRIX.HLP"));
    EXPECT_TRUE(SamplesDir().isEmpty());

    // Installed: found in the shared data folder, in any letter case.
    Touch(prefix + QStringLiteral("/share/quendra/QUEDRIX.HLP"));
    Touch(prefix + QStringLiteral("/share/quendra/quedrix.rtf"));
    Touch(prefix + QStringLiteral("/share/quendra/samples/PLANETS/PLANETS.QXJ"));
    EXPECT_EQ(CompanionPath(QStringLiteral("QUEDRIX.HLP")), prefix + QStringLiteral("/share/quendra/QUEDRIX.HLP"));
    EXPECT_EQ(CompanionPath(QStringLiteral("QUEDRIX.RTF")), prefix + QStringLiteral("/share/quendra/quedrix.rtf"));
    EXPECT_EQ(SamplesDir(), prefix + QStringLiteral("/share/quendra/samples/"));

    // A build tree: the file beside the program wins.
    Touch(ProgramDir + QStringLiteral("QUEDRIX.HLP"));
    QDir().mkpath(ProgramDir + QStringLiteral("samples"));
    EXPECT_EQ(CompanionPath(QStringLiteral("QUEDRIX.HLP")), ProgramDir + QStringLiteral("QUEDRIX.HLP"));
    EXPECT_EQ(SamplesDir(), ProgramDir + QStringLiteral("samples/"));

    // A file named like the samples folder is not a samples folder.
    ProgramDir = prefix + QStringLiteral("/other/bin/");
    Touch(ProgramDir + QStringLiteral("samples"));
    EXPECT_TRUE(SamplesDir().isEmpty());
    ResetAllProcessValues();
}

} // namespace
