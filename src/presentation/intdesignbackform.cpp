#include "presentation/intdesignbackform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/intadjustform.h"

#include <QPushButton>

TIntDesignBackForm::TIntDesignBackForm(QWidget* parent) : TDesignBackForm(parent)
{
    setObjectName(QStringLiteral("IntDesignBackForm"));
    SetHelpContext(this, 480);
    OpenDialog1.HelpContext = 480;
    ViewBitBtn->hide();
    SetPresentationDefaults(Presentation);
    SetProgramSettingsDefaults(FProgram);
    connect(AdjustBtn, &QPushButton::clicked, this, &TIntDesignBackForm::AdjustBtnClick);
}

void TIntDesignBackForm::Load(const TPresentation& presentation, const TProgramSettings& program,
                              const QStringList& text)
{
    Presentation = presentation;
    FProgram = program;
    FText = text;
    LoadBackground(BackgroundOf(Presentation.Intro.Display));
}

void TIntDesignBackForm::StoreRecord()
{
    TEntryDisplay& d = Presentation.Intro.Display;
    d.DisplayType = Back.Kind;
    d.SBackColor = Back.Colour;
    d.SGraphic = Back.Graphic;
    d.SWallpaper = Back.Wallpaper;
}

void TIntDesignBackForm::AdjustBtnClick()
{
    // The layout is adjusted over the background as it stands here.
    TakeEditedNames();
    StoreRecord();
    AdjustIntroLayout(Presentation, FProgram, FText);
}

bool DesignIntroBackground(TPresentation& presentation, const TProgramSettings& program, const QStringList& text)
{
    TIntDesignBackForm form;
    form.Load(presentation, program, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    presentation.Intro = form.Presentation.Intro;
    return true;
}
