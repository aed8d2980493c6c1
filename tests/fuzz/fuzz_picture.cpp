// libFuzzer target: the picture loader on buffers. The first byte picks the
// name (and so the kind the loader expects); the rest is the file.
#include "model/errors.h"
#include "platform/pictures.h"

#include <QGuiApplication>
#include <QImage>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 256 * 1024)
        return 0;
    static const char* const names[] = {"P.BMP", "P.JPG", "P.WMF", "P.ICO", "P.PNG", "P.GIF", "P.PCX", "P"};
    const QString name = QString::fromLatin1(names[data[0] % (sizeof names / sizeof names[0])]);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        const QImage a = DecodePicture(bytes, name);
        const QImage b = DecodePicture(bytes, name, QSize(64, 48));
        (void)a;
        (void)b;
    } catch (const EQuendraError&) {
    }
    IsMetafile(bytes);
    return 0;
}
