#include "model/entryfile.h"

#include "model/entrylines.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace EntryLines;

QString CurrentEntryName;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EntryFile", text); }

// ---- the in-memory index ----------------------------------------------------

// The sources the program writes; an entry's source is one of these (by Key)
// or another text.
const QString* const KnownSources[] = {&SourceIntro, &SourceQuest, &SourceInfo, &SourceHyper, &SourceComms};
constexpr qint8 OtherSource = -1;

// An entry holds only offsets into the indexed bytes: its name and source are
// made into text when a lookup needs them, which keeps building the index to
// little more than reading the file.
struct TIndexedEntry {
    qint64 Start, SourceStart, BodyStart, TermStart, End;
    quint64 NameHash;     // of the name's Key
    qint64 HeaderLen;
    qint64 SourceLen;     // the source line, without its line end
    qint32 Previous;      // the entry before it with the same name hash, or -1
    qint8 Source;         // into KnownSources, or OtherSource
    bool Terminated;
    bool Bracketed;       // the header line ends with "]"
    bool IntroHeader;     // the header line begins with "[^INTRO"
};

struct TEntryIndex {
    QString Path;
    QByteArray EncodedPath;
    dev_t Dev = 0;
    ino_t Ino = 0;
    off_t Size = 0;
    timespec MTime {};
    timespec CTime {};
    // The file's bytes as they were indexed. Lookups read from here, so a
    // lookup costs no read of the file and always sees the indexed contents.
    QByteArray Data;
    // When the file was last found unchanged, and the process's write count
    // then (see GetIndex).
    qint64 CheckedAt = 0;
    quint64 CheckedWrites = 0;
    std::vector<TIndexedEntry> Entries;
    // Open addressing on the name hash: each used slot holds a hash and one
    // more than the last entry with it, whose Previous links lead to the others.
    struct TSlot {
        quint64 Hash;
        qint32 Last;
    };
    std::vector<TSlot> Slots;

    QByteArrayView Header(const TIndexedEntry& e) const { return QByteArrayView(Data.constData() + e.Start, e.HeaderLen); }
    QByteArrayView NameBytes(const TIndexedEntry& e) const { return HeaderName(Header(e)); }
    QString Name(const TIndexedEntry& e) const { return LineToString(NameBytes(e)); }
    QByteArrayView SourceValue(const TIndexedEntry& e) const;
    // The last entry whose name hash is h, or -1.
    qint32 LastWithHash(quint64 h) const
    {
        if (Slots.empty())
            return -1;
        const size_t mask = Slots.size() - 1;
        for (size_t i = size_t(h) & mask;; i = (i + 1) & mask) {
            const TSlot& slot = Slots[i];
            if (slot.Last == 0)
                return -1;
            if (slot.Hash == h)
                return slot.Last - 1;
        }
    }

    bool Same(const struct stat& st) const
    {
        return st.st_dev == Dev && st.st_ino == Ino && st.st_size == Size && st.st_mtim.tv_sec == MTime.tv_sec
            && st.st_mtim.tv_nsec == MTime.tv_nsec && st.st_ctim.tv_sec == CTime.tv_sec
            && st.st_ctim.tv_nsec == CTime.tv_nsec;
    }
};

using TIndexPtr = std::shared_ptr<TEntryIndex>;

// A few files at most are in use at a time: the open project's entry file
// and, in tests, some others.
constexpr size_t MaxIndexes = 4;
std::vector<TIndexPtr> gIndexes;

void Forget(const QString& path)
{
    for (auto it = gIndexes.begin(); it != gIndexes.end(); ++it)
        if ((*it)->Path == path) {
            gIndexes.erase(it);
            return;
        }
}

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// [start, end) of the indexed bytes.
QByteArrayView IndexedRange(const TEntryIndex& index, qint64 start, qint64 end)
{
    return QByteArrayView(index.Data.constData() + start, end - start);
}

QByteArrayView TEntryIndex::SourceValue(const TIndexedEntry& e) const
{
    return e.SourceLen > 7 ? QByteArrayView(Data.constData() + e.SourceStart + 7, e.SourceLen - 7) : QByteArrayView();
}

// The known sources share one string each.
QString SourceKeyOf(QByteArrayView value)
{
    for (const QString* known : KnownSources)
        if (value.size() == known->size() && QLatin1String(value.data(), value.size()) == *known)
            return *known;
    return Key(LineToString(value));
}

