#pragma once
// Conversions between the stored font and colour values and Qt's.

#include <QColor>
#include <QFont>

#include "model/fileutil.h"

inline QColor ColourToQColor(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
inline quint32 QColorToColour(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

QFont FontDescToQFont(const TFontDesc& desc);
// The colour is not part of a QFont: it is taken from the argument.
TFontDesc QFontToFontDesc(const QFont& font, quint32 colour);

// Screen depth in bits per pixel; tests may inject one (0 clears it).
int ScreenDepth();
void SetScreenDepthOverride(int depth);

// Loads the system's font configuration on a second thread. The first window
// that measures text needs it, and loading it takes about ten milliseconds
// that the start-up can spend building the application meanwhile. Join (or
// the destructor) waits until it is loaded.
class TFontConfigurationLoad {
public:
    TFontConfigurationLoad();
    ~TFontConfigurationLoad();
    TFontConfigurationLoad(const TFontConfigurationLoad&) = delete;
    TFontConfigurationLoad& operator=(const TFontConfigurationLoad&) = delete;
    void Join();

private:
    struct TThread;
    TThread* FThread;
};
