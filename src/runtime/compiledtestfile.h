#pragma once
// Reads a compiled test: a ".QXC" file, or the test appended to a runtime
// program (the stub's own ELF image ends where its section-header table
// ends; the compiled test follows). Every count and offset is checked against
// the bytes that are there before it is used.

#include <QString>

#include <memory>
#include <vector>

#include "model/compiledtest.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"

class QIODevice;
class TEntryStore;

class TCompiledTestFile {
public:
    // Throws EInOutError with a clear message naming the file.
    void Open(const QString& path);
    void OpenAppended(const QString& executable);
    // The compiled test lying at [start, start + length) of the device.
    void Load(QIODevice& device, qint64 start, qint64 length, const QString& what);
    // The same over bytes in memory (a mapped file). The entry block is not
    // copied: Entries reads it where it lies and keeps keeper alive.
    void LoadMapped(const char* data, qint64 length, const QString& what, std::shared_ptr<void> keeper);

    // Set before Open or OpenAppended: the entries are read where they lie,
    // each when asked for (EntryStore), instead of being indexed in full
    // into Entries. The runtime programs start this way.
    bool LazyEntries = false;

    // Where the test's entries are read: the lazy store, or one over Entries.
    std::shared_ptr<const TEntryStore> EntryStore() const;

    TTestConfig Config {};
    TCompiledHeader Header {};
    std::vector<TQuestionRecord> Questions;
    bool HasEntries = false;
    std::shared_ptr<TCompiledEntryBlock> Entries;   // null without an entry block (or when lazy)
    std::shared_ptr<const TEntryStore> LazyStore;   // the lazy entries; null otherwise
};

// The end of the ELF image at the start of the device: the end of its
// section-header table. Throws EInOutError when the device does not begin
// with an ELF header that fits its size.
qint64 ElfImageEnd(QIODevice& device, const QString& what);
