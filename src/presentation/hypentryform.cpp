#include "presentation/hypentryform.h"

#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/modal.h"
#include "platform/richedit.h"
#include "presentation/hyptextadjform.h"
#include "presentation/vpdesignbackform.h"
#include "runtime/entrydisplays.h"

#include <QPushButton>

THypEntryForm::THypEntryForm(int mode, QWidget* parent) : TEntryTextForm(parent), FMode(mode)
{
    setObjectName(QStringLiteral("HypEntryForm"));
    SetEntryDisplayDefaults(Display);
    FImportTitle = tr("Select a Text or RTF File");
    FImportFilter = tr("Text and RTF Files") + QStringLiteral("|*.TXT;*.RTF");
    FHelpContext = mode == DisplayModeGraphicText ? 550 : 510;
    SetHelpContext(this, FHelpContext);
    if (mode == DisplayModeGraphicText) {
        AdjustBtn->setText(tr("&Design Display Screen"));
        AdjustBtn->setAccessibleName(tr("Design Display Screen"));
    }
    connect(ViewBtn, &QPushButton::clicked, this, &THypEntryForm::ViewBtnClick);
    connect(AdjustBtn, &QPushButton::clicked, this, &THypEntryForm::AdjustBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void THypEntryForm::Load(const TEntryDisplay& display, const QStringList& text)
{
    Display = display;
    RichEdit1->SetColor(ColourToQColor(Display.VPBack.u()));
    LoadText(text);
}

void THypEntryForm::ViewBtnClick()
{
    const QStringList lines = EditorLines();
    if (FMode == DisplayModeGraphicText)
        ShowViewPortDisplay(Display, lines);
    else
        ShowTextWindow(Display, lines);
    RichEdit1->setFocus();
}

void THypEntryForm::AdjustBtnClick()
{
    const QStringList lines = EditorLines();
    if (FMode == DisplayModeGraphicText)
        DesignDisplayScreen(Display, lines);
    else
        AdjustTextWindow(Display, lines);
    RichEdit1->setFocus();
}

bool EditDisplayText(TEntryDisplay& display, QStringList& text, int mode)
{
    THypEntryForm form(mode);
    TEntryDisplay copy = display;
    copy.FullScreen = false;
    if (mode != DisplayModeGraphicText)
        copy.DisplayType = 0;
    form.Load(copy, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    if (form.HasText())
        text = form.EditorLines();
    display = form.Display;
    return true;
}
