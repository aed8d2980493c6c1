#include "model/savefile.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("FileUtil", text); }

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// The mode a new file of this user gets: 0666 less the umask. Read once, since
// umask() can only be read by setting it.
unsigned DefaultMode()
{
    static const unsigned mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666u & ~unsigned(mask);
    }();
    return mode;
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error ? error : EIO));
}

} // namespace

// The temporary file as a QIODevice for streaming writers: unbuffered, so a
// write that the system refuses is reported to the writer at once.
class TSaveFile::TDevice final : public QIODevice {
public:
    explicit TDevice(TSaveFile& owner) : FOwner(owner) {}
    bool isSequential() const override { return false; }
    qint64 size() const override
    {
        struct stat st {};
        return ::fstat(FOwner.FFd, &st) == 0 ? qint64(st.st_size) : 0;
    }
    bool seek(qint64 pos) override
    {
        if (!QIODevice::seek(pos))
            return false;
        if (::lseek(FOwner.FFd, pos, SEEK_SET) != pos) {
            Remember(errno);
            return false;
        }
        return true;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const int error = FOwner.WriteAll(data, size);
        if (error == 0)
            return size;
        Remember(error);
        return -1;
    }

private:
    void Remember(int error)
    {
        if (FOwner.FWriteError == 0)
            FOwner.FWriteError = error ? error : EIO;
        setErrorString(SystemReason(error));
    }
    TSaveFile& FOwner;
};

TSaveFile::TSaveFile(const QString& target, TKind kind)
    : FTarget(target), FKind(kind)
{
    FReal = ResolveCase(target);
    const QFileInfo info(FReal);
    if (info.isSymLink()) {
        // Follow the link, so the file it names is replaced and the link stays.
        const QString canonical = info.canonicalFilePath();
        FReal = canonical.isEmpty() ? info.symLinkTarget() : canonical;
    }
}

TSaveFile::~TSaveFile()
{
    if (!FCommitted)
        Cancel();
}

void TSaveFile::SetMode(unsigned mode, bool evenIfExists)
{
    FMode = mode & 07777;
    FHasMode = true;
    FForceMode = evenIfExists;
}

void TSaveFile::Fail(const QString& what, int error)
{
    const QString reason = SystemReason(error);
    Cancel();
    RaiseInOutError(what, FTarget, reason);
}

int TSaveFile::WriteAll(const char* data, qint64 size)
{
    if (FFd < 0)
        return EBADF;
    while (size > 0) {
        const ssize_t put = ::write(FFd, data, size_t(size));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (put == 0)
            return ENOSPC;
        data += put;
        size -= put;
    }
    return 0;
}

void TSaveFile::Open()
{
    if (FFd >= 0)
        return;
    FCommitted = false;
    FWriteError = 0;
    struct stat st {};
    const bool exists = ::stat(Native(FReal).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        Fail(Tr("create"), EISDIR);

    if (exists && !S_ISREG(st.st_mode)) {
        // A device or pipe is written in place; there is nothing to rename.
        FInPlace = true;
        FFd = ::open(Native(FReal).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (FFd < 0)
            Fail(Tr("create"), errno);
    } else {
        FInPlace = false;
        const QFileInfo info(FReal);
        const QString folder = info.absolutePath();
        for (int attempt = 0; attempt < 100 && FFd < 0; ++attempt) {
            const QString name = QDir(folder).filePath(
                QStringLiteral(".%1.%2").arg(info.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
            FFd = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (FFd >= 0)
                FTemporary = name;
            else if (errno != EEXIST)
                Fail(Tr("create"), errno);
        }
        if (FFd < 0)
            Fail(Tr("create"), EEXIST);
        // The replacement keeps what the old file had: its permissions and,
        // where we may set it, its owner.
        const unsigned mode = exists && !FForceMode ? unsigned(st.st_mode & 07777)
                                                    : (FHasMode ? FMode : DefaultMode());
        if (exists && ::fchown(FFd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's own rights apply then; nothing is lost.
        }
        if (::fchmod(FFd, mode) != 0)
            Fail(Tr("create"), errno);
    }
    FDevice = std::make_unique<TDevice>(*this);
    FDevice->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void TSaveFile::Write(const char* data, qint64 size)
{
    if (FFd < 0)
        Fail(Tr("write"), EBADF);
    const int error = WriteAll(data, size);
    if (error != 0)
        Fail(Tr("write"), error);
}

void TSaveFile::WriteFrom(QIODevice& in, const QString& inName)
{
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            RaiseInOutError(Tr("read"), inName, in.errorString());
        if (got == 0)
            return;
        Write(buffer, got);
    }
}

void TSaveFile::WriteFromFile(int fd, const QString& inName)
{
    if (FFd < 0)
        Fail(Tr("write"), EBADF);
    bool kernel = true;
    for (;;) {
        if (kernel) {
            const ssize_t n = ::copy_file_range(fd, nullptr, FFd, nullptr, size_t(1) << 30, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return;
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF) {
                kernel = false;   // not between these files: copy through memory
                continue;
            }
            Fail(Tr("write"), errno);
        }
        char buffer[256 * 1024];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            RaiseInOutError(Tr("read"), inName, SystemReason(errno));
        }
        if (got == 0)
            return;
        Write(buffer, got);
    }
}

QIODevice& TSaveFile::Device()
{
    if (FFd < 0)
        Open();
    return *FDevice;
}

void TSaveFile::Commit()
{
    if (FFd < 0)
        Fail(Tr("write"), EBADF);
    if (FWriteError != 0)
        Fail(Tr("write"), FWriteError);
    if (FKind == Durable && !FInPlace && ::fdatasync(FFd) != 0)
        Fail(Tr("write"), errno);
    const int fd = FFd;
    FFd = -1;
    if (FDevice)
        FDevice->close();
    if (::close(fd) != 0) {
        const int error = errno;
        Fail(Tr("write"), error);
    }
    if (!FInPlace) {
        if (::rename(Native(FTemporary).constData(), Native(FReal).constData()) != 0)
            Fail(Tr("write"), errno);
        FTemporary.clear();
        if (FKind == Durable) {
            // The rename itself reaches the disk with the folder's entry.
            const int dir = ::open(Native(QFileInfo(FReal).absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (dir >= 0) {
                ::fsync(dir);
                ::close(dir);
            }
        }
    }
    FCommitted = true;
}

void TSaveFile::Cancel()
{
    if (FDevice)
        FDevice->close();
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    RemoveTemporary();
}

void TSaveFile::RemoveTemporary()
{
    if (!FTemporary.isEmpty()) {
        ::unlink(Native(FTemporary).constData());
        FTemporary.clear();
    }
}

void SaveWholeFile(const QString& target, const QByteArray& data, TSaveFile::TKind kind)
{
    TSaveFile file(target, kind);
    file.Open();
    file.Write(data);
    file.Commit();
}
