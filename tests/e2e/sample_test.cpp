// The committed PLANETS sample: its project files are what the generator
// writes with our own writers, every file it names is there and is of a kind
// the programs show or play, and nothing else lies in its folder.
#include "planetstest.h"

#include "planets.h"

#include "../common/failingdisk.h"

#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/media.h"
#include "platform/pictures.h"
#include "model/errors.h"
#include "model/fileutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// The files the stored project names, read from the stored files themselves:
// the presentation in the project file and every attachment in the entry file.
QStringList NamedFiles()
{
    QStringList files;
    const auto add = [&](const QString& f) {
        const QString name = f.trimmed();
        if (!name.isEmpty() && !files.contains(name))
            files << name;
    };
    const TPresentation& p = TestConfig.Presentation;
    for (const TCommandSpec* c : {&p.Opening, &p.Closing})
        for (const QString& part : c->CommandValue.str().split(u','))
            if (!IsInteger(part))
                add(part);
    add(p.Intro.Display.SGraphic.str());
    add(p.Intro.Display.SWallpaper.str());
    add(p.About.IconFile.str());
    add(TestConfig.Program.IconFile.str());
    add(TestConfig.Program.HelpFile.str());
    add(TestConfig.Program.BackgroundWallpaper.str());
    for (const QString& source : {SourceInfo, SourceHyper, SourceComms}) {
        QStringList names;
        ListEntryNames(names, EntryPath, source);
        for (const QString& name : names) {
            QStringList lines;
            EXPECT_TRUE(ReadEntry(EntryPath, name, source, lines));
            const int type = EntryTypeCode(lines);
            if (type == 1 || type == 5) {
                TEntryDisplay d;
                SetEntryDisplayDefaults(d);
                QStringList text;
                ParseDisplayEntry(lines, d, text);
                add(d.SGraphic.str());
                add(d.SWallpaper.str());
                continue;
            }
            QString value = lines.value(3).mid(8);
            if (type == 9)
                value = value.section(u' ', 1);
            for (QString part : value.split(u',')) {
                if (part.startsWith(QStringLiteral("./")))
                    part = part.mid(2);
                if (!IsInteger(part))
                    add(part);
            }
        }
    }
    files.sort();
    return files;
}

bool IsPcmWave(const QByteArray& w)
{
    return w.size() > 44 && w.startsWith("RIFF") && w.mid(8, 8) == "WAVEfmt " && qFromLittleEndian<quint16>(w.constData() + 20) == 1
           && qFromLittleEndian<quint16>(w.constData() + 34) == 16 && w.mid(36, 4) == "data";
}

TEST_F(PlanetsTest, CommittedProjectFilesAreWhatTheGeneratorWrites)
{
    WritePlanetsSample(Dir.Path());
    for (const char* f : {"PLANETS.QXJ", "PLANETS.QXQ", "PLANETS.QXR"}) {
        const QString name = QString::fromLatin1(f);
        EXPECT_TRUE(Dir.Read(name) == ReadAll(SampleDir() + name))
            << f << " differs from what samples/make-planets writes now: rebuild the target regenerate_planets";
    }
    // A dozen questions, 55 bytes each, and the one record of 5428 bytes.
    EXPECT_EQ(Dir.Read(QStringLiteral("PLANETS.QXQ")).size(), 12 * 55);
    EXPECT_EQ(Dir.Read(QStringLiteral("PLANETS.QXJ")).size(), 5428);
    QStringList ids;
    ASSERT_TRUE(ListIdentifiers(ids));
    EXPECT_EQ(ids.mid(0, 3), QStringList({"SUN-01", "MARS-01", "JUPITER-01"}));   // the tutorial's three
}

