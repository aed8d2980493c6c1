// libFuzzer target: the bytes are an entry file; every reader and the
// compiler run over it, and the compiled block must answer as the file does.
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
const QStringList Sources = {SourceIntro, SourceQuest, SourceInfo, SourceHyper, SourceComms};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString file = dir.filePath(QStringLiteral("F.QXR"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ForgetEntryIndexes();
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    if (!WriteCompiledEntryBlock(file, out))
        std::abort();
    TCompiledEntryBlock block;
    block.Load(out.data(), QStringLiteral("F"));   // its own output always loads
    for (const QString& source : Sources) {
        QStringList names;
        ListEntryNames(names, file, source);
        for (const QString& name : names) {
            QStringList a, b;
            if (ReadEntry(file, name, source, a) != block.ReadEntry(name, source, b) || a != b)
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
            if (ReadQuestionEntry(file, name, qa) != block.ReadQuestionText(name, qb) || qa != qb)
                std::abort();
        }
    }
    QStringList ia, ib;
    if (ReadIntroEntry(file, ia) != block.ReadIntroduction(ib) || ia != ib)
        std::abort();
    // The block reader on the raw bytes too.
    try {
        block.Load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("raw"));
    } catch (const EQuendraError&) {
    }
    return 0;
}
