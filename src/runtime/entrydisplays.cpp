#include "runtime/entrydisplays.h"

#include "model/processvalues.h"
#include "platform/modal.h"
#include "runtime/intdispform.h"
#include "runtime/runpresentation.h"
#include "runtime/showentry.h"
#include "runtime/showhtextform.h"
#include "runtime/txtvpdispform.h"

namespace {
TAboutDisplay gAboutDisplay = nullptr;
}

void SetIntroAboutDisplay(TAboutDisplay display) { gAboutDisplay = display; }
TAboutDisplay IntroAboutDisplay() { return gAboutDisplay; }
void ResetEntryDisplayValues()
{
    gAboutDisplay = nullptr;
    SetTextEntryDisplay(nullptr);
}
QUENDRA_RESET_ROUTINE(ResetEntryDisplayValues)

void ClampViewPort(TEntryDisplay& d)
{
    const int width = qBound<int>(MinViewPortSide, d.VPWidth, DesignWidth);
    const int height = qBound<int>(MinViewPortSide, d.VPHeight, DesignHeight);
    const int left = qBound<int>(0, d.VPLeft, DesignWidth - width);
    const int top = qBound<int>(0, d.VPTop, DesignHeight - height);
    // Fields already in range keep their bytes.
    if (width != d.VPWidth)
        d.VPWidth = width;
    if (height != d.VPHeight)
        d.VPHeight = height;
    if (left != d.VPLeft)
        d.VPLeft = left;
    if (top != d.VPTop)
        d.VPTop = top;
}

void SetDesignOrigin(const QRect& frame)
{
    DesignLeft = frame.x() + (frame.width() - DesignWidth) / 2;
    DesignTop = frame.y() + (frame.height() - DesignHeight) / 2;
}

bool ShowTextWindow(const TEntryDisplay& display, const QStringList& text)
{
    TShowHTextForm form;
    form.SetDisplay(display, text);
    ShowModal(form);
    return false;
}

void ShowViewPortDisplay(const TEntryDisplay& display, const QStringList& text)
{
    TTxtVPDispForm form;
    form.SetUp(display, text);
    ShowModal(form);
}

void ShowIntroduction(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text)
{
    TIntDispForm form;
    form.SetUp(presentation, program, text);
    ShowModal(form);
}

void ShowIntroductionDisplay(const QStringList& text)
{
    ShowIntroduction(TestConfig.Presentation, TestConfig.Program, text);
}
