#pragma once
// The compiled test: the configuration record, a 12-byte header, the
// compiled entry block and the question records; and the reader of the
// compiled entry block that the runtime programs use.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

#include "model/entrytable.h"
#include "model/testconfig.h"

#pragma pack(push, 1)
struct TCompiledHeader {
    Int32LE EntryBlockOffset;   // 5440, or 0 without an entry block
    Int32LE QuestionsOffset;
    Int32LE QuestionCount;
};
#pragma pack(pop)
static_assert(sizeof(TCompiledHeader) == 12);

constexpr int CompiledHeaderOffset = 5428;
constexpr int CompiledDataOffset = 5440;

// The one rule for the names of files made from the project: the project
// file's base name as spelled, then the designed extension, beside the
// project file ("maths.qxj" gives "maths.QXC" and "maths.EXE"). An existing
// file of that name in another letter case is the one meant. Files and
// messages both use it.
QString DerivedFilePath(const QString& extension);   // extension with its dot
// The bare file name of DerivedFilePath, as messages show it.
QString DerivedFileName(const QString& extension);

// The compiled test's file, DerivedFilePath(".QXC").
QString CompiledTestPath();
// The test program's file, DerivedFilePath(".EXE").
QString ExecutablePath();

// Writes <base> + ".QXC" from TestConfig, the entry file and the question
// file, through a temporary file renamed into place: true when the file is
// complete; on false nothing new is left and failure (when given) says why.
bool BuildCompiledTest(QString* failure = nullptr);

// Writes exe as the bytes of stub followed by the bytes of compiled, through
// a temporary file, and makes it executable. Throws EInOutError naming the
// file that failed; nothing is left behind then.
void WriteExecutable(const QString& stub, const QString& compiled, const QString& exe);

// A compiled entry block held in memory. Load checks every count and offset
// against the block's size before it uses them; the lookups are the entry
// table's (model/entrytable.h), so they answer exactly as the entry-file
// routines answer on the file it was compiled from.
class TCompiledEntryBlock {
public:
    // Throws EInOutError naming what when the block does not fit its size.
    void Load(const QByteArray& block, const QString& what);
    void Clear() { FTable = TEntryTable(); }

    int Count() const { return FTable.Count(); }
    const TEntryTable& Table() const { return FTable; }
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const
    {
        return FTable.ReadEntry(name, source, lines);
    }
    bool ReadQuestionText(const QString& identifier, QStringList& text) const
    {
        return FTable.ReadQuestionText(identifier, text);
    }
    bool ReadIntroduction(QStringList& text) const { return FTable.ReadIntroduction(text); }
    void ListEntryNames(QStringList& names, const QString& source) const { FTable.ListEntryNames(names, source); }
    bool SourceExists(const QString& source) const { return FTable.SourceExists(source); }

private:
    TEntryTable FTable;
};
