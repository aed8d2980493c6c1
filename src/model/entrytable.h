#pragma once
// The one table of entries that answers every lookup rule, built from the
// bytes of an entry file or of a compiled entry block:
//
// - names and sources compare without regard to letter case;
// - of several entries with one name and source, the last one wins;
// - a question text is the QUEST entry whose header is exactly
//   "[" + identifier + "]" (a hyperlink named like it is another entry);
// - the introduction is the last INTRO entry whose header begins "[^INTRO".
//
// The entry-file readers and the compiled entry block both answer through
// it, so the program and its compiled test can never disagree. A table is
// immutable once built and holds its bytes: a reader that keeps one (a
// snapshot) sees exactly the entries it was built from.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

class TEntryTable {
public:
    // Where one entry's parts lie in the table's bytes.
    struct TSpan {
        qint64 HeaderStart = 0, HeaderLen = 0;   // the header line, brackets included
        qint64 SourceStart = 0, SourceLen = 0;   // the source's value (after "source=")
        qint64 BodyStart = 0, BodyEnd = 0;       // the lines after the source line, terminator excluded
    };

    TEntryTable() = default;
    TEntryTable(QByteArray data, const std::vector<TSpan>& spans);

    // The entries of an entry file's bytes, by the entry scanner's rules.
    static TEntryTable FromEntryFile(QByteArray data);
    // The same from what in holds from its position to its end; throws
    // EInOutError naming what when it cannot be read.
    static TEntryTable FromEntryFile(QIODevice& in, const QString& what);

    int Count() const { return int(FEntries.size()); }
    const QByteArray& Data() const { return FData; }

    // [name, "source=" + source, body lines..., "]"], the last entry
    // (name, source) wins; false and lines empty when there is none.
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const;
    // The text lines (after "text=") of the question's entry, appended.
    bool ReadQuestionText(const QString& identifier, QStringList& text) const;
    // The text lines of the introduction, appended.
    bool ReadIntroduction(QStringList& text) const;
    // The names of the entries of the source, in file order, appended.
    void ListEntryNames(QStringList& names, const QString& source) const;
    bool SourceExists(const QString& source) const;
    bool Contains(const QString& name, const QString& source) const;

private:
    struct TEntry {
        TSpan Span;
        quint64 NameHash = 0;   // of the name's Key
        qint32 Previous = -1;   // the entry before it with the same name hash, or -1
        qint8 Source = -1;      // a known source, or -1 (another text)
        bool Bracketed = false; // the header ends with "]"
        bool IntroHeader = false;
    };
    struct TSlot {
        quint64 Hash;
        qint32 Last;   // one more than the last entry with the hash; 0 for a free slot
    };

    void Add(const TSpan& span);
    QByteArrayView Header(const TEntry& e) const;
    QByteArrayView NameBytes(const TEntry& e) const;
    QByteArrayView SourceValue(const TEntry& e) const;
    QString Name(const TEntry& e) const;
    qint32 LastWithHash(quint64 hash) const;
    const TEntry* FindLast(const QString& name, const QString& source) const;
    bool SourceIs(const TEntry& e, const QString& key, qint8 known) const;
    void AppendBody(const TEntry& e, int skip, QStringList& out) const;

    QByteArray FData;
    std::vector<TEntry> FEntries;
    std::vector<TSlot> FSlots;   // open addressing on the name hash
};
