// TSaveFile::WriteFromFile: a whole file copied by the kernel, or through
// memory where the kernel cannot (a pipe), with the save helper's guarantees.
#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/savefile.h"
#include "../common/failingdisk.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray Pattern(int size)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 131) ^ (i >> 9));
    return b;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(SaveFileCopy, CopiesFilesAndPipesWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    const QString target = dir.filePath(QStringLiteral("target.bin"));
    const QByteArray data = Pattern(3 * 1024 * 1024 + 17);
    SaveWholeFile(source, data);

    int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ::lseek(fd, 5, SEEK_SET);   // from the position on
    TSaveFile out(target);
    out.Open();
    out.WriteFromFile(fd, source);
    out.Commit();
    ::close(fd);
    EXPECT_EQ(ReadAll(target), data.mid(5));

    // A pipe cannot be copied by the kernel: the fallback reads it.
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ASSERT_EQ(::write(p[1], "through a pipe", 14), 14);
    ::close(p[1]);
    TSaveFile piped(target);
    piped.Open();
    piped.WriteFromFile(p[0], QStringLiteral("pipe"));
    piped.Commit();
    ::close(p[0]);
    EXPECT_EQ(ReadAll(target), QByteArray("through a pipe"));

    // A full disk: the old target stays, no temporary file is left.
    const TLimitedRun run = RunWithFileSizeLimit(1024 * 1024, [&] {
        const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY);
        TSaveFile limited(target);
        limited.Open();
        limited.WriteFromFile(in, source);
        limited.Commit();
    });
    ASSERT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(target)) << run.Message.toStdString();
    EXPECT_EQ(ReadAll(target), QByteArray("through a pipe"));
    EXPECT_TRUE(StrayFiles(dir.path(), {QStringLiteral("source.bin"), QStringLiteral("target.bin")}).isEmpty());
}
