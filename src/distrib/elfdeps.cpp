#include "distrib/elfdeps.h"

#include <QFile>

#include <cstring>
#include <vector>

namespace {

constexpr quint32 PtLoad = 1, PtDynamic = 2;
constexpr quint64 DtNull = 0, DtNeeded = 1, DtStrTab = 5, DtStrSz = 10, DtSoName = 14,
                  DtRPath = 15, DtRunPath = 29;

// Little-endian fields of a byte block, each read checked against its size.
struct TBytes {
    QByteArray Data;
    bool Fits(quint64 at, quint64 n) const { return at <= quint64(Data.size()) && n <= quint64(Data.size()) - at; }
    quint64 Get(quint64 at, int n) const
    {
        quint64 v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | quint8(Data[qsizetype(at) + i]);
        return v;
    }
};

bool ReadAt(QFile& f, quint64 offset, quint64 size, TBytes& out)
{
    if (size > 64u * 1024 * 1024 || offset > quint64(f.size()) || size > quint64(f.size()) - offset)
        return false;
    if (!f.seek(qint64(offset)))
        return false;
    out.Data = f.read(qint64(size));
    return quint64(out.Data.size()) == size;
}

struct TSegment { quint64 Offset, VAddr, FileSize; };

} // namespace

TElfDynamic ReadElfDynamic(const QString& path)
{
    TElfDynamic result;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return result;
    TBytes head;
    if (!ReadAt(f, 0, 64, head) || std::memcmp(head.Data.constData(), "\x7f" "ELF", 4) != 0)
        return result;
    const int cls = quint8(head.Data[4]);
    if ((cls != 1 && cls != 2) || quint8(head.Data[5]) != 1)   // little-endian only
        return result;
    const bool is64 = cls == 2;
    result.Class = cls;
    result.Machine = int(head.Get(18, 2));
    const quint64 phoff = is64 ? head.Get(32, 8) : head.Get(28, 4);
    const quint64 phentsize = head.Get(is64 ? 54 : 42, 2);
    const quint64 phnum = head.Get(is64 ? 56 : 44, 2);
    if (phentsize < (is64 ? 56u : 32u))
        return result;
    TBytes ph;
    if (!ReadAt(f, phoff, phentsize * phnum, ph))
        return result;

    std::vector<TSegment> loads;
    quint64 dynOffset = 0, dynSize = 0;
    bool haveDynamic = false;
    for (quint64 i = 0; i < phnum; ++i) {
        const quint64 at = i * phentsize;
        const quint32 type = quint32(ph.Get(at, 4));
        const quint64 offset = is64 ? ph.Get(at + 8, 8) : ph.Get(at + 4, 4);
        const quint64 vaddr = is64 ? ph.Get(at + 16, 8) : ph.Get(at + 8, 4);
        const quint64 filesz = is64 ? ph.Get(at + 32, 8) : ph.Get(at + 16, 4);
        if (type == PtLoad)
            loads.push_back({offset, vaddr, filesz});
        else if (type == PtDynamic) {
            dynOffset = offset;
            dynSize = filesz;
            haveDynamic = true;
        }
    }
    if (!haveDynamic) {
        // A static program: valid, and it needs nothing.
        result.Valid = true;
        return result;
    }
    TBytes dyn;
    if (!ReadAt(f, dynOffset, dynSize, dyn))
        return result;
    const quint64 entrySize = is64 ? 16 : 8;
    quint64 strtab = 0, strsz = 0;
    bool haveStrtab = false;
    std::vector<std::pair<quint64, quint64>> tags;   // (tag, string offset)
    for (quint64 at = 0; at + entrySize <= quint64(dyn.Data.size()); at += entrySize) {
        const quint64 tag = dyn.Get(at, is64 ? 8 : 4);
        const quint64 val = dyn.Get(at + entrySize / 2, is64 ? 8 : 4);
        if (tag == DtNull)
            break;
        if (tag == DtStrTab) {
            strtab = val;
            haveStrtab = true;
        } else if (tag == DtStrSz) {
            strsz = val;
        } else if (tag == DtNeeded || tag == DtSoName || tag == DtRPath || tag == DtRunPath) {
            tags.emplace_back(tag, val);
        }
    }
    if (!haveStrtab)
        return result;
    // The string table is given as an address: find it in the loaded segments.
    quint64 strOffset = 0;
    bool mapped = false;
    for (const TSegment& s : loads)
        if (strtab >= s.VAddr && strtab - s.VAddr < s.FileSize) {
            strOffset = s.Offset + (strtab - s.VAddr);
            if (strsz == 0 || strsz > s.FileSize - (strtab - s.VAddr))
                strsz = s.FileSize - (strtab - s.VAddr);
            mapped = true;
            break;
        }
    TBytes strings;
    if (!mapped || !ReadAt(f, strOffset, strsz, strings))
        return result;
    auto text = [&](quint64 at, bool& ok) -> QString {
        ok = at < quint64(strings.Data.size());
        if (!ok)
            return QString();
        const char* begin = strings.Data.constData() + at;
        const void* end = std::memchr(begin, 0, size_t(quint64(strings.Data.size()) - at));
        ok = end != nullptr;
        return ok ? QFile::decodeName(QByteArray(begin, qsizetype(static_cast<const char*>(end) - begin)))
                  : QString();
    };
    for (const auto& [tag, at] : tags) {
        bool ok = false;
        const QString s = text(at, ok);
        if (!ok)
            return result;
        if (tag == DtNeeded)
            result.Needed << s;
        else if (tag == DtSoName)
            result.SoName = s;
        else if (tag == DtRPath)
            result.RPath = s.split(u':', Qt::SkipEmptyParts);
        else
            result.RunPath = s.split(u':', Qt::SkipEmptyParts);
    }
    result.Valid = true;
    return result;
}
