#include "presentation/introentryform.h"

#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/modal.h"
#include "platform/richedit.h"
#include "presentation/introdesignform.h"
#include "runtime/entrydisplays.h"

#include <QPushButton>

TIntroEntryForm::TIntroEntryForm(QWidget* parent) : TEntryTextForm(parent)
{
    setObjectName(QStringLiteral("IntroEntryForm"));
    SetPresentationDefaults(Presentation);
    SetProgramSettingsDefaults(Program);
    FImportTitle = tr("Select a Text or RTF File");
    FImportFilter = tr("RTF and Text Files") + QStringLiteral("|*.TXT;*.RTF");
    FHelpContext = 450;
    SetHelpContext(this, FHelpContext);
    AdjustBtn->setText(tr("&Design Introduction Screen"));
    AdjustBtn->setAccessibleName(tr("Design Introduction Screen"));
    connect(ViewBtn, &QPushButton::clicked, this, &TIntroEntryForm::ViewBtnClick);
    connect(AdjustBtn, &QPushButton::clicked, this, &TIntroEntryForm::AdjustBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TIntroEntryForm::Load(const TPresentation& presentation, const TProgramSettings& program,
                           const QStringList& text)
{
    Presentation = presentation;
    Program = program;
    RichEdit1->SetColor(ColourToQColor(Presentation.Intro.Display.VPBack.u()));
    LoadText(text);
}

void TIntroEntryForm::ViewBtnClick()
{
    ShowIntroduction(Presentation, Program, EditorLines());
    RichEdit1->setFocus();
}

void TIntroEntryForm::AdjustBtnClick()
{
    DesignIntroScreen(Presentation, Program, EditorLines());
    // The screen design may have changed the text window's colour.
    RichEdit1->SetColor(ColourToQColor(Presentation.Intro.Display.VPBack.u()));
    RichEdit1->setFocus();
}

bool EditIntroduction(TPresentation& presentation, TProgramSettings& program, QStringList& text)
{
    TIntroEntryForm form;
    form.Load(presentation, program, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    if (form.HasText())
        text = form.EditorLines();
    else
        text.clear();
    presentation = form.Presentation;
    program = form.Program;
    return true;
}
