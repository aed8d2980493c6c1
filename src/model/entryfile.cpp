// The entry file's readers: the process keeps the entry table of the last
// few entry files read, and checks it against the file's identity on every
// call. A caller that reads many entries takes one snapshot (EntryTableOf)
// and reads from it.
#include "model/entryfile.h"

#include "model/entrylines.h"
#include "model/entrytable.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/processvalues.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace EntryLines;

QString CurrentEntryName;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EntryFile", text); }

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// The identity of a file's contents as the system reports it: a file
// replaced (a new inode), grown, shrunk or written (a new modification or
// change time, to the nanosecond) has another.
struct TFileIdentity {
    dev_t Dev = 0;
    ino_t Ino = 0;
    off_t Size = 0;
    timespec MTime {};
    timespec CTime {};

    static TFileIdentity Of(const struct stat& st)
    {
        return TFileIdentity {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    }
    bool operator==(const TFileIdentity& o) const
    {
        return Dev == o.Dev && Ino == o.Ino && Size == o.Size && MTime.tv_sec == o.MTime.tv_sec
            && MTime.tv_nsec == o.MTime.tv_nsec && CTime.tv_sec == o.CTime.tv_sec && CTime.tv_nsec == o.CTime.tv_nsec;
    }
};

struct TKnownTable {
    QString Path;
    QByteArray EncodedPath;
    TFileIdentity Identity;
    TEntryTablePtr Table;
};

// A few files at most are in use at a time: the open project's entry file
// and, in tests, some others. Most recently used first.
constexpr size_t MaxTables = 4;
std::vector<TKnownTable> gTables;

qsizetype SlotOf(const QString& path)
{
    for (size_t i = 0; i < gTables.size(); ++i)
        if (gTables[i].Path == path)
            return qsizetype(i);
    return -1;
}

void Forget(const QString& path)
{
    const qsizetype slot = SlotOf(path);
    if (slot >= 0)
        gTables.erase(gTables.begin() + slot);
}

// Reads the open file whole; what was read is what the table describes.
QByteArray ReadAll(int fd, const QString& path, qint64 size)
{
    QByteArray buf;
    buf.resize(qsizetype(size));
    qint64 pos = 0;
    while (pos < buf.size()) {
        const ssize_t got = ::read(fd, buf.data() + pos, size_t(buf.size() - pos));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            RaiseInOutError(Tr("read"), path, SystemReason(errno));
        if (got == 0)
            break;
        pos += got;
    }
    buf.truncate(pos);
    return buf;
}

// Whether the file was changed so recently that a change in the same clock
// tick of the file system (a rewrite of the same size and inode) could still
// follow unseen; such a table serves one call only.
bool TooRecent(const TFileIdentity& id)
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 ageNs = (qint64(now.tv_sec) - qint64(id.MTime.tv_sec)) * 1000000000LL
        + (qint64(now.tv_nsec) - qint64(id.MTime.tv_nsec));
    return ageNs < 50 * 1000000LL;
}

} // namespace

TEntryTablePtr EntryTableOf(const QString& file)
{
    if (file.isEmpty())
        return nullptr;
    // The name as given first: one system call for the common case.
    qsizetype slot = SlotOf(file);
    QString path = file;
    QByteArray encoded = slot >= 0 ? gTables[size_t(slot)].EncodedPath : QFile::encodeName(path);
    struct stat st {};
    if (::stat(encoded.constData(), &st) != 0) {
        path = ResolveCase(file);
        encoded = QFile::encodeName(path);
        if (path == file || ::stat(encoded.constData(), &st) != 0) {
            Forget(file);
            Forget(path);
            return nullptr;
        }
        slot = SlotOf(path);
    }
    if (!S_ISREG(st.st_mode)) {
        Forget(path);
        return nullptr;
    }
    const TFileIdentity now = TFileIdentity::Of(st);
    if (slot >= 0) {
        TKnownTable known = std::move(gTables[size_t(slot)]);
        gTables.erase(gTables.begin() + slot);
        if (known.Identity == now) {
            TEntryTablePtr table = known.Table;
            gTables.insert(gTables.begin(), std::move(known));
            return table;
        }
    }

    const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &st) != 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    TFileIdentity identity = TFileIdentity::Of(st);
    QByteArray data = ReadAll(fd, path, st.st_size);
    // If the file grew or shrank while it was read, the next call sees
    // another size and reads it again.
    identity.Size = off_t(data.size());
    auto table = std::make_shared<const TEntryTable>(TEntryTable::FromEntryFile(std::move(data)));
    if (TooRecent(identity))
        return table;
    gTables.insert(gTables.begin(), TKnownTable {path, encoded, identity, table});
    if (gTables.size() > MaxTables)
        gTables.pop_back();
    return table;
}