qint8 KnownSourceOf(const QString& key)
{
    for (size_t i = 0; i < std::size(KnownSources); ++i)
        if (key == *KnownSources[i])
            return qint8(i);
    return OtherSource;
}

// A hash of a name's Key, the same whether it is made from the stored bytes
// or from the text asked for (FNV-1a over the UTF-16 units).
struct TNameHasher {
    quint64 H = 14695981039346656037ull;
    void Add(char16_t u)
    {
        H = (H ^ (u & 0xFF)) * 1099511628211ull;
        H = (H ^ (u >> 8)) * 1099511628211ull;
    }
    // Mixed, so that the low bits the table uses depend on every unit: names
    // like "Q0001" to "Q5000" would otherwise crowd together.
    quint64 Value() const
    {
        quint64 x = H;
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdull;
        x ^= x >> 33;
        x *= 0xc4ceb9fe1a85ec53ull;
        x ^= x >> 33;
        return x;
    }
};

quint64 HashOfKey(QStringView key)
{
    TNameHasher h;
    for (QChar c : key)
        h.Add(c.unicode());
    return h.Value();
}

bool IsAscii(QByteArrayView b)
{
    for (char c : b)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

quint64 HashOfNameBytes(QByteArrayView name)
{
    if (!IsAscii(name))
        return HashOfKey(Key(LineToString(name)));
    TNameHasher h;
    for (char c : name)
        h.Add(char16_t(AsciiUpper(c)));
    return h.Value();
}

// Whether the stored name's Key is key (already a Key).
bool NameKeyIs(QByteArrayView name, QStringView key)
{
    if (!IsAscii(name))
        return Key(LineToString(name)) == key;
    if (name.size() != key.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (char16_t(AsciiUpper(name[i])) != key[i].unicode())
            return false;
    return true;
}

// Whether the stored name is exactly text.
bool NameIs(QByteArrayView name, QStringView text)
{
    if (!IsAscii(name))
        return LineToString(name) == text;
    if (name.size() != text.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (char16_t(name[i]) != text[i].unicode())
            return false;
    return true;
}

// Whether the entry's source is key (already a Key), known being
// KnownSourceOf(key).
bool SourceIs(const TEntryIndex& index, const TIndexedEntry& e, const QString& key, qint8 known)
{
    if (known != OtherSource || e.Source != OtherSource)
        return e.Source == known;
    return SourceKeyOf(index.SourceValue(e)) == key;
}

void AddEntry(TEntryIndex& index, const char* data, const TScannedEntry& s)
{
    TIndexedEntry e;
    e.Start = s.Start;
    e.HeaderLen = s.HeaderLen;
    e.SourceLen = s.SourceLen;
    e.SourceStart = s.SourceStart;
    e.BodyStart = s.BodyStart;
    e.TermStart = s.TermStart;
    e.End = s.End;
    e.Terminated = s.Terminated;
    const QByteArrayView header = s.Header(data);
    e.Bracketed = header.size() >= 2 && header.endsWith(']');
    e.IntroHeader = header.startsWith("[^INTRO");
    e.NameHash = HashOfNameBytes(HeaderName(header));
    const QByteArrayView source = s.SourceValue(data);
    e.Source = OtherSource;
    for (size_t i = 0; i < std::size(KnownSources) && e.Source == OtherSource; ++i)
        if (source.size() == KnownSources[i]->size()
            && QLatin1String(source.data(), source.size()) == *KnownSources[i])
            e.Source = qint8(i);
    if (e.Source == OtherSource)
        e.Source = KnownSourceOf(Key(LineToString(source)));

    const size_t mask = index.Slots.size() - 1;
    const qint32 self = qint32(index.Entries.size());
    for (size_t i = size_t(e.NameHash) & mask;; i = (i + 1) & mask) {
        TEntryIndex::TSlot& slot = index.Slots[i];
        if (slot.Last == 0 || slot.Hash == e.NameHash) {
            e.Previous = slot.Last - 1;
            slot.Hash = e.NameHash;
            slot.Last = self + 1;
            break;
        }
    }
    index.Entries.push_back(e);
}

TIndexPtr BuildIndex(const QString& path, const QByteArray& encoded)
{
    auto index = std::make_shared<TEntryIndex>();
    index->Path = path;
    index->EncodedPath = encoded;
    const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    index->Dev = st.st_dev;
    index->Ino = st.st_ino;
    index->Size = st.st_size;
    index->MTime = st.st_mtim;
    index->CTime = st.st_ctim;

    // One pass over the whole file, whose bytes the index keeps.
    QByteArray& buf = index->Data;
    buf.resize(qsizetype(st.st_size));
    qint64 readPos = 0;
    while (readPos < buf.size()) {
        const ssize_t got = ::read(fd, buf.data() + readPos, size_t(buf.size() - readPos));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            RaiseInOutError(Tr("read"), path, SystemReason(errno));
        if (got == 0)
            break;
        readPos += got;
    }
    buf.truncate(readPos);
    buf.squeeze();
    const std::vector<TScannedEntry> scanned = ScanEntries(buf.constData(), buf.size());
    // Whatever was read is what the index describes; if the file grew or
    // shrank meanwhile, the next lookup sees another size and rebuilds.
    index->Size = off_t(readPos);
    index->Entries.reserve(scanned.size());
    size_t slots = 16;
    while (slots < scanned.size() * 2)
        slots *= 2;
    index->Slots.assign(slots, TEntryIndex::TSlot {0, 0});
    for (const TScannedEntry& e : scanned)
        AddEntry(*index, buf.constData(), e);
    return index;
}

qint64 MonotonicNs()
{
    timespec t {};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Asking the system whether the file changed costs more than a lookup itself.
// An index found unchanged less than this long ago is trusted again without
// asking, unless this process has written a file since: its own changes are
// seen at once, another program's within this time. Another program's change
// is not ordered against our reads anyway, so this delay is no loss.
constexpr qint64 RecheckNs = 2 * 1000000LL;

void Move(qsizetype slot)
{
    if (slot > 0) {
        TIndexPtr found = gIndexes[size_t(slot)];
        gIndexes.erase(gIndexes.begin() + slot);
        gIndexes.insert(gIndexes.begin(), found);   // most recently used first
    }
}

// Where the index of this path is kept, or -1.
qsizetype SlotOf(const QString& path)
{
    for (size_t i = 0; i < gIndexes.size(); ++i)
        if (gIndexes[i]->Path == path)
            return qsizetype(i);
    return -1;
}

// The current index of the file, or null when the file does not exist.
TIndexPtr GetIndex(const QString& file)
{
    if (file.isEmpty())
        return nullptr;
    const quint64 writes = FileWriteCount();
    qsizetype slot = SlotOf(file);
    if (slot >= 0) {
        const TEntryIndex& known = *gIndexes[size_t(slot)];
        if (known.CheckedWrites == writes && MonotonicNs() - known.CheckedAt < RecheckNs) {
            Move(slot);
            return gIndexes.front();
        }
    }
    const qint64 checkedAt = MonotonicNs();
    // The name as given first: one system call for the common case.
    QString path = file;
    QByteArray encoded = slot >= 0 ? gIndexes[size_t(slot)]->EncodedPath : QFile::encodeName(path);
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
    if (slot >= 0) {
        TIndexPtr found = gIndexes[size_t(slot)];
        gIndexes.erase(gIndexes.begin() + slot);
        if (found->Same(st)) {
            found->CheckedAt = checkedAt;
            found->CheckedWrites = writes;
            gIndexes.insert(gIndexes.begin(), found);   // most recently used first
            return found;
        }
    }
    TIndexPtr fresh = BuildIndex(path, encoded);
    fresh->CheckedAt = checkedAt;
    fresh->CheckedWrites = writes;
    // File times advance in clock ticks of a few milliseconds: a same-size
    // rewrite within the tick of the last change would go unnoticed. An index
    // of a file changed that recently serves this call only.
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 ageNs = (qint64(now.tv_sec) - qint64(fresh->MTime.tv_sec)) * 1000000000LL
        + (qint64(now.tv_nsec) - qint64(fresh->MTime.tv_nsec));
    if (ageNs < 50 * 1000000LL)
        return fresh;
    gIndexes.insert(gIndexes.begin(), fresh);
    if (gIndexes.size() > MaxIndexes)
        gIndexes.pop_back();
    return fresh;
}

// Every line of [start, end) of the file as text.
void AppendLines(QStringList& out, QByteArrayView data)
{
    ForEachLine(data.constData(), data.size(), 0,
                [&](qint64, const char* p, qint64 n, qint64) { out.append(LineToString(p, n)); });
}

// The last entry with this name (compared by Key) whose source matches.
const TIndexedEntry* FindLast(const TEntryIndex& index, const QString& name, const QString& source)
{
    const QString sourceKey = Key(source);
    const qint8 known = KnownSourceOf(sourceKey);
    const QString nameKey = Key(name);
    for (qint32 k = index.LastWithHash(HashOfKey(nameKey)); k >= 0; k = index.Entries[size_t(k)].Previous) {
        const TIndexedEntry& e = index.Entries[size_t(k)];
        if (SourceIs(index, e, sourceKey, known) && NameKeyIs(index.NameBytes(e), nameKey))
            return &e;
    }
    return nullptr;
}

// The text of a text entry: its lines after "text=", without the terminator.
void AppendEntryText(const TEntryIndex& index, const TIndexedEntry& e, QStringList& text)
{
    if (e.BodyStart >= e.TermStart)
        return;
    const QByteArrayView body = IndexedRange(index, e.BodyStart, e.TermStart);
    bool first = true;   // line 2, "text=", is skipped
    ForEachLine(body.constData(), body.size(), 0, [&](qint64, const char* p, qint64 n, qint64) {
        if (first)
            first = false;
        else
            text.append(LineToString(p, n));
    });
}

// ---- writing ----------------------------------------------------------------

// One stored line: Windows-1252 and CR LF. A line break inside a value would
// split the entry, so it is stored as a space.
void PutLine(QByteArray& out, const QString& line)
{
    QByteArray b = StringToAnsi(line);
    for (char& c : b)
        if (c == '\r' || c == '\n')
            c = ' ';
    out += b;
    out += "\r\n";
}

QByteArray CommandEntryBytes(const QString& name, int typeCode, const QString& source, const QString& command)
{
    QByteArray out;
    PutLine(out, u'[' + name + u']');
    PutLine(out, QStringLiteral("source=") + source.toUpper());
    PutLine(out, QStringLiteral("type=") + QString::number(typeCode));
    PutLine(out, QStringLiteral("command=") + command);
    out += "]\r\n";
    return out;
}

QString FlagText(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

QByteArray DisplayEntryBytes(const QString& name, int typeCode, const QString& source, const QStringList& text,
                             const TEntryDisplay& d)
{
    QByteArray out;
    out.reserve(512 + text.size() * 80);
    PutLine(out, u'[' + name + u']');
    PutLine(out, QStringLiteral("source=") + source.toUpper());
    PutLine(out, QStringLiteral("type=") + QString::number(typeCode));
    PutLine(out, QStringLiteral("displaytype=") + QString::number(d.DisplayType.get()));
    PutLine(out, QStringLiteral("fullscreen=") + FlagText(d.FullScreen));
    PutLine(out, QStringLiteral("Sbackcolor=") + ColorToText(d.SBackColor.u()));
    PutLine(out, QStringLiteral("SGraphic=") + d.SGraphic.str());
    PutLine(out, QStringLiteral("SWallpaper=") + d.SWallpaper.str());
    PutLine(out, QStringLiteral("VPBack=") + ColorToText(d.VPBack.u()));
    PutLine(out, QStringLiteral("VPLeft=") + QString::number(d.VPLeft.get()));
    PutLine(out, QStringLiteral("VPTop=") + QString::number(d.VPTop.get()));
    PutLine(out, QStringLiteral("VPWidth=") + QString::number(d.VPWidth.get()));
    PutLine(out, QStringLiteral("VPHeight=") + QString::number(d.VPHeight.get()));
    PutLine(out, QStringLiteral("RLTop=") + QString::number(d.RLTop.get()));
    PutLine(out, QStringLiteral("RLLeft=") + QString::number(d.RLLeft.get()));
    PutLine(out, QStringLiteral("print=") + FlagText(d.Print));
    out += "text=\r\n";
    for (const QString& line : text)
        PutLine(out, line);
    out += "]\r\n";
    return out;
}

QByteArray TextEntryBytes(const QString& header, const QString& source, const QStringList& text)
{
    QByteArray out;
    out.reserve(64 + text.size() * 80);
    PutLine(out, header);
    PutLine(out, QStringLiteral("source=") + source);
    out += "text=\r\n";
    for (const QString& line : text)
        PutLine(out, line);
    out += "]\r\n";
    return out;
}

// Writes all of data at offset; 0, or the errno of the failure.
int WriteAt(int fd, const char* data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t put = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0)
            return ENOSPC;
        data += put;
        size -= put;
        offset += put;
    }
    return 0;
}

// Appends to the file, creating it. The new tail is written unbuffered with
// every size checked; a failed write is undone (the file cut back to its old
// length, a file made for it removed), so the file never holds half an
// entry. A last line without its line end gets one first.
void AppendBytes(const QString& file, QByteArray bytes)
{
    NoteFileWritten();
    const QString path = ResolveCase(file);
    Forget(path);
    const QByteArray encoded = QFile::encodeName(path);
    bool created = false;
    int fd = ::open(encoded.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = fd >= 0;
    }
    if (fd < 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        RaiseInOutError(Tr("open"), path, SystemReason(errno));
    if (!S_ISREG(st.st_mode))
        RaiseInOutError(Tr("write"), path, Tr("It is not a plain file."));
    const qint64 size = st.st_size;
    if (size > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, off_t(size - 1)) != 1)
            RaiseInOutError(Tr("read"), path, SystemReason(errno));
        if (last != '\n')
            bytes.prepend("\r\n");
    }
    const int error = WriteAt(fd, bytes.constData(), bytes.size(), size);
    if (error != 0) {
        if (created)
            ::unlink(encoded.constData());
        else if (::ftruncate(fd, off_t(size)) != 0) {
            // Nothing more can be done; the error below still reports the write.
        }
        RaiseInOutError(Tr("write"), path, SystemReason(error));
    }
    Forget(path);
}

// ---- whole-file rewrites ----------------------------------------------------

struct TImage {
    QString Path;
    QByteArray Data;
    std::vector<TScannedEntry> Entries;
};

TImage LoadImage(const QString& file)
{
    TImage im;
    im.Path = ResolveCase(file);
    im.Data = ReadWholeFile(im.Path);
    im.Entries = ScanEntries(im.Data.constData(), im.Data.size());
    return im;
}

// True when the line at pos is empty; next is the offset after it.
bool EmptyLineAt(const QByteArray& data, qint64 pos, qint64& next)
{
    if (pos < data.size() && data[pos] == '\n') {
        next = pos + 1;
        return true;
    }
    if (pos < data.size() && data[pos] == '\r') {
        if (pos + 1 == data.size()) {
            next = pos + 1;
            return true;
        }
        if (data[pos + 1] == '\n') {
            next = pos + 2;
            return true;
        }
    }
    return false;
}

bool HasNonEmptyLine(const QByteArray& data)
{
    for (char c : data)
        if (c != '\r' && c != '\n')
            return true;
    return false;
}

// Writes the new content through a temporary file renamed into place, or
// deletes the file when nothing but empty lines would be left.
void StoreImage(const TImage& im, const QByteArray& data, bool removeWhenEmpty)
{
    NoteFileWritten();
    Forget(im.Path);
    if (removeWhenEmpty && !HasNonEmptyLine(data)) {
        QFile f(im.Path);
        if (!f.remove())
            RaiseInOutError(Tr("delete"), im.Path, f.errorString());
    } else {
        SaveWholeFile(im.Path, data);
    }
    Forget(im.Path);
}

bool Matches(const char* data, const TScannedEntry& e, const QString& nameKey, const QString& sourceKey)
{
    return Key(LineToString(HeaderName(e.Header(data)))) == nameKey && SourceKeyOf(e.SourceValue(data)) == sourceKey;
}

// Replaces (or, with an empty replacement and remove, deletes) every entry
// (name, source) together with the empty line after it; a replacement is
// followed by one empty line. Leaves the file alone when nothing matched.
void RewriteEntries(const QString& file, const QString& name, const QString& source, const QByteArray* replacement)
{
    const TImage im = LoadImage(file);
    const QString nameKey = Key(name), sourceKey = Key(source);
    QByteArray out;
    out.reserve(im.Data.size() + (replacement ? replacement->size() : 0));
    qint64 pos = 0;
    bool matched = false;
    for (const TScannedEntry& e : im.Entries) {
        if (!Matches(im.Data.constData(), e, nameKey, sourceKey))
            continue;
        matched = true;
        out.append(im.Data.constData() + pos, e.Start - pos);
        if (replacement) {
            out += *replacement;
            out += "\r\n";
        }
        pos = e.End;
        qint64 next;
        if (e.Terminated && EmptyLineAt(im.Data, pos, next))
            pos = next;
    }
    if (!matched)
        return;
    out.append(im.Data.constData() + pos, im.Data.size() - pos);
    StoreImage(im, out, true);
}

// Replaces every entry that the predicate picks with the new entry, keeping
// what follows it; when no empty line follows, one is added.
template <class Pred>
void ReplaceTextEntries(const QString& file, const QByteArray& replacement, Pred pick)
{
    const TImage im = LoadImage(file);
    QByteArray out;
    out.reserve(im.Data.size() + replacement.size());
    qint64 pos = 0;
    bool matched = false;
    for (const TScannedEntry& e : im.Entries) {
        if (!pick(im.Data.constData(), e))
            continue;
        matched = true;
        out.append(im.Data.constData() + pos, e.Start - pos);
        out += replacement;
        pos = e.End;
        qint64 next;
        if (!EmptyLineAt(im.Data, pos, next))
            out += "\r\n";
    }
    if (!matched)
        return;
    out.append(im.Data.constData() + pos, im.Data.size() - pos);
    StoreImage(im, out, false);
}

bool IsIntroEntry(const char* data, const TScannedEntry& e)
{
    return e.Header(data).startsWith("[^INTRO") && SourceKeyOf(e.SourceValue(data)) == SourceIntro;
}

bool IsQuestionEntry(const char* data, const TScannedEntry& e, const QByteArray& header)
{
    return e.Header(data) == header && SourceKeyOf(e.SourceValue(data)) == SourceQuest;
}

const TIndexedEntry* FindLastIntro(const TEntryIndex& index)
{
    const qint8 intro = KnownSourceOf(SourceIntro);
    for (auto k = index.Entries.rbegin(); k != index.Entries.rend(); ++k)
        if (k->IntroHeader && k->Source == intro)
            return &*k;
    return nullptr;
}

// ---- conversions ------------------------------------------------------------

struct TColourName {
    const char* Name;
    quint32 Value;
};

const TColourName ColourNames[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000}, {"clBackground", 0x80000001}, {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003}, {"clMenu", 0x80000004}, {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006}, {"clMenuText", 0x80000007}, {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009}, {"clActiveBorder", 0x8000000A}, {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C}, {"clHighlight", 0x8000000D}, {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F}, {"clBtnShadow", 0x80000010}, {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012}, {"clInactiveCaptionText", 0x80000013}, {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015}, {"cl3DLight", 0x80000016}, {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018}, {"clNone", 0x1FFFFFFF},
};

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

void PutLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    out.append(b, 4);
}

