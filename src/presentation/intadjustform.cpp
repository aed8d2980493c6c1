#include "presentation/intadjustform.h"

#include "platform/modal.h"
#include "presentation/adjustmenu.h"
#include "runtime/intdispform.h"

#include <QAction>

TIntAdjustForm::TIntAdjustForm(QWidget* parent) : TScreenAdjustForm(parent)
{
    setObjectName(QStringLiteral("IntAdjustForm"));
}

void TIntAdjustForm::SetUp(const TPresentation& presentation, const TProgramSettings& program,
                           const QStringList& text)
{
    SetDisplay(presentation.Intro.Display, text);
    TIntDispForm::SetUpBars(*this, presentation, program);
    // The menu is a mock-up here: its items do nothing.
    for (QAction* a : {MQuit, MHelp, MAbout})
        a->disconnect(this);
    ApplyScreenBackground();
    setWindowTitle(tr("Press Mouse Right Button for Menu"));
}

bool AdjustIntroLayout(TPresentation& presentation, const TProgramSettings& program, const QStringList& text)
{
    TIntAdjustForm form;
    form.SetUp(presentation, program, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    presentation.Intro.Display = form.AdjustedDisplay();
    return true;
}
