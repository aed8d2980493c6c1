#include "model/fileutil.h"

#include "model/errors.h"
#include "model/processvalues.h"
#include "model/savefile.h"
#include "model/testconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("FileUtil", text); }

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

QIODevice* gAppendOutput = nullptr;

} // namespace

QString BaseName(const QString& path)
{
    qsizetype cut = -1;
    for (qsizetype i = 0; i < path.size(); ++i)
        if (path[i] == u'/' || path[i] == u'\\')
            cut = i;
    QString name = path.mid(cut + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

bool TryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    quint64 acc = 0;
    for (; i < n; ++i) {
        const int d = hex ? HexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - '0' : -1);
        if (d < 0)
            return false;
        acc = acc * (hex ? 16 : 10) + quint64(d);
        if (acc > 0xFFFFFFFFull)
            return false;
    }
    qint64 v;
    if (hex) {
        // Hex digits give the 32-bit pattern, as the platform's conversion does.
        v = qint32(quint32(acc));
        if (negative) v = -v;
        if (v > INT32_MAX || v < INT32_MIN) return false;
    } else {
        v = negative ? -qint64(acc) : qint64(acc);
        if (v > INT32_MAX || v < INT32_MIN)
            return false;
    }
    value = int(v);
    return true;
}

bool IsInteger(const QString& text)
{
    int v;
    return TryStrToInt(text, v);
}

int StrToInt(const QString& text)
{
    int v;
    if (!TryStrToInt(text, v))
        throw EConvertError(Tr("'%1' is not a valid integer value").arg(text));
    return v;
}

bool IsValidFileName(const QString& text)
{
    static const QString bad = QStringLiteral("\"*+,/:;<=>?[]|");
    for (QChar c : text)
        if (bad.contains(c))
            return false;
    return true;
}

bool HasAttributes(const QString& path, int attributes)
{
    QFileInfo fi(ResolveCase(path));
    if (!fi.exists())
        return false;
    int have = 0;
    if (fi.isDir()) have |= faDirectory;
    if (!fi.isWritable()) have |= faReadOnly;
    if (fi.isHidden()) have |= faHidden;
    if (fi.isFile()) have |= faArchive;
    return (have & attributes) == attributes;
}

bool SameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0)
        return false;
    if (::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

namespace {

// The permission bits of the file copied: a copy of a program is a program.
unsigned SourceMode(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0644;
    return unsigned(st.st_mode & 0777);
}

} // namespace

int CopyFile(const QString& source, const QString& target)
{
    if (source == target)
        return 1;
    const QString src = ResolveCase(source);
    const QString dst = ResolveCase(target);
    // Two texts can name one file; replacing the target would replace the source.
    if (SameFile(src, dst))
        return 1;
    QFile in(src);
    if (!QFileInfo(src).isFile() || !in.open(QIODevice::ReadOnly))
        return 2;
    // The copy is made beside the target and replaces it only when whole: a
    // full disk leaves the old target as it was.
    TSaveFile out(dst);
    out.SetMode(SourceMode(src));
    try {
        out.Open();
    } catch (const EInOutError&) {
        return 3;
    }
    try {
        out.WriteFrom(in, src);
        out.Commit();
    } catch (const EInOutError&) {
        if (in.error() != QFileDevice::NoError)
            throw;
        return 4;
    }
    return 0;
}

void CopyFileTo(const QString& source, const QString& target)
{
    const QString src = ResolveCase(source);
    QString dst = QFileInfo(ResolveCase(target)).absoluteFilePath();
    if (QFileInfo(dst).isDir())
        dst = ResolveCase(QDir(dst).filePath(QFileInfo(src).fileName()));
    QFile in(src);
    if (!QFileInfo(src).isFile() || !in.open(QIODevice::ReadOnly))
        throw EInOutError(Tr("Cannot open file %1").arg(source));
    if (SameFile(src, dst))
        throw EInOutError(Tr("Cannot create file %1").arg(dst) + QStringLiteral("\n")
                          + Tr("It is the file being copied."));
    TSaveFile out(dst);
    out.SetMode(SourceMode(src));
    out.Open();
    out.WriteFrom(in, src);
    out.Commit();
}

void SetAppendOutput(QIODevice* output) { gAppendOutput = output; }

namespace {
void ResetAppendOutput() { SetAppendOutput(nullptr); }
} // namespace
QUENDRA_RESET_ROUTINE(ResetAppendOutput)
QIODevice* AppendOutput() { return gAppendOutput; }

int AppendFileToOutput(const QString& path)
{
    QFile in(ResolveCase(path));
    if (!in.open(QIODevice::ReadOnly))
        return 2;
    if (!gAppendOutput)
        return 4;
    char buffer[2048];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            RaiseInOutError(Tr("read"), path, in.errorString());
        if (got == 0)
            return 0;
        if (gAppendOutput->write(buffer, got) != got)
            return 4;
    }
}