// A string[N] field: length byte, the text cut to N bytes, zeros after it.
void PutShort(QByteArray& out, const QByteArray& text, int capacity)
{
    const int n = int(std::min<qsizetype>(text.size(), capacity));
    out.append(char(quint8(n)));
    out.append(text.constData(), n);
    out.append(QByteArray(capacity - n, '\0'));
}

// The name of what out writes, for messages: the one given, or a file's own.
QString OutputName(QIODevice& out, const QString& given)
{
    if (!given.isEmpty())
        return given;
    const auto* fd = qobject_cast<QFileDevice*>(&out);
    return fd ? fd->fileName() : QString();
}

void Write(QIODevice& out, const QByteArray& data, const QString& name)
{
    if (out.write(data) != data.size())
        RaiseInOutError(Tr("write"), OutputName(out, name), out.errorString());
}

} // namespace

// ---- listing and reading ----------------------------------------------------

bool EntrySourceExists(const QString& file, const QString& source)
{
    const TIndexPtr index = GetIndex(file);
    if (!index)
        return false;
    const QString key = Key(source);
    const qint8 known = KnownSourceOf(key);
    for (const TIndexedEntry& e : index->Entries)
        if (SourceIs(*index, e, key, known))
            return true;
    return false;
}

void ListEntryNames(QStringList& names, const QString& file, const QString& source)
{
    const TIndexPtr index = GetIndex(file);
    if (!index)
        return;
    const QString key = Key(source);
    const qint8 known = KnownSourceOf(key);
    for (const TIndexedEntry& e : index->Entries)
        if (SourceIs(*index, e, key, known))
            names.append(index->Name(e));
}

