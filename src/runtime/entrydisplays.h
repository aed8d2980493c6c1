#pragma once
// Showing rich text to the person who takes a test: the text window of a
// type-1 entry, the view-port display of a type-5 entry and the
// introduction display. Each shows its own copy of the record and the text
// lines (one RTF document split into lines) modally and frees everything
// when it closes.

#include <QRect>
#include <QStringList>

#include "model/testconfig.h"

// The design area every view-port lies in.
enum : int { DesignWidth = 640, DesignHeight = 480, MinViewPortSide = 5 };

// Keeps a view-port read from a file inside the 640 x 480 design area: the
// size between 5 pixels and the area's, the position so that the whole
// rectangle lies inside. A view-port already inside is left as it is.
void ClampViewPort(TEntryDisplay& display);

// The design origin: the top-left corner, in screen coordinates, of the
// 640 x 480 design area centred in the main window's frame. The main window
// sets it once it is shown, when its real geometry is known.
void SetDesignOrigin(const QRect& mainWindowFrame);

// The text window (TShowHTextForm); answers false, as designed.
bool ShowTextWindow(const TEntryDisplay& display, const QStringList& text);
// The view-port display (TTxtVPDispForm).
void ShowViewPortDisplay(const TEntryDisplay& display, const QStringList& text);
// The introduction display (TIntDispForm) with the test's presentation and
// program settings.
void ShowIntroduction(const TPresentation& presentation, const TProgramSettings& program,
                      const QStringList& text);

// The about box the introduction's About item opens (the author's about
// box, mode 0) when one is installed here (tests install one); otherwise
// the item opens the about display (ShowAbout).
using TAboutDisplay = void (*)(const TAboutSpec& about, int mode);
void SetIntroAboutDisplay(TAboutDisplay display);
TAboutDisplay IntroAboutDisplay();

// Puts this module's process-wide values back to their start state (the
// about display and ShowEntry's display replacement).
void ResetEntryDisplayValues();
