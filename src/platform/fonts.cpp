#include "platform/fonts.h"

#include <QGuiApplication>
#include <QScreen>

#include <thread>

#include <fontconfig/fontconfig.h>

namespace {
int gDepthOverride = 0;
}

QFont FontDescToQFont(const TFontDesc& desc)
{
    QFont f(desc.Name);
    if (desc.Size > 0)
        f.setPointSize(desc.Size);
    f.setBold(desc.Style & fsBold);
    f.setItalic(desc.Style & fsItalic);
    f.setUnderline(desc.Style & fsUnderline);
    f.setStrikeOut(desc.Style & fsStrikeOut);
    return f;
}

TFontDesc QFontToFontDesc(const QFont& font, quint32 colour)
{
    TFontDesc d;
    d.Size = font.pointSize() > 0 ? font.pointSize() : int(font.pointSizeF() + 0.5);
    d.Color = colour;
    d.Style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) | (font.underline() ? fsUnderline : 0)
        | (font.strikeOut() ? fsStrikeOut : 0);
    d.Name = font.family();
    return d;
}

int ScreenDepth()
{
    if (gDepthOverride > 0)
        return gDepthOverride;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 32;
}

void SetScreenDepthOverride(int depth) { gDepthOverride = depth; }

// fontconfig loads its configuration once per process and safely from any
// thread: should Qt ask for it before the load here ends, it loads its own
// copy and one of the two is dropped.
struct TFontConfigurationLoad::TThread {
    std::thread Worker;
};

TFontConfigurationLoad::TFontConfigurationLoad() : FThread(new TThread)
{
    try {
        FThread->Worker = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt loads the configuration when it needs it.
    }
}

TFontConfigurationLoad::~TFontConfigurationLoad()
{
    Join();
    delete FThread;
}

void TFontConfigurationLoad::Join()
{
    if (FThread->Worker.joinable())
        FThread->Worker.join();
}
