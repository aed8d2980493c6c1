#include "planetstest.h"

#include "app/projectlifecycle.h"
#include "model/testconfig.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"

#include <QDir>
#include <QFile>

QString SampleDir() { return QStringLiteral(QUENDRA_SOURCE_DIR "/samples/PLANETS/"); }

QStringList SampleFiles()
{
    QStringList files = QDir(SampleDir()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    return files;
}

void PlanetsTest::SetUp()
{
    QuendraTest::SetUp();
    ResetRunState();
    ResetRunEngine();
    ProgramDir = QStringLiteral(QUENDRA_BIN_DIR "/");
}

void PlanetsTest::TearDown()
{
    TestQuestionList.Clear();
    RunEntries.reset();
    RunFileDir.clear();
    QDir::setCurrent(QDir::tempPath());
    QuendraTest::TearDown();
}

void PlanetsTest::CopySample() const
{
    const QStringList files = SampleFiles();
    ASSERT_FALSE(files.isEmpty()) << "no sample in " << SampleDir().toStdString();
    for (const QString& f : files) {
        // QFile::copy keeps the permissions: the sample's program stays
        // executable.
        ASSERT_TRUE(QFile::copy(SampleDir() + f, Dir.File(f))) << f.toStdString();
    }
}

void PlanetsTest::OpenSampleCopy() const
{
    CopySample();
    OpenProjectIn(Dir.Path(), Dir.File(QStringLiteral("PLANETS.QXJ")), QStringLiteral("PLANETS"));
}
