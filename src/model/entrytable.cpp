#include "model/entrytable.h"

#include "model/entryfile.h"
#include "model/entrylines.h"
#include "model/errors.h"
#include "model/fileutil.h"

#include <QCoreApplication>
#include <QIODevice>

using namespace EntryLines;

namespace {

// The sources the program writes; an entry's source is one of these (by its
// index) or another text (-1).
const QString* const KnownSources[] = {&SourceIntro, &SourceQuest, &SourceInfo, &SourceHyper, &SourceComms};
constexpr qint8 OtherSource = -1;

qint8 KnownSourceOf(const QString& key)
{
    for (size_t i = 0; i < std::size(KnownSources); ++i)
        if (key == *KnownSources[i])
            return qint8(i);
    return OtherSource;
}

qint8 KnownSourceOfBytes(QByteArrayView value)
{
    for (size_t i = 0; i < std::size(KnownSources); ++i)
        if (value.size() == KnownSources[i]->size() && QLatin1String(value.data(), value.size()) == *KnownSources[i])
            return qint8(i);
    return KnownSourceOf(Key(LineToString(value)));
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

} // namespace

TEntryTable::TEntryTable(QByteArray data, const std::vector<TSpan>& spans) : FData(std::move(data))
{
    FEntries.reserve(spans.size());
    size_t slots = 16;
    while (slots < spans.size() * 2)
        slots *= 2;
    FSlots.assign(slots, TSlot {0, 0});
    for (const TSpan& span : spans)
        Add(span);
}

TEntryTable TEntryTable::FromEntryFile(QByteArray data)
{
    const std::vector<TScannedEntry> scanned = ScanEntries(data.constData(), data.size());
    std::vector<TSpan> spans;
    spans.reserve(scanned.size());
    for (const TScannedEntry& e : scanned) {
        TSpan s;
        s.HeaderStart = e.Start;
        s.HeaderLen = e.HeaderLen;
        s.SourceStart = e.SourceStart + std::min<qint64>(e.SourceLen, 7);
        s.SourceLen = std::max<qint64>(e.SourceLen - 7, 0);
        s.BodyStart = e.BodyStart;
        s.BodyEnd = std::max(e.BodyStart, e.TermStart);
        spans.push_back(s);
    }
    return TEntryTable(std::move(data), spans);
}

TEntryTable TEntryTable::FromEntryFile(QIODevice& in, const QString& what)
{
    return FromEntryFile(ReadAllFrom(in, what));
}

void TEntryTable::Add(const TSpan& span)
{
    TEntry e;
    e.Span = span;
    const QByteArrayView header = Header(e);
    e.Bracketed = header.size() >= 2 && header.endsWith(']');
    e.IntroHeader = header.startsWith("[^INTRO");
    e.NameHash = HashOfNameBytes(HeaderName(header));
    e.Source = KnownSourceOfBytes(SourceValue(e));

    const size_t mask = FSlots.size() - 1;
    const qint32 self = qint32(FEntries.size());
    for (size_t i = size_t(e.NameHash) & mask;; i = (i + 1) & mask) {
        TSlot& slot = FSlots[i];
        if (slot.Last == 0 || slot.Hash == e.NameHash) {
            e.Previous = slot.Last - 1;
            slot.Hash = e.NameHash;
            slot.Last = self + 1;
            break;
        }
    }
    FEntries.push_back(e);
}

QByteArrayView TEntryTable::Header(const TEntry& e) const
{
    return QByteArrayView(FData.constData() + e.Span.HeaderStart, e.Span.HeaderLen);
}

QByteArrayView TEntryTable::NameBytes(const TEntry& e) const { return HeaderName(Header(e)); }

QByteArrayView TEntryTable::SourceValue(const TEntry& e) const
{
    return QByteArrayView(FData.constData() + e.Span.SourceStart, e.Span.SourceLen);
}

QString TEntryTable::Name(const TEntry& e) const { return LineToString(NameBytes(e)); }

qint32 TEntryTable::LastWithHash(quint64 hash) const
{
    if (FSlots.empty())
        return -1;
    const size_t mask = FSlots.size() - 1;
    for (size_t i = size_t(hash) & mask;; i = (i + 1) & mask) {
        const TSlot& slot = FSlots[i];
        if (slot.Last == 0)
            return -1;
        if (slot.Hash == hash)
            return slot.Last - 1;
    }
}

bool TEntryTable::SourceIs(const TEntry& e, const QString& key, qint8 known) const
{
    if (known != OtherSource || e.Source != OtherSource)
        return e.Source == known;
    return Key(LineToString(SourceValue(e))) == key;
}

const TEntryTable::TEntry* TEntryTable::FindLast(const QString& name, const QString& source) const
{
    const QString sourceKey = Key(source);
    const qint8 known = KnownSourceOf(sourceKey);
    const QString nameKey = Key(name);
    for (qint32 k = LastWithHash(HashOfKey(nameKey)); k >= 0; k = FEntries[size_t(k)].Previous) {
        const TEntry& e = FEntries[size_t(k)];
        if (SourceIs(e, sourceKey, known) && NameKeyIs(NameBytes(e), nameKey))
            return &e;
    }
    return nullptr;
}

void TEntryTable::AppendBody(const TEntry& e, int skip, QStringList& out) const
{
    const qint64 size = e.Span.BodyEnd - e.Span.BodyStart;
    if (size <= 0)
        return;
    int line = 0;
    ForEachLine(FData.constData() + e.Span.BodyStart, size, 0, [&](qint64, const char* p, qint64 n, qint64) {
        if (line++ >= skip)
            out.append(LineToString(p, n));
    });
}

bool TEntryTable::ReadEntry(const QString& name, const QString& source, QStringList& lines) const
{
    lines.clear();
    const TEntry* e = FindLast(name, source);
    if (!e)
        return false;
    lines.append(Name(*e));
    lines.append(QStringLiteral("source=") + LineToString(SourceValue(*e)));
    AppendBody(*e, 0, lines);
    lines.append(QStringLiteral("]"));
    return true;
}

bool TEntryTable::ReadQuestionText(const QString& identifier, QStringList& text) const
{
    const qint8 quest = KnownSourceOf(SourceQuest);
    for (qint32 k = LastWithHash(HashOfKey(Key(identifier))); k >= 0; k = FEntries[size_t(k)].Previous) {
        const TEntry& e = FEntries[size_t(k)];
        if (e.Bracketed && e.Source == quest && NameIs(NameBytes(e), identifier)) {
            AppendBody(e, 1, text);   // after "text="
            return true;
        }
    }
    return false;
}

bool TEntryTable::ReadIntroduction(QStringList& text) const
{
    const qint8 intro = KnownSourceOf(SourceIntro);
    for (auto k = FEntries.rbegin(); k != FEntries.rend(); ++k)
        if (k->IntroHeader && k->Source == intro) {
            AppendBody(*k, 1, text);
            return true;
        }
    return false;
}

void TEntryTable::ListEntryNames(QStringList& names, const QString& source) const
{
    const QString key = Key(source);
    const qint8 known = KnownSourceOf(key);
    for (const TEntry& e : FEntries)
        if (SourceIs(e, key, known))
            names.append(Name(e));
}

bool TEntryTable::SourceExists(const QString& source) const
{
    const QString key = Key(source);
    const qint8 known = KnownSourceOf(key);
    for (const TEntry& e : FEntries)
        if (SourceIs(e, key, known))
            return true;
    return false;
}

bool TEntryTable::Contains(const QString& name, const QString& source) const
{
    return FindLast(name, source) != nullptr;
}