bool ReadEntry(const QString& file, const QString& name, const QString& source, QStringList& lines)
{
    lines.clear();
    const TIndexPtr index = GetIndex(file);
    if (!index)
        return false;
    const TIndexedEntry* e = FindLast(*index, name, source);
    if (!e)
        return false;
    lines.append(index->Name(*e));
    AppendLines(lines, IndexedRange(*index, e->SourceStart, e->End));
    // An entry cut short (no terminator) reads as if it had one, as its
    // compiled form does.
    if (!e->Terminated)
        lines.append(QStringLiteral("]"));
    return true;
}

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

bool EntryNameTaken(const QString& file, const QString& newName, const QString& oldName, const QString& source)
{
    if (Key(newName) == Key(oldName))
        return false;
    const TIndexPtr index = GetIndex(file);
    return index && FindLast(*index, newName, source) != nullptr;
}

bool ReadIntroEntry(const QString& file, QStringList& text)
{
    const TIndexPtr index = GetIndex(file);
    if (!index)
        return false;
    const TIndexedEntry* e = FindLastIntro(*index);
    if (!e)
        return false;
    AppendEntryText(*index, *e, text);
    return true;
}

bool ReadQuestionEntry(const QString& file, const QString& identifier, QStringList& text)
{
    const TIndexPtr index = GetIndex(file);
    if (!index)
        return false;
    // The header must be exactly "[" + identifier + "]" and the source QUEST:
    // a hyperlink named like the identifier is another entry.
    const qint8 quest = KnownSourceOf(SourceQuest);
    for (qint32 k = index->LastWithHash(HashOfKey(Key(identifier))); k >= 0; k = index->Entries[size_t(k)].Previous) {
        const TIndexedEntry& e = index->Entries[size_t(k)];
        if (e.Bracketed && e.Source == quest && NameIs(index->NameBytes(e), identifier)) {
            AppendEntryText(*index, e, text);
            return true;
        }
    }
    return false;
}

