#pragma once
// Line handling shared by the entry-file routines and the compiled entry
// block: splitting bytes into lines, the rules that say where an entry starts
// and ends, and a fast Windows-1252 conversion of one line.
//
// An entry is a header line (beginning with "[") immediately followed by a
// source line (beginning with "source=", as written). It runs to its
// terminator, a line that is exactly "]", or, when that is missing, up to the
// next header or the end of the file. A line beginning with "[" that is not followed by a source
// line is an ordinary line. Every reader and the compiler use these rules, so
// the entry file and its compiled form always agree.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/ansi.h"

namespace EntryLines {

// Calls f(start, data, length, next) for every line of data: LF ends a line
// and one CR before it is dropped; a last piece without LF is a line too.
// start and next are offsets (plus base) of the line and of the one after it.
template <class F>
void ForEachLine(const char* data, qint64 size, qint64 base, F&& f)
{
    qint64 pos = 0;
    while (pos < size) {
        const void* nl = std::memchr(data + pos, '\n', size_t(size - pos));
        const qint64 end = nl ? static_cast<const char*>(nl) - data : size;
        qint64 len = end - pos;
        if (len > 0 && data[pos + len - 1] == '\r')
            --len;
        const qint64 next = nl ? end + 1 : size;
        f(base + pos, data + pos, len, base + next);
        pos = next;
    }
}

inline bool IsSourceLine(const char* p, qint64 n) { return n >= 7 && std::memcmp(p, "source=", 7) == 0; }

inline bool IsTerminator(const char* p, qint64 n) { return n == 1 && p[0] == ']'; }

// One entry found by the scanner. Offsets are bytes from the start of the
// scanned data; End is the offset after the entry's last line.
struct TScannedEntry {
    qint64 Start = 0;       // header line
    qint64 HeaderLen = 0;   // header line, brackets included, without its line end
    qint64 SourceStart = 0; // "source=..." as written
    qint64 SourceLen = 0;
    qint64 BodyStart = 0;   // the line after the source line
    qint64 TermStart = 0;   // the terminator line; End when there is none
    qint64 End = 0;
    bool Terminated = false;

    QByteArrayView Header(const char* data) const { return QByteArrayView(data + Start, HeaderLen); }
    QByteArrayView SourceLine(const char* data) const { return QByteArrayView(data + SourceStart, SourceLen); }
    // The source from the 8th character of its line.
    QByteArrayView SourceValue(const char* data) const
    {
        const QByteArrayView l = SourceLine(data);
        return l.size() > 7 ? l.sliced(7) : QByteArrayView();
    }
};

// Fed the lines of the data in order, collects its entries.
class TEntryScanner {
public:
    std::vector<TScannedEntry> Entries;

    void Line(qint64 start, const char* p, qint64 n, qint64 next)
    {
        if (FPending) {
            FPending = false;
            if (IsSourceLine(p, n)) {
                Close(FPendingStart);
                FCur = TScannedEntry();
                FCur.Start = FPendingStart;
                FCur.HeaderLen = FPendingLen;
                FCur.SourceStart = start;
                FCur.SourceLen = n;
                FCur.BodyStart = next;
                FOpen = true;
                return;
            }
        }
        if (FOpen && IsTerminator(p, n)) {
            FCur.TermStart = start;
            FCur.End = next;
            FCur.Terminated = true;
            Entries.push_back(FCur);
            FOpen = false;
            return;
        }
        if (n >= 1 && p[0] == '[') {
            FPending = true;
            FPendingStart = start;
            FPendingLen = n;
        }
    }
    void Finish(qint64 eof)
    {
        FPending = false;
        Close(eof);
    }

private:
    void Close(qint64 at)
    {
        if (!FOpen)
            return;
        FCur.TermStart = at;
        FCur.End = at;
        FCur.Terminated = false;
        Entries.push_back(FCur);
        FOpen = false;
    }

    bool FOpen = false;
    TScannedEntry FCur;
    bool FPending = false;
    qint64 FPendingStart = 0;
    qint64 FPendingLen = 0;
};

// The first position at or after from holding "[" or "]", or size. Sixteen
// bytes at a time where SSE2 is there (every x86-64 processor has it).
inline qint64 FindBracket(const char* data, qint64 from, qint64 size)
{
    qint64 i = from;
#if defined(__SSE2__)
    const __m128i open = _mm_set1_epi8('['), close = _mm_set1_epi8(']');
    for (; i + 32 <= size; i += 32) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 16));
        const unsigned lo = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(a, open), _mm_cmpeq_epi8(a, close))));
        const unsigned hi = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(b, open), _mm_cmpeq_epi8(b, close))));
        if (lo | hi)
            return i + __builtin_ctz(lo | (hi << 16));
    }
