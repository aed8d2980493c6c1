#pragma once
// Where the run time reads entries from: the project's entry file (pre-view
// in the tool) or the compiled entry block of a compiled test (the player and
// the stub). Both give the same answers for the same entries.

#include <QString>
#include <QStringList>

#include <memory>

class TCompiledEntryBlock;
class TEntryTable;

class TEntryStore {
public:
    virtual ~TEntryStore() = default;
    // As ReadEntry: [name, source line, body lines..., "]"]; the last of
    // several entries (name, source) wins; names and sources ignore case.
    virtual bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const = 0;
    // The text lines of the QUEST entry whose header is exactly
    // "[" + identifier + "]" (appended to text).
    virtual bool ReadQuestionText(const QString& identifier, QStringList& text) const = 0;
    // The text lines of the introduction (appended to text).
    virtual bool ReadIntroduction(QStringList& text) const = 0;
    virtual void ListEntryNames(QStringList& names, const QString& source) const = 0;
};

// A snapshot of an entry file: the entries as the file held them when the
// store was made, however the file changes afterwards (a run reads a fixed
// test). A missing file holds no entries. Throws EInOutError when the file
// exists but cannot be read.
class TFileEntryStore final : public TEntryStore {
public:
    explicit TFileEntryStore(const QString& file);
    // Over a table already read (e.g. from a buffer).
    explicit TFileEntryStore(std::shared_ptr<const TEntryTable> table) : FTable(std::move(table)) {}
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const override;
    bool ReadQuestionText(const QString& identifier, QStringList& text) const override;
    bool ReadIntroduction(QStringList& text) const override;
    void ListEntryNames(QStringList& names, const QString& source) const override;

private:
    std::shared_ptr<const TEntryTable> FTable;
};

// Over a compiled entry block; null holds no entries.
class TCompiledEntryStore final : public TEntryStore {
public:
    explicit TCompiledEntryStore(std::shared_ptr<const TCompiledEntryBlock> block) : FBlock(std::move(block)) {}
    bool ReadEntry(const QString& name, const QString& source, QStringList& lines) const override;
    bool ReadQuestionText(const QString& identifier, QStringList& text) const override;
    bool ReadIntroduction(QStringList& text) const override;
    void ListEntryNames(QStringList& names, const QString& source) const override;

private:
    std::shared_ptr<const TCompiledEntryBlock> FBlock;
};