// ---- appending --------------------------------------------------------------

void AppendCommandEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QString& command)
{
    AppendBytes(file, CommandEntryBytes(name, typeCode, source, command) + "\r\n");
}

void AppendDisplayEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QStringList& text, const TEntryDisplay& display)
{
    AppendBytes(file, DisplayEntryBytes(name, typeCode, source, text, display) + "\r\n");
}

void AppendIntroEntry(const QString& file, const QStringList& text)
{
    AppendBytes(file, TextEntryBytes(QStringLiteral("[^INTRODUCTION^]"), SourceIntro, text) + "\r\n");
}

void AppendQuestionEntry(const QString& file, const QString& identifier, const QStringList& text)
{
    AppendBytes(file, TextEntryBytes(u'[' + identifier + u']', SourceQuest, text) + "\r\n");
}

// ---- rewriting --------------------------------------------------------------

void ReplaceCommandEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QString& command, int typeCode)
{
    const QByteArray entry = CommandEntryBytes(newName, typeCode, source, command);
    RewriteEntries(file, oldName, source, &entry);
}

void ReplaceDisplayEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QStringList& text, const TEntryDisplay& display,
                         int typeCode)
{
    const QByteArray entry = DisplayEntryBytes(newName, typeCode, source, text, display);
    RewriteEntries(file, oldName, source, &entry);
}