namespace {

// The shell's wildcard match: "*" any run, "?" one character, every other
// character literal, letter case ignored; a pattern ending in ".*" also
// matches the name without any extension ("README.*" finds "readme").
QRegularExpression WildcardPattern(const QString& pattern)
{
    QString body = pattern;
    bool optionalExtension = false;
    if (body.endsWith(QStringLiteral(".*"))) {
        body.chop(2);
        optionalExtension = true;
    }
    QString re;
    for (QChar c : body) {
        if (c == u'*')
            re += QStringLiteral(".*");
        else if (c == u'?')
            re += u'.';
        else
            re += QRegularExpression::escape(QString(c));
    }
    if (optionalExtension)
        re += QStringLiteral("(\\..*)?");
    return QRegularExpression(QRegularExpression::anchoredPattern(re),
                              QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

QStringList MatchesInProjectDir(const QString& pattern)
{
    QString dirPart, namePart = pattern;
    const qsizetype cut = std::max(pattern.lastIndexOf(u'/'), pattern.lastIndexOf(u'\\'));
    if (cut >= 0) {
        dirPart = pattern.left(cut + 1);
        namePart = pattern.mid(cut + 1);
    }
    QDir dir(ResolveCase(ProjectDir + dirPart));
    if (ProjectDir.isEmpty() && dirPart.isEmpty())
        dir = QDir::current();
    const QRegularExpression re = WildcardPattern(namePart);
    QStringList out;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                              QDir::Name | QDir::IgnoreCase);
    for (const QString& e : entries)
        if (re.match(e).hasMatch())
            out << e;
    return out;
}

} // namespace

bool FindProjectFile(const QString& pattern, QString& name)
{
    const QStringList m = MatchesInProjectDir(pattern);
    if (m.isEmpty())
        return false;
    name = m.first();
    return true;
}

bool FindProjectFileEither(const QString& pattern1, const QString& pattern2, QString& name)
{
    QStringList m = MatchesInProjectDir(pattern1);
    if (m.isEmpty())
        m = MatchesInProjectDir(pattern2);
    if (m.isEmpty())
        return false;
    if (name.isEmpty())
        name = m.first();
    return true;
}

QString SplitFirstWord(QString& text)
{
    const qsizetype sp = text.indexOf(u' ');
    if (sp < 0)
        return QString();
    const QString word = text.left(sp);
    text = text.mid(sp + 1);
    return word;
}

QString ResolveCase(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    QString p = path;
    p.replace(u'\\', u'/');
    if (QFileInfo::exists(p))
        return p;
    const bool absolute = p.startsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    auto join = [](const QString& dir, const QString& name) {
        if (dir.isEmpty())
            return name;
        return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
    };
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString candidate = join(current, part);
        if (!QFileInfo::exists(candidate) && part != u"." && part != u"..") {
            const QString base = current.isEmpty() ? QStringLiteral(".") : current;
            QString found;
            int count = 0;
            // Every name of the folder, read without sorting or looking at
            // each entry (this runs for every file about to be created).
            if (DIR* dir = ::opendir(QFile::encodeName(base).constData())) {
                while (const dirent* d = ::readdir(dir)) {
                    if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0)
                        continue;
                    const QString e = QFile::decodeName(d->d_name);
                    if (e.compare(part, Qt::CaseInsensitive) == 0) {
                        found = e;
                        ++count;
                    }
                }
                ::closedir(dir);
            }
            if (count != 1) {
                // Nothing (or more than one entry) matches: keep the
                // directories found so far and the rest as given, so that a
                // new file is created in the real directory.
                for (qsizetype j = i + 1; j < parts.size(); ++j)
                    candidate = join(candidate, parts[j]);
                current = candidate;
                break;
            }
            candidate = join(current, found);
        }
        current = candidate;
    }
    if (p.endsWith(u'/') && !current.endsWith(u'/'))
        current += u'/';
    return current;
}

void FontFromText(const QString& text, TFontDesc& font)
{
    QString rest = text;
    const QString size = SplitFirstWord(rest);
    const QString colour = SplitFirstWord(rest);
    const QString style = SplitFirstWord(rest);
    font.Size = StrToInt(size);
    font.Color = quint32(StrToInt(colour));
    font.Style = StrToInt(style);
    font.Name = rest;
}

QString FontToText(const TFontDesc& font)
{
    // The colour is written as the signed 32-bit value it is stored as, so
    // that system colours (high bit set) read back.
    return QStringLiteral("%1 %2 %3 %4").arg(font.Size).arg(qint32(font.Color)).arg(font.Style).arg(font.Name);
}

void RaiseInOutError(const QString& what, const QString& file, const QString& reason)
{
    throw EInOutError(Tr("Cannot %1 file %2\n%3").arg(what, QDir::toNativeSeparators(file), reason));
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile f(ResolveCase(path));
    if (!f.open(QIODevice::ReadOnly))
        RaiseInOutError(Tr("open"), path, f.errorString());
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        RaiseInOutError(Tr("read"), path, f.errorString());
    return data;
}

void WriteWholeFile(const QString& path, const QByteArray& data)
{
    SaveWholeFile(path, data);
}

int WriteAllAt(int fd, const char* data, qint64 size, qint64 offset)
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

QByteArray ReadAllFrom(QIODevice& in, const QString& what)
{
    QByteArray data;
    if (!in.isSequential())
        data.reserve(qsizetype(std::max<qint64>(in.size() - in.pos(), 0)));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            RaiseInOutError(Tr("read"), what, in.errorString());
        if (got == 0)
            return data;
        data.append(buffer, got);
    }
}