TEntryTablePtr ReadEntryTable(QIODevice& in, const QString& what)
{
    return std::make_shared<const TEntryTable>(TEntryTable::FromEntryFile(in, what));
}

void ForgetEntryIndexes() { gTables.clear(); }

namespace {

void ResetEntryFileValues()
{
    ForgetEntryIndexes();
    CurrentEntryName.clear();
}

} // namespace

QUENDRA_RESET_ROUTINE(ResetEntryFileValues)

namespace {

// The value of a display-entry line: everything after its first "=".
QString Value(const QString& line)
{
    return line.mid(line.indexOf(u'=') + 1);
}

QString EntryLabel(const QStringList& lines) { return lines.isEmpty() ? QString() : lines.first(); }

[[noreturn]] void RaiseDamaged(const QStringList& lines, const QString& reason, bool listError)
{
    const QString message = Tr("The entry \"%1\" cannot be read.\n%2").arg(EntryLabel(lines), reason);
    if (listError)
        throw EListError(message);
    throw EConvertError(message);
}

int EntryInt(const QStringList& lines, int line)
{
    int v;
    if (!TryStrToInt(Value(lines[line]), v))
        RaiseDamaged(lines, Tr("'%1' is not a valid integer value").arg(Value(lines[line])), false);
    return v;
}

quint32 EntryColour(const QStringList& lines, int line)
{
    try {
        return TextToColor(Value(lines[line]));
    } catch (const EConvertError& e) {
        RaiseDamaged(lines, e.Message(), false);
    }
}

} // namespace

// ---- listing and reading ----------------------------------------------------

bool EntrySourceExists(const QString& file, const QString& source)
{
    const TEntryTablePtr table = EntryTableOf(file);
    return table && table->SourceExists(source);
}

void ListEntryNames(QStringList& names, const QString& file, const QString& source)
{
    if (const TEntryTablePtr table = EntryTableOf(file))
        table->ListEntryNames(names, source);
}

bool ReadEntry(const QString& file, const QString& name, const QString& source, QStringList& lines)
{
    lines.clear();
    const TEntryTablePtr table = EntryTableOf(file);
    return table && table->ReadEntry(name, source, lines);
}

bool EntryNameTaken(const QString& file, const QString& newName, const QString& oldName, const QString& source)
{
    if (Key(newName) == Key(oldName))
        return false;
    const TEntryTablePtr table = EntryTableOf(file);
    return table && table->Contains(newName, source);
}

bool ReadIntroEntry(const QString& file, QStringList& text)
{
    const TEntryTablePtr table = EntryTableOf(file);
    return table && table->ReadIntroduction(text);
}

bool ReadQuestionEntry(const QString& file, const QString& identifier, QStringList& text)
{
    const TEntryTablePtr table = EntryTableOf(file);
    return table && table->ReadQuestionText(identifier, text);
}

// ---- display entries ----------------------------------------------------------

int EntryTypeCode(const QStringList& lines)
{
    if (lines.size() < 3)
        RaiseDamaged(lines, Tr("It has no type line."), true);
    const QString digits = Value(lines[2]).left(2);
    int v;
    if (!TryStrToInt(digits, v))
        RaiseDamaged(lines, Tr("'%1' is not a valid integer value").arg(digits), false);
    return v;
}

void ParseDisplayEntry(const QStringList& lines, TEntryDisplay& display, QStringList& text)
{
    if (lines.size() < 16)
        RaiseDamaged(lines, Tr("A display entry has 16 lines before its text; this one has %1.").arg(lines.size()),
                     true);
    // Convert everything first, so that a damaged entry leaves the record as it was.
    const int displayType = EntryInt(lines, 3);
    const bool fullScreen = lines[4].contains(u"true");
    const quint32 sBack = EntryColour(lines, 5);
    const QString sGraphic = Value(lines[6]);
    const QString sWallpaper = Value(lines[7]);
    const quint32 vpBack = EntryColour(lines, 8);
    const int vpLeft = EntryInt(lines, 9);
    const int vpTop = EntryInt(lines, 10);
    const int vpWidth = EntryInt(lines, 11);
    const int vpHeight = EntryInt(lines, 12);
    const bool print = lines[15].contains(u"true");

    display.DisplayType = displayType;
    display.FullScreen = fullScreen;
    display.SBackColor = sBack;
    display.SGraphic = sGraphic;
    display.SWallpaper = sWallpaper;
    display.VPBack = vpBack;
    display.VPLeft = vpLeft;
    display.VPTop = vpTop;
    display.VPWidth = vpWidth;
    display.VPHeight = vpHeight;
    display.Print = print;

    qsizetype end = lines.size();
    if (end > 17 && lines[end - 1] == u"]")
        --end;
    for (qsizetype i = 17; i < end; ++i)
        text.append(lines[i]);
}

