#include "platform/pictures.h"

#include "platform/dynlib.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <sys/mman.h>

extern "C" {
#include <jpeglib.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>
}

namespace {

const int MaxMetafileSide = 4096;

[[noreturn]] void CannotShow(const QString& name)
{
    throw EQuendraError(QCoreApplication::translate("Pictures", "The file %1 cannot be shown").arg(name));
}

quint16 Rd16(const QByteArray& d, qsizetype at) { return qFromLittleEndian<quint16>(d.constData() + at); }
quint32 Rd32(const QByteArray& d, qsizetype at) { return qFromLittleEndian<quint32>(d.constData() + at); }

const quint32 PlaceableKey = 0x9AC6CDD7u;

// Checks the metafile's header and record chain before the renderer sees
// it, so that a damaged file is refused instead of being read past its end.
// Gives the bytes to render (an end record is added when it is missing).
bool CheckMetafile(const QByteArray& data, QByteArray& out)
{
    qsizetype at = 0;
    if (data.size() >= 4 && Rd32(data, 0) == PlaceableKey) {
        if (data.size() < 22)
            return false;
        at = 22;
    }
    if (data.size() - at < 18)
        return false;
    const quint16 type = Rd16(data, at);
    const quint16 headerWords = Rd16(data, at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return false;
    qsizetype pos = at + 18;
    bool sawEnd = false;
    int records = 0;
    quint32 largest = 3;   // words of the largest record (the end record has 3)
    while (pos + 6 <= data.size()) {
        const quint32 words = Rd32(data, pos);
        const quint16 function = Rd16(data, pos + 4);
        if (function == 0) {            // end of metafile
            sawEnd = true;
            pos += 6;
            break;
        }
        if (words < 3 || qint64(words) * 2 > data.size() - pos)
            return false;
        pos += qsizetype(words) * 2;
        largest = std::max(largest, words);
        ++records;
    }
    // A file that stops inside a record is damaged; one that merely lacks
    // its end record is complete otherwise.
    if (records == 0 || (!sawEnd && pos != data.size()))
        return false;
    out = data.left(pos);
    if (!sawEnd)
        out.append("\x03\x00\x00\x00\x00\x00", 6);
    // The header's largest record size is what the renderer allocates its
    // record buffer by: a damaged header asked for gigabytes (or for less than
    // a record holds). It is set to the largest record really there.
    qToLittleEndian<quint32>(largest, out.data() + at + 12);
    return true;
}


// libwmf is opened on first use: linked, it and its own dependencies (gd,
// freetype, libwmflite) would be loaded at every start of the program. Its
// headers are included for the types and macros only.
#define QUENDRA_WMF_FUNCTIONS(X) \
    X(wmf_api_create) X(wmf_api_destroy) X(wmf_scan) X(wmf_display_size) \
    X(wmf_play) X(wmf_mem_open) X(wmf_mem_close) X(wmf_gd_function)

struct TWmfApi {
#define QUENDRA_WMF_POINTER(name) decltype(&::name) name = nullptr;
    QUENDRA_WMF_FUNCTIONS(QUENDRA_WMF_POINTER)
#undef QUENDRA_WMF_POINTER
};

// The renderer's entry points, or nullptr when the library or one of its
// functions is missing (the reason is on stderr).
const TWmfApi* WmfApi()
{
    // Kept open until the process ends (see media.cpp).
    static TDynLib& lib = *new TDynLib{"libwmf-0.2.so.7", "libwmf-0.2.so"};
    static TWmfApi api;
    static const bool ok = [] {
        bool all = true;
#define QUENDRA_WMF_RESOLVE(name) all = lib.Resolve(api.name, #name) && all;
        QUENDRA_WMF_FUNCTIONS(QUENDRA_WMF_RESOLVE)
#undef QUENDRA_WMF_RESOLVE
        return all;
    }();
    return ok ? &api : nullptr;
}

QImage RenderMetafile(const QByteArray& raw, const QString& name, const QSize& renderSize)
{
    QByteArray data;
    if (!CheckMetafile(raw, data))
        CannotShow(name);
    const TWmfApi* w = WmfApi();
    if (!w)
        CannotShow(name);

    wmfAPI* api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = w->wmf_gd_function;
    const unsigned long flags = WMF_OPT_IGNORE_NONFATAL | WMF_OPT_FUNCTION | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (w->wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            w->wmf_api_destroy(api);
        CannotShow(name);
    }
    struct TDestroy {
        const TWmfApi* w; wmfAPI* a;
        ~TDestroy() { w->wmf_api_destroy(a); }
    } destroy{w, api};

    wmf_gd_t* gd = WMF_GD_GetData(api);
    // The picture comes back as PNG bytes written to a memory stream:
    // libwmf then frees its drawing surface itself, which it never does for
    // a surface handed out (wmf_gd_image) and offers no routine to free.
    if (!(gd->flags & WMF_GD_SUPPORTS_PNG))
        CannotShow(name);
    char* pngData = nullptr;
    size_t pngSize = 0;
    FILE* pngFile = ::open_memstream(&pngData, &pngSize);
    if (!pngFile)
        CannotShow(name);
    struct TStream {
        FILE*& f; char*& d;
        ~TStream() { if (f) std::fclose(f); std::free(d); }
    } stream{pngFile, pngData};
    gd->type = wmf_gd_png;
    gd->file = pngFile;
    gd->flags |= WMF_GD_OUTPUT_FILE;

    if (w->wmf_mem_open(api, reinterpret_cast<unsigned char*>(data.data()), long(data.size())) != wmf_E_None)
        CannotShow(name);
    wmfD_Rect bbox;
    if (w->wmf_scan(api, 0, &bbox) != wmf_E_None)
        CannotShow(name);
    unsigned int width = 0, height = 0;
    if (renderSize.isValid() && !renderSize.isEmpty()) {
        width = unsigned(qMin(renderSize.width(), MaxMetafileSide));
        height = unsigned(qMin(renderSize.height(), MaxMetafileSide));
    } else {
        if (w->wmf_display_size(api, &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0)
            CannotShow(name);
        const unsigned side = qMax(width, height);
        if (side > unsigned(MaxMetafileSide)) {
            width = qMax(1u, unsigned(quint64(width) * MaxMetafileSide / side));
            height = qMax(1u, unsigned(quint64(height) * MaxMetafileSide / side));
        }
    }
    gd->bbox = bbox;
    gd->width = width;
    gd->height = height;
    if (w->wmf_play(api, 0, &bbox) != wmf_E_None)
        CannotShow(name);
    w->wmf_mem_close(api);
    std::fclose(pngFile);
    pngFile = nullptr;
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(pngData), int(pngSize), "PNG") || image.isNull())
        CannotShow(name);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A picture of many megabytes gets memory of its own, mapped in pages of
// 2 MB where the system offers them: touching a fresh mapping page by page
// costs more than decoding a large photograph. Smaller pictures, and any
// failure to map, take QImage's usual memory.
void UnmapPixels(void* info)
{
    const auto* mapping = static_cast<const std::pair<void*, size_t>*>(info);
    ::munmap(mapping->first, mapping->second);
    delete mapping;
}

QImage NewPicture(int width, int height, QImage::Format format)
{
    constexpr size_t Large = size_t(8) << 20;
    constexpr size_t HugePage = size_t(2) << 20;
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (format != QImage::Format_RGB32 || width <= 0 || height <= 0 || bytes < Large)
        return QImage(width, height, format);
    // Aligned to a large page: map one more and trim the ends.
    const size_t length = (bytes + HugePage - 1) / HugePage * HugePage;
    void* raw = ::mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return QImage(width, height, format);
    const uintptr_t start = (reinterpret_cast<uintptr_t>(raw) + HugePage - 1) & ~uintptr_t(HugePage - 1);
    const size_t head = start - reinterpret_cast<uintptr_t>(raw);
    if (head > 0)
        ::munmap(raw, head);
    if (HugePage - head > 0)
        ::munmap(reinterpret_cast<void*>(start + length), HugePage - head);
    void* pixels = reinterpret_cast<void*>(start);
#ifdef MADV_HUGEPAGE
    ::madvise(pixels, length, MADV_HUGEPAGE);
#endif
    auto* mapping = new std::pair<void*, size_t>(pixels, length);
    return QImage(static_cast<uchar*>(pixels), width, height, bytesPerLine, format, UnmapPixels, mapping);
}

// JPEG decoded by libjpeg-turbo straight into the picture's own pixels (no
// per-line conversion afterwards). A null image when this decoder cannot
// serve (CMYK pictures, damaged data); the caller then tries Qt's reader.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    QImage Image;   // kept here, in memory libjpeg can reach, across the jump
};

void JpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

void JpegNoMessage(j_common_ptr) {}

QImage DecodeJpeg(const QByteArray& data)
{
    jpeg_decompress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegErrorExit;
    error.Manager.output_message = JpegNoMessage;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK
        || quint64(info.image_width) * info.image_height > (quint64(1) << 28)) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    error.Image = NewPicture(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (error.Image.isNull()) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = error.Image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return error.Image;
}

QImage DecodeBitmap(const QByteArray& data, const QString& name)
{
    if (data.startsWith("\xFF\xD8\xFF")) {
        QImage image = DecodeJpeg(data);
        if (!image.isNull())
            return image;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, data.startsWith("BM") ? QByteArray("bmp")
                                 : data.startsWith("\xFF\xD8\xFF") ? QByteArray("jpeg") : QByteArray());
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        CannotShow(name);
    return image;
}

} // namespace

bool IsMetafile(const QByteArray& data)
{
    if (data.size() >= 4 && Rd32(data, 0) == PlaceableKey)
        return true;
    return data.size() >= 4 && (Rd16(data, 0) == 1 || Rd16(data, 0) == 2) && Rd16(data, 2) == 9;
}

QImage DecodePicture(const QByteArray& data, const QString& name, const QSize& renderSize)
{
    if (IsMetafile(data))
        return RenderMetafile(data, name, renderSize);
    return DecodeBitmap(data, name);
}

QImage LoadPicture(const QString& file, const QSize& renderSize)
{
    QFile f(ResolveCase(file));
    if (!f.exists())
        throw EInOutError(QCoreApplication::translate("Pictures", "The file %1 is missing").arg(file));
    if (!f.open(QIODevice::ReadOnly) || f.size() > (512 << 20))
        CannotShow(file);
    const QByteArray data = f.readAll();
    if (data.size() != f.size())
        CannotShow(file);
    return DecodePicture(data, file, renderSize);
}