void DeleteEntry(const QString& file, const QString& name, const QString& source)
{
    if (!QFileInfo(ResolveCase(file)).isFile())
        return;
    RewriteEntries(file, name, source, nullptr);
}

void ReplaceIntroEntry(const QString& file, const QStringList& text)
{
    ReplaceTextEntries(file, TextEntryBytes(QStringLiteral("[^INTRODUCTION^]"), SourceIntro, text),
                       [](const char* data, const TScannedEntry& e) { return IsIntroEntry(data, e); });
}

void ReplaceQuestionEntry(const QString& file, const QString& identifier, const QStringList& text)
{
    const QString header = u'[' + identifier + u']';
    QByteArray headerBytes = StringToAnsi(header);
    for (char& c : headerBytes)
        if (c == '\r' || c == '\n')
            c = ' ';
    ReplaceTextEntries(file, TextEntryBytes(header, SourceQuest, text),
                       [&](const char* data, const TScannedEntry& e) { return IsQuestionEntry(data, e, headerBytes); });
}

void ConvertEntryCommands(const QString& file)
{
    if (!QFileInfo(ResolveCase(file)).isFile())
        return;
    TImage im = LoadImage(file);
    QByteArray data = im.Data;
    bool changed = false;
    for (const TScannedEntry& e : im.Entries) {
        // Lines 2 and 3 of the entry: the type line and the command line.
        qint64 typeStart = -1, typeLen = 0, cmdStart = -1, cmdLen = 0;
        int line = 0;
        ForEachLine(im.Data.constData() + e.BodyStart, e.TermStart - e.BodyStart, e.BodyStart,
                    [&](qint64 s, const char*, qint64 n, qint64) {
                        if (line == 0) {
                            typeStart = s;
                            typeLen = n;
                        } else if (line == 1) {
                            cmdStart = s;
                            cmdLen = n;
                        }
                        ++line;
                    });
        if (typeStart < 0 || cmdStart < 0)
            continue;
        const QByteArrayView type(im.Data.constData() + typeStart, typeLen);
        int spaces = type == QByteArrayView("type=2") ? 1 : type == QByteArrayView("type=6") ? 2 : 0;
        for (qint64 i = cmdStart; i < cmdStart + cmdLen && spaces > 0; ++i)
            if (data[i] == ' ') {
                data[i] = ',';
                --spaces;
                changed = true;
            }
    }
    if (changed)
        StoreImage(im, data, false);
}

