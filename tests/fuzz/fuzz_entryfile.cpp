// libFuzzer target: the bytes are an entry file, read from a buffer; every
// reader and the compiler run over it, and the compiled block must answer as
// the file does.
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/entrytable.h"
#include "model/errors.h"

#include <QBuffer>

#include <cstdlib>

namespace {
const QStringList Sources = {SourceIntro, SourceQuest, SourceInfo, SourceHyper, SourceComms};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    const TEntryTablePtr file = ReadEntryTable(in, QStringLiteral("F.QXR"));

    in.seek(0);
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    WriteCompiledEntryBlock(in, QStringLiteral("F.QXR"), out, QStringLiteral("F.QXB"));
    TCompiledEntryBlock block;
    block.Load(out.data(), QStringLiteral("F"));   // its own output always loads
    if (block.Count() != file->Count())
        std::abort();
    for (const QString& source : Sources) {
        QStringList names;
        file->ListEntryNames(names, source);
        QStringList compiledNames;
        block.ListEntryNames(compiledNames, source);
        if (names != compiledNames || file->SourceExists(source) != block.SourceExists(source))
            std::abort();
        for (const QString& name : names) {
            QStringList a, b;
            if (file->ReadEntry(name, source, a) != block.ReadEntry(name, source, b) || a != b)
                std::abort();
            TEntryDisplay d;
            SetEntryDisplayDefaults(d);
            QStringList text;
            try {
                EntryTypeCode(a);
                ParseDisplayEntry(a, d, text);
            } catch (const EQuendraError&) {
            }
            QStringList qa, qb;
            if (file->ReadQuestionText(name, qa) != block.ReadQuestionText(name, qb) || qa != qb)
                std::abort();
        }
    }
    QStringList ia, ib;
    if (file->ReadIntroduction(ia) != block.ReadIntroduction(ib) || ia != ib)
        std::abort();
    // The block reader on the raw bytes too.
    try {
        block.Load(bytes, QStringLiteral("raw"));
        QStringList lines;
        block.ReadEntry(QStringLiteral("x"), SourceHyper, lines);
        block.ReadIntroduction(lines);
    } catch (const EQuendraError&) {
    }
    return 0;
}
