#include "presentation/vpadjustform.h"

#include "platform/modal.h"

TVPAdjustForm::TVPAdjustForm(QWidget* parent) : TScreenAdjustForm(parent)
{
    setObjectName(QStringLiteral("VPAdjustForm"));
}

void TVPAdjustForm::SetUp(const TEntryDisplay& display, const QStringList& text)
{
    TEntryDisplay copy = display;
    copy.FullScreen = false;
    SetDisplay(copy, text);
    ApplyScreenBackground();
}

bool AdjustViewPort(TEntryDisplay& display, const QStringList& text)
{
    TVPAdjustForm form;
    form.SetUp(display, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    display = form.AdjustedDisplay();
    return true;
}
