// The entry file's writers: appends, replacements, deletions and the
// conversion of earlier command formats. Every rewrite goes through the save
// helper; an append that fails is undone.
#include "model/entryfile.h"

#include "model/entrylines.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace EntryLines;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EntryFile", text); }

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// The source's Key as the scanner found it.
QString SourceKeyOf(QByteArrayView value) { return Key(LineToString(value)); }

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


// Appends to the file, creating it. The new tail is written unbuffered with
// every size checked; a failed write is undone (the file cut back to its old
// length, a file made for it removed), so the file never holds half an
// entry. A last line without its line end gets one first.
void AppendBytes(const QString& file, QByteArray bytes)
{
    const QString path = ResolveCase(file);
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
    const int error = WriteAllAt(fd, bytes.constData(), bytes.size(), size);
    if (error != 0) {
        if (created)
            ::unlink(encoded.constData());
        else if (::ftruncate(fd, off_t(size)) != 0) {
            // Nothing more can be done; the error below still reports the write.
        }
        RaiseInOutError(Tr("write"), path, SystemReason(error));
    }
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
    if (removeWhenEmpty && !HasNonEmptyLine(data)) {
        QFile f(im.Path);
        if (!f.remove())
            RaiseInOutError(Tr("delete"), im.Path, f.errorString());
    } else {
        SaveWholeFile(im.Path, data);
    }
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

} // namespace

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

