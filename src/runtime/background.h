#pragma once
// Painting a designed screen background: a plain colour, a picture stretched
// over the screen area, or a bitmap repeated as wallpaper. The run-time
// displays, the backdrop behind a test run, its preview and the adjustment
// windows all paint their backgrounds through ApplyBackground.

#include <QString>

#include "model/testconfig.h"

class QLabel;
class QWidget;
class TwiaTile;

// Background types.
enum : int { btColour = 1, btGraphic = 2, btWallpaper = 3 };

struct TBackground {
    int Kind = btColour;
    quint32 Colour = clSilver;
    QString Graphic;     // BMP or JPG, a bare name in the project directory
    QString Wallpaper;   // BMP only
};

TBackground BackgroundOf(const TEntryDisplay& display);
TBackground BackgroundOf(const TProgramSettings& program);

// The controls of a screen that show its background: the screen panel takes
// the colour, Image1 the stretched picture, wiaTile1 the wallpaper. The
// picture and the wallpaper cover the screen panel (the caller lays them out
// over its whole area).
struct TBackgroundScreen {
    QWidget* ScreenPnl = nullptr;
    QLabel* Image1 = nullptr;
    TwiaTile* wiaTile1 = nullptr;
};

// Makes the three controls as children of parent, named as above, the
// picture and the wallpaper hidden until a background needs them.
TBackgroundScreen MakeBackgroundScreen(QWidget* parent);

enum class TBackgroundResult {
    Shown,            // the background is shown as designed
    ColourInstead,    // the file was missing or unreadable: reported, colour shown
    NotBitmap,        // a ".JPG" wallpaper: reported, the screen keeps its face colour
    NoBackground,     // a type other than 1, 2 or 3: nothing applied
};

// Applies the background once and reports a missing or unsuitable file in an
// information box. A picture that exists but cannot be decoded is reported
// with the decoder's message and the colour is shown, so the screen still
// opens. Names are opened relative to the current directory.
TBackgroundResult ApplyBackground(const TBackground& background, const TBackgroundScreen& screen);

// The same without any message box: the message that would be shown (empty
// when none). The preview of the design dialogs uses it.
TBackgroundResult ApplyBackgroundQuietly(const TBackground& background, const TBackgroundScreen& screen,
                                         QString& message);

// Sets the widget's own background colour (filled behind its children).
void SetPanelColour(QWidget* widget, quint32 colour);
