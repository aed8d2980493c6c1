// libFuzzer target: the bytes are a compiled test, or a program with one
// appended; the reader must refuse or load, never read out of bounds.
#include "model/errors.h"
#include "runtime/compiledtestfile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    TCompiledTestFile test;
    try {
        test.Load(buf, 0, bytes.size(), QStringLiteral("fuzz"));
        QStringList lines;
        if (test.Entries)
            test.Entries->ReadEntry(QStringLiteral("x"), QStringLiteral("HYPER"), lines);
    } catch (const EQuendraError&) {
    }
    try {
        const qint64 end = ElfImageEnd(buf, QStringLiteral("fuzz"));
        if (end < bytes.size())
            test.Load(buf, end, bytes.size() - end, QStringLiteral("fuzz"));
    } catch (const EQuendraError&) {
    }
    return 0;
}
