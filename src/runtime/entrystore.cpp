#include "runtime/entrystore.h"

#include "model/compiledtest.h"
#include "model/entryfile.h"

bool TFileEntryStore::ReadEntry(const QString& name, const QString& source, QStringList& lines) const
{
    return ::ReadEntry(FFile, name, source, lines);
}

bool TFileEntryStore::ReadQuestionText(const QString& identifier, QStringList& text) const
{
    return ::ReadQuestionEntry(FFile, identifier, text);
}

bool TFileEntryStore::ReadIntroduction(QStringList& text) const { return ::ReadIntroEntry(FFile, text); }

void TFileEntryStore::ListEntryNames(QStringList& names, const QString& source) const
{
    ::ListEntryNames(names, FFile, source);
}

bool TCompiledEntryStore::ReadEntry(const QString& name, const QString& source, QStringList& lines) const
{
    if (!FBlock) {
        lines.clear();
        return false;
    }
    return FBlock->ReadEntry(name, source, lines);
}

bool TCompiledEntryStore::ReadQuestionText(const QString& identifier, QStringList& text) const
{
    return FBlock && FBlock->ReadQuestionText(identifier, text);
}

bool TCompiledEntryStore::ReadIntroduction(QStringList& text) const
{
    return FBlock && FBlock->ReadIntroduction(text);
}

void TCompiledEntryStore::ListEntryNames(QStringList& names, const QString& source) const
{
    if (FBlock)
        FBlock->ListEntryNames(names, source);
}