#endif
    for (; i < size; ++i)
        if (data[i] == '[' || data[i] == ']')
            return i;
    return size;
}

// Every entry of the data, by the scanner's rules, fed only the lines that
// can matter to them: those beginning with "[" or "]" and the line after a
// "[" line. Other lines are skipped by searching for the bracket characters,
// which are rare in entry bodies; the result is TEntryScanner's.
inline std::vector<TScannedEntry> ScanEntries(const char* data, qint64 size)
{
    TEntryScanner s;
    // The line at pos: its length without the line end, and where the next begins.
    auto line = [&](qint64 pos, qint64& len, qint64& next) {
        const void* nl = std::memchr(data + pos, '\n', size_t(size - pos));
        const qint64 end = nl ? static_cast<const char*>(nl) - data : size;
        len = end - pos;
        if (len > 0 && data[len + pos - 1] == '\r')
            --len;
        next = nl ? end + 1 : size;
    };
    qint64 pos = 0;   // lines before pos have been dealt with
    for (qint64 at = FindBracket(data, 0, size); at < size; at = FindBracket(data, std::max(at + 1, pos), size)) {
        if (at > 0 && data[at - 1] != '\n')
            continue;   // inside a line: not a line that matters
        qint64 len = 0, next = 0;
        line(at, len, next);
        s.Line(at, data + at, len, next);
        pos = next;
        if (data[at] == '[' && next < size) {
            // The line after a header candidate decides whether it is one.
            qint64 len2 = 0, next2 = 0;
            line(next, len2, next2);
            if (IsSourceLine(data + next, len2)) {
                s.Line(next, data + next, len2, next2);
                pos = next2;
            } else {
                s.Line(next, data + next, 0, next);   // as an empty line: drops the pending header
            }
        }
    }
    s.Finish(size);
    return std::move(s.Entries);
}

// The scanner fed every line: the plain statement of the rules, which the
// fast scan above must match.
inline std::vector<TScannedEntry> ScanEntriesLineByLine(const char* data, qint64 size)
{
    TEntryScanner s;
    ForEachLine(data, size, 0, [&](qint64 st, const char* p, qint64 n, qint64 nx) { s.Line(st, p, n, nx); });
    s.Finish(size);
    return std::move(s.Entries);
}

// Windows-1252 to text. Bytes outside 0x80..0x9F are Latin-1, which Qt
// converts fast; only lines holding the other bytes go character by character.
inline QString LineToString(const char* p, qint64 n)
{
    if (n <= 0)
        return QString::fromLatin1(p, 0);   // empty, not null, as every reader gave it
    // Widened as it is checked, in one pass: a byte of 0x80..0x9F sends the
    // line to the character-by-character conversion.
    QString out(n, Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    qint64 i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        if (_mm_movemask_epi8(v) != 0) {
            // High bytes: Latin-1 unless one is 0x80..0x9F (signed -128..-97).
            const __m128i c1 = _mm_cmplt_epi8(v, _mm_set1_epi8(char(0xA0)));
            if (_mm_movemask_epi8(c1) != 0)
                return AnsiToString(p, int(n));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i + 8), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b >= 0x80 && b <= 0x9F)
            return AnsiToString(p, int(n));
        o[i] = b;
    }
    return out;
}
inline QString LineToString(QByteArrayView b) { return LineToString(b.data(), b.size()); }

// The name in a header line: everything between its first and last character.
inline QByteArrayView HeaderName(QByteArrayView header)
{
    return header.size() >= 2 ? header.sliced(1, header.size() - 2) : QByteArrayView();
}

// Names and sources compare without regard to letter case (upper-cased;
// plain ASCII takes the short way).
inline QString Key(const QString& text)
{
    const char16_t* u = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    bool lower = false;
    for (qsizetype i = 0; i < n; ++i) {
        if (u[i] >= 0x80)
            return text.toUpper();
        if (u[i] >= 'a' && u[i] <= 'z')
            lower = true;
    }
    if (!lower)
        return text;
    QString out(n, Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < n; ++i)
        o[i] = (u[i] >= 'a' && u[i] <= 'z') ? char16_t(u[i] - 32) : u[i];
    return out;
}

} // namespace EntryLines
