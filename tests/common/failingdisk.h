#pragma once
// Failing disks for the writer tests.
//
// RunWithFileSizeLimit runs a write in a child process whose files may not
// grow past `limit` bytes (RLIMIT_FSIZE, with SIGXFSZ ignored, so a write past
// the limit fails with EFBIG as on a full disk). It gives back what the write
// reported: the message of the EQuendraError it threw, or "" when it claimed
// success. Only plain code may run in the child: no widgets, no threads.
//
// TFailDevice accepts N bytes and then refuses every write, for writers that
// stream into a QIODevice.

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/errors.h"

struct TLimitedRun {
    bool Exited = false;       // the child ran to its end
    bool Threw = false;        // the write reported a failure
    QString Message;           // the failure's message
};

inline TLimitedRun RunWithFileSizeLimit(qint64 limit, const std::function<void()>& write)
{
    int fds[2];
    TLimitedRun result;
    if (::pipe(fds) != 0)
        return result;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit rl { rlim_t(limit), rlim_t(limit) };
        ::setrlimit(RLIMIT_FSIZE, &rl);
        std::string out = "ok:";
        try {
            write();
        } catch (const EQuendraError& e) {
            out = std::string("error:") + e.Message().toUtf8().constData();
        } catch (const std::exception& e) {
            out = std::string("other:") + e.what();
        }
        const char* p = out.data();
        size_t left = out.size();
        while (left > 0) {
            const ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n;
            left -= size_t(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray got;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.Exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (got.startsWith("error:") || got.startsWith("other:")) {
        result.Threw = true;
        result.Message = QString::fromUtf8(got.mid(6));
    }
    return result;
}

// Names in a folder other than the given ones: what a failed write left behind.
inline QStringList StrayFiles(const QString& folder, const QStringList& expected)
{
    QStringList stray;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : all)
        if (!expected.contains(name))
            stray << name;
    return stray;
}

class TFailDevice : public QIODevice {
public:
    explicit TFailDevice(qint64 n) : FLeft(n) { open(QIODevice::WriteOnly); }
    QByteArray Data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        if (FLeft <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = len < FLeft ? len : FLeft;
        Data.append(data, n);
        FLeft -= n;
        return n;
    }

private:
    qint64 FLeft;
};
