#pragma once
// The one way the programs write a file.
//
// A TSaveFile writes into a temporary file beside its target and renames it
// over the target only when every byte was written, flushed and (for durable
// files) has reached the disk. Any failure removes the temporary file, leaves
// the old target exactly as it was and throws EInOutError with the target's
// name and the system's reason. Nothing is ever reported as written that was
// not.
//
// - A symbolic link is followed: the file it names is replaced, the link stays.
// - An existing target keeps its permission bits (a program stays executable);
//   a new one gets 0666 less the user's umask, or the mode given to SetMode.
// - A target that exists but is not a regular file (a device such as
//   /dev/null, a pipe) is written in place: renaming over it would replace the
//   device with a plain file.
// - Durable files wait for the data to reach the disk before the rename;
//   rebuildable ones (outputs the program makes again from their sources at any
//   time: the compiled test, the test program) skip that wait.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

class TSaveFile {
public:
    enum TKind { Durable, Rebuildable };

    explicit TSaveFile(const QString& target, TKind kind = Durable);
    // An uncommitted temporary file is removed; the target is untouched.
    ~TSaveFile();
    TSaveFile(const TSaveFile&) = delete;
    TSaveFile& operator=(const TSaveFile&) = delete;

    // Permission bits for a target that does not exist yet (e.g. 0755 for a
    // program); with evenIfExists, for an existing one too. Call before Open.
    void SetMode(unsigned mode, bool evenIfExists = false);

    // Creates the temporary file. Throws EInOutError "Cannot create file NAME".
    void Open();
    // Appends bytes; throws EInOutError "Cannot write file NAME" with the
    // system's reason (a short write on a full disk included).
    void Write(const char* data, qint64 size);
    void Write(const QByteArray& data) { Write(data.constData(), data.size()); }
    // Appends what in holds from its position to its end; a read failure
    // throws EInOutError naming inName.
    void WriteFrom(QIODevice& in, const QString& inName);
    // Appends what the open file descriptor fd holds from its position to its
    // end, copied by the kernel where it can (copy_file_range), else through
    // reads and writes. A read failure throws EInOutError naming inName.
    void WriteFromFile(int fd, const QString& inName);
    // For writers that stream into a QIODevice (and may seek back to patch a
    // header). Its writes are checked the same way; a failed write returns -1
    // to the writer and is raised again by Commit, so it cannot be missed.
    QIODevice& Device();

    // Flushes, syncs (durable files), and renames over the target. Throws
    // EInOutError and leaves the target as it was on any failure.
    void Commit();
    // Drops what was written; the target is untouched.
    void Cancel();

    // The target as given, and the file actually replaced (links followed).
    QString FileName() const { return FTarget; }
    QString RealFileName() const { return FReal; }

private:
    class TDevice;
    [[noreturn]] void Fail(const QString& what, int error);
    void RemoveTemporary();
    int WriteAll(const char* data, qint64 size);   // 0, or the errno of the failure

    QString FTarget;
    QString FReal;
    QString FTemporary;
    TKind FKind;
    int FFd = -1;
    unsigned FMode = 0;
    bool FHasMode = false;
    bool FForceMode = false;
    bool FInPlace = false;
    bool FCommitted = false;
    int FWriteError = 0;            // errno of the first failed write, 0 if none
    std::unique_ptr<TDevice> FDevice;
};

// The whole file in one call: Open, Write, Commit.
void SaveWholeFile(const QString& target, const QByteArray& data,
                   TSaveFile::TKind kind = TSaveFile::Durable);