TEST_F(PlanetsTest, AFailingDiskLeavesTheOldSampleFilesWhole)
{
    CopySample();
    const TPlanetsTexts texts = PlanetsStoredTexts();   // the texts are made before the child starts
    const QStringList before = SampleFiles();
    // 4000 bytes: the project file fails; 8000: the entry file fails.
    for (const qint64 limit : {4000, 8000}) {
        SCOPED_TRACE(limit);
        const TLimitedRun run = RunWithFileSizeLimit(limit, [&] { WritePlanetsFiles(Dir.Path(), texts); });
        EXPECT_TRUE(run.Exited);
        ASSERT_TRUE(run.Threw);
        EXPECT_TRUE(run.Message.contains(limit == 4000 ? QStringLiteral("PLANETS.QXJ") : QStringLiteral("PLANETS.QXR")))
            << run.Message.toStdString();
        for (const char* f : {"PLANETS.QXJ", "PLANETS.QXQ", "PLANETS.QXR"})
            EXPECT_TRUE(Dir.Read(QString::fromLatin1(f)) == ReadAll(SampleDir() + QString::fromLatin1(f))) << f;
        QStringList now = QDir(Dir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        now.sort();
        EXPECT_EQ(now.join(u' ').toStdString(), before.join(u' ').toStdString());   // no scratch folder left
    }
}

TEST_F(PlanetsTest, EveryNamedFileIsThereAndNothingElse)
{
    OpenSampleCopy();
    const QStringList named = NamedFiles();
    QStringList generated = PlanetsMediaFiles();
    generated.sort();
    EXPECT_EQ(named.join(u' ').toStdString(), generated.join(u' ').toStdString());
    QStringList expected = named;
    expected << QStringLiteral("PLANETS.QXJ") << QStringLiteral("PLANETS.QXQ") << QStringLiteral("PLANETS.QXR");
    expected.sort();
    EXPECT_EQ(SampleFiles().join(u' ').toStdString(), expected.join(u' ').toStdString())
        << "a file of the sample is missing, or one is not used";

    qint64 total = 0;
    for (const QString& f : SampleFiles())
        total += QFileInfo(SampleDir() + f).size();
    EXPECT_LT(total, 3 * 1024 * 1024);

    // Every kind of attachment and every entry source is used.
    QSet<int> types;
    for (const QString& source : {SourceInfo, SourceHyper, SourceComms}) {
        QStringList names;
        ListEntryNames(names, EntryPath, source);
        EXPECT_FALSE(names.isEmpty()) << source.toStdString();
        for (const QString& name : names) {
            QStringList lines;
            ReadEntry(EntryPath, name, source, lines);
            if (source == SourceInfo)
                types.insert(EntryTypeCode(lines));
        }
    }
    EXPECT_EQ(types, QSet<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(EntrySourceExists(EntryPath, SourceIntro));
    EXPECT_TRUE(EntrySourceExists(EntryPath, SourceQuest));
}

TEST_F(PlanetsTest, TheBuildPutsTheSampleBesideThePrograms)
{
    const QString shipped = QStringLiteral(QUENDRA_BIN_DIR "/samples/PLANETS/");
    QStringList there = QDir(shipped).entryList(QDir::Files | QDir::Hidden);
    there.sort();
    EXPECT_EQ(there.join(u' ').toStdString(), SampleFiles().join(u' ').toStdString());
    for (const QString& f : SampleFiles()) {
        EXPECT_TRUE(ReadAll(shipped + f) == ReadAll(SampleDir() + f)) << f.toStdString();
        EXPECT_EQ(QFileInfo(shipped + f).isExecutable(), QFileInfo(SampleDir() + f).isExecutable()) << f.toStdString();
    }
}

TEST_F(PlanetsTest, EveryMediaFileIsOfAKindThePlayersTake)
{
    for (const QString& f : PlanetsMediaFiles()) {
        const QString path = SampleDir() + f;
        const QString ext = QFileInfo(f).suffix().toLower();
        SCOPED_TRACE(f.toStdString());
        if (ext == u"jpg" || ext == u"bmp") {
            EXPECT_FALSE(LoadPicture(path).isNull());
        } else if (ext == u"wav") {
            EXPECT_TRUE(IsPcmWave(ReadAll(path)));
        } else if (ext == u"mid") {
            EXPECT_GT(RenderMidi(ReadAll(path), f, 22050).size(), 22050 * 4 * 5);   // more than five seconds
        } else if (ext == u"avi") {
            TMediaPlayer player;
            try {
                player.Open(path);
            } catch (const EQuendraError& e) {
                GTEST_SKIP() << "no video decoder here: " << e.what();
            }
            EXPECT_TRUE(player.HasVideo());
            EXPECT_NEAR(double(player.Length()), 5000.0, 300.0);
        } else if (ext == u"sh") {
            EXPECT_TRUE(QFileInfo(path).isExecutable());
            EXPECT_TRUE(ReadAll(path).startsWith("#!/bin/sh\n"));
        } else if (ext == u"htm") {
            EXPECT_TRUE(ReadAll(path).contains("<html"));
        } else {
            EXPECT_EQ(ext, QStringLiteral("txt"));
        }
    }
    // The test's help file has the context its Help button opens.
    EXPECT_TRUE(ReadAll(SampleDir() + QStringLiteral("planets-help.htm")).contains("id=\"1\""));
}

} // namespace
