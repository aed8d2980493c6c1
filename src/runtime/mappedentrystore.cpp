#include "runtime/mappedentrystore.h"

#include "model/entryfile.h"
#include "model/entrylines.h"
#include "model/errors.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

using namespace EntryLines;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CompiledTest", text); }

constexpr int IndexRecordSize = 80;
constexpr int IndexHeaderCapacity = 60;

// The first line of the bytes, without its line end.
QByteArray FirstLine(const char* p, qint64 n)
{
    const void* nl = std::memchr(p, '\n', size_t(n));
    qint64 len = nl ? static_cast<const char*>(nl) - p : n;
    if (len > 0 && p[len - 1] == '\r')
        --len;
    return QByteArray(p, len);
}

} // namespace

TMappedEntryStore::TMappedEntryStore(const char* data, qint64 size, std::shared_ptr<void> keeper, const QString& what)
    : FData(data), FSize(size), FKeeper(std::move(keeper))
{
    const auto damaged = [&](const QString& reason) {
        throw EInOutError(Tr("The compiled test %1 is damaged: %2").arg(what, reason));
    };
    if (size < 13)
        damaged(Tr("its entry block is too short."));
    if (data[0] != 3 || std::memcmp(data + 1, "XR1", 3) != 0)
        damaged(Tr("its entry block does not begin with XR1."));
    const quint32 count = qFromLittleEndian<quint32>(data + 5);
    const quint32 indexOffset = qFromLittleEndian<quint32>(data + 9);
    if (count > 0
        && (quint64(count) > quint64(size) / IndexRecordSize || indexOffset < 13
            || quint64(indexOffset) + quint64(count) * IndexRecordSize > quint64(size)))
        damaged(Tr("its entry index does not fit the file."));
    FItems.reserve(count);
    FByName.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
        const char* rec = data + indexOffset + qint64(i) * IndexRecordSize;
        TItem item;
        item.Offset = qFromLittleEndian<quint32>(rec + 61);
        item.Size = qFromLittleEndian<quint32>(rec + 65);
        if (item.Offset < 13 || quint64(item.Offset) + quint64(item.Size) > quint64(indexOffset))
            damaged(Tr("entry %1 lies outside its block.").arg(i + 1));
        // The index holds the header cut to 60 characters and the source cut
        // to 10 (sources are shorter). Only a header that may have been cut is
        // read from the entry's own first line.
        const int headerLen = std::min<int>(quint8(rec[0]), IndexHeaderCapacity);
        item.Header = QByteArray(rec + 1, headerLen);
        if (headerLen == IndexHeaderCapacity && item.Size > 0)
            item.Header = FirstLine(data + item.Offset, item.Size);
        item.Source = QByteArray(rec + 70, std::min<int>(quint8(rec[69]), 10));
        item.Bracketed = item.Header.size() >= 2 && item.Header.endsWith(']');
        item.Name = LineToString(HeaderName(item.Header));
        item.SourceKey = Key(LineToString(item.Source));
        FByName[Key(item.Name)].push_back(int(FItems.size()));
        FItems.push_back(std::move(item));
    }
}

void TMappedEntryStore::BodyLines(const TItem& item, int skip, QStringList& out) const
{
    int line = 0;
    ForEachLine(FData + item.Offset, item.Size, 0, [&](qint64, const char* p, qint64 n, qint64) {
        if (line++ >= skip)
            out.append(LineToString(p, n));
    });
}

bool TMappedEntryStore::ReadEntry(const QString& name, const QString& source, QStringList& lines) const
{
    lines.clear();
    const auto it = FByName.constFind(Key(name));
    if (it == FByName.constEnd())
        return false;
    const QString sourceKey = Key(source);
    for (auto k = it->rbegin(); k != it->rend(); ++k) {
        const TItem& item = FItems[size_t(*k)];
        if (item.SourceKey != sourceKey)
            continue;
        lines.append(item.Name);
        lines.append(QStringLiteral("source=") + LineToString(item.Source));
        BodyLines(item, 2, lines);
        lines.append(QStringLiteral("]"));
        return true;
    }
    return false;
}

bool TMappedEntryStore::ReadQuestionText(const QString& identifier, QStringList& text) const
{
    const auto it = FByName.constFind(Key(identifier));
    if (it == FByName.constEnd())
        return false;
    for (auto k = it->rbegin(); k != it->rend(); ++k) {
        const TItem& item = FItems[size_t(*k)];
        if (item.Bracketed && item.Name == identifier && item.SourceKey == SourceQuest) {
            BodyLines(item, 3, text);
            return true;
        }
    }
    return false;
}

bool TMappedEntryStore::ReadIntroduction(QStringList& text) const
{
    for (auto k = FItems.rbegin(); k != FItems.rend(); ++k)
        if (k->Header.startsWith("[^INTRO") && k->SourceKey == SourceIntro) {
            BodyLines(*k, 3, text);
            return true;
        }
    return false;
}

void TMappedEntryStore::ListEntryNames(QStringList& names, const QString& source) const
{
    const QString key = Key(source);
    for (const TItem& item : FItems)
        if (item.SourceKey == key)
            names.append(item.Name);
}
