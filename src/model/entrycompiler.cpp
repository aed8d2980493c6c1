// The entry compiler: the compiled entry block of an entry file, as the
// compiled test and the runtime programs hold it.
#include "model/entryfile.h"

#include "model/entrylines.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>
#include <vector>

using namespace EntryLines;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EntryFile", text); }

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

// ---- compiling --------------------------------------------------------------

namespace {

// One sequential pass over the entry file's bytes: the block is written out
// in pieces of about a megabyte.
void WriteBlock(const QByteArray& in, QIODevice& out, const QString& outName)
{
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
}

} // namespace

bool WriteCompiledEntryBlock(const QString& file, QIODevice& out, const QString& outName)
{
    const QString path = ResolveCase(file);
    if (!QFileInfo(path).isFile())
        return false;
    WriteBlock(ReadWholeFile(path), out, outName);
    return true;
}

void WriteCompiledEntryBlock(QIODevice& in, const QString& inName, QIODevice& out, const QString& outName)
{
    WriteBlock(ReadAllFrom(in, inName), out, outName);
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

