// libFuzzer target: the bytes are a question file, read from a buffer: the
// whole records give their identifiers, a damaged tail is ignored.
#include "model/errors.h"
#include "model/projectfiles.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer in;
    in.setData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    in.open(QIODevice::ReadOnly);
    const QStringList ids = ReadIdentifiers(in, QStringLiteral("T.QXQ"));
    if (qsizetype(size / sizeof(TQuestionRecord)) != ids.size())
        std::abort();
    for (const QString& id : ids)
        if (id.size() > 32)
            std::abort();
    return 0;
}
