// The save helper: what reaches the disk, and what a failing disk leaves.
#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/savefile.h"
#include "../common/failingdisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

unsigned ModeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(SaveFile, ReplacesWholeFileKeepingModeAndFollowingLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("GEO.QXJ"));
    WriteRaw(target, "old contents that are longer");
    ::chmod(QFile::encodeName(target).constData(), 0750);

    SaveWholeFile(target, "new");
    EXPECT_EQ(ReadAll(target), QByteArray("new"));
    EXPECT_EQ(ModeOf(target), 0750u);
    EXPECT_TRUE(StrayFiles(dir.path(), {QStringLiteral("GEO.QXJ")}).isEmpty());

    // Through a link: the file it names changes, the link stays a link.
    const QString link = dir.filePath(QStringLiteral("LINK.QXJ"));
    ASSERT_TRUE(QFile::link(target, link));
    SaveWholeFile(link, "via link", TSaveFile::Rebuildable);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(target), QByteArray("via link"));

    // A new file takes the mode asked for.
    TSaveFile program(dir.filePath(QStringLiteral("TEST.EXE")), TSaveFile::Rebuildable);
    program.SetMode(0755);
    program.Open();
    program.Write("\x7f" "ELF");
    program.Commit();
    EXPECT_EQ(ModeOf(dir.filePath(QStringLiteral("TEST.EXE"))), 0755u);
}

TEST(SaveFile, StreamingWriterMaySeekBackAndPatch)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("T.QXC"));
    TSaveFile out(target, TSaveFile::Rebuildable);
    out.Open();
    QIODevice& dev = out.Device();
    ASSERT_EQ(dev.write("xxxxBODY"), 8);
    ASSERT_TRUE(dev.seek(0));
    ASSERT_EQ(dev.write("HEAD"), 4);
    EXPECT_EQ(dev.size(), 8);
    out.Commit();
    EXPECT_EQ(ReadAll(target), QByteArray("HEADBODY"));
}

TEST(SaveFile, UncommittedOrCancelledWritesLeaveTheOldFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("A.QXR"));
    WriteRaw(target, "keep me");
    {
        TSaveFile out(target);
        out.Open();
        out.Write("half");
    }   // dropped without Commit
    {
        TSaveFile out(target);
        out.Open();
        out.Write("other");
        out.Cancel();
    }
    EXPECT_EQ(ReadAll(target), QByteArray("keep me"));
    EXPECT_TRUE(StrayFiles(dir.path(), {QStringLiteral("A.QXR")}).isEmpty());
}

TEST(SaveFile, FailingDiskKeepsEveryByteOfTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("MATHS.QXJ"));
    const QByteArray old(3000, 'o');
    WriteRaw(target, old);
    const QByteArray big(10000, 'n');

    for (const bool streaming : {false, true}) {
        const TLimitedRun run = RunWithFileSizeLimit(4096, [&] {
            TSaveFile out(target);
            out.Open();
            if (streaming) {
                // A streaming writer that ignores the result still fails at Commit.
                out.Device().write(big);
            } else {
                out.Write(big);
            }
            out.Commit();
        });
        ASSERT_TRUE(run.Exited);
        EXPECT_TRUE(run.Threw) << "streaming " << streaming;
        EXPECT_TRUE(run.Message.contains(target)) << run.Message.toStdString();
        EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
        EXPECT_EQ(ReadAll(target), old);
        EXPECT_TRUE(StrayFiles(dir.path(), {QStringLiteral("MATHS.QXJ")}).isEmpty());
    }
}

TEST(SaveFile, DevicesAreWrittenInPlaceAndRefusalsAreReported)
{
    // /dev/null stays a device: nothing is renamed over it.
    SaveWholeFile(QStringLiteral("/dev/null"), "discarded");
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());

    // /dev/full refuses every write.
    try {
        SaveWholeFile(QStringLiteral("/dev/full"), "x");
        ADD_FAILURE() << "a write to /dev/full reported success";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("/dev/full")));
        EXPECT_TRUE(e.Message().contains(QStringLiteral("No space left on device")));
    }
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());

    // A folder that does not exist, and a folder as target.
    QTemporaryDir dir;
    EXPECT_THROW(SaveWholeFile(dir.filePath(QStringLiteral("nodir/x")), "x"), EInOutError);
    EXPECT_THROW(SaveWholeFile(dir.path(), "x"), EInOutError);
}