// ---- compiling --------------------------------------------------------------

bool WriteCompiledEntryBlock(const QString& file, QIODevice& out, const QString& outName)
{
    const QString path = ResolveCase(file);
    if (!QFileInfo(path).isFile())
        return false;
    // One sequential pass: the file in memory, the block written out in
    // pieces of about a megabyte.
    const QByteArray in = ReadWholeFile(path);
    const char* data = in.constData();
    const std::vector<TScannedEntry> entries = ScanEntries(data, in.size());

    const qint64 base = out.pos();
    QByteArray buf;
    constexpr qsizetype Flush = 1 << 20;
    buf.reserve(Flush + 64 * 1024);
    PutShort(buf, "XR1", 4);
    PutLe32(buf, 0);
    PutLe32(buf, 0);
    QByteArray records;
    records.reserve(qsizetype(entries.size()) * 80);
    qint64 pos = 13;
    for (const TScannedEntry& e : entries) {
        const qsizetype before = buf.size();
        const QByteArrayView header = e.Header(data);
        const QByteArrayView value = e.SourceValue(data);
        const QByteArrayView bare = value.first(std::min<qsizetype>(value.size(), 10));
        buf.append(header.data(), header.size());
        buf += "\r\n";
        buf.append(bare.data(), bare.size());
        buf += "\r\n";
        // Body lines, each ended by CR LF. A run whose lines all end in CR LF
        // already has that form and is copied as it is.
        const qint64 bodyLen = e.TermStart - e.BodyStart;
        if (bodyLen > 0) {
            const char* body = data + e.BodyStart;
            bool plain = body[bodyLen - 1] == '\n';
            for (const char* nl = body; plain;) {
                nl = static_cast<const char*>(std::memchr(nl, '\n', size_t(body + bodyLen - nl)));
                if (!nl)
                    break;
                if (nl == body || nl[-1] != '\r')
                    plain = false;
                ++nl;
            }
            if (plain) {
                buf.append(body, bodyLen);
            } else {
                ForEachLine(body, bodyLen, 0, [&](qint64, const char* p, qint64 n, qint64) {
                    buf.append(p, n);
                    buf += "\r\n";
                });
            }
        }
        const qint64 size = buf.size() - before;
        PutShort(records, header.toByteArray(), 60);
        PutLe32(records, quint32(pos));
        PutLe32(records, quint32(size));
        PutShort(records, bare.toByteArray(), 10);
        pos += size;
        if (buf.size() >= Flush) {
            Write(out, buf, outName);
            buf.clear();
        }
    }
    buf += records;
    Write(out, buf, outName);
    if (!entries.empty()) {
        const qint64 end = out.pos();
        QByteArray counts;
        PutLe32(counts, quint32(entries.size()));
        PutLe32(counts, quint32(pos));
        if (!out.seek(base + 5))
            RaiseInOutError(Tr("write"), OutputName(out, outName), out.errorString());
        Write(out, counts, outName);
        if (!out.seek(end))
            RaiseInOutError(Tr("write"), OutputName(out, outName), out.errorString());
    }
    return true;
}

bool CompileEntryFile(const QString& file, const QString& extension)
{
    const QString path = ResolveCase(file);
    if (!QFileInfo(path).isFile())
        return false;
    const QString target = QFileInfo(path).dir().filePath(BaseName(file) + u'.' + extension);
    // The compiled block is made again from the entry file whenever needed.
    TSaveFile out(target, TSaveFile::Rebuildable);
    out.Open();
    if (!WriteCompiledEntryBlock(path, out.Device(), target))
        return false;   // removed meanwhile; the temporary file goes with out
    out.Commit();
    return true;
}

void ForgetEntryIndexes() { gIndexes.clear(); }

// ---- colours ----------------------------------------------------------------

QString ColorToText(quint32 colour)
{
    for (const TColourName& c : ColourNames)
        if (c.Value == colour)
            return QString::fromLatin1(c.Name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}

quint32 TextToColor(const QString& text)
{
    for (const TColourName& c : ColourNames)
        if (text.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0)
            return c.Value;
    int v;
    if (!TryStrToInt(text, v))
        throw EConvertError(Tr("'%1' is not a valid colour value").arg(text));
    return quint32(v);
}
