#include "presentation/cfgdesignbackform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/tbackform.h"

#include <QLabel>
#include <QPushButton>

TCFGDesignBackForm::TCFGDesignBackForm(QWidget* parent) : TDesignBackForm(parent)
{
    setObjectName(QStringLiteral("CFGDesignBackForm"));
    SetHelpContext(this, 410);
    OpenDialog1.HelpContext = 410;
    AdjustLbl->hide();
    AdjustBtn->hide();
    SetProgramSettingsDefaults(Program);
    connect(ViewBitBtn, &QPushButton::clicked, this, &TCFGDesignBackForm::ViewBitBtnClick);
}

void TCFGDesignBackForm::Load(const TProgramSettings& program)
{
    Program = program;
    LoadBackground(BackgroundOf(Program));
}

void TCFGDesignBackForm::StoreRecord()
{
    Program.BackgroundKind = Back.Kind;
    Program.BackgroundColor = Back.Colour;
    Program.BackgroundGraphic = Back.Graphic;
    Program.BackgroundWallpaper = Back.Wallpaper;
}

void TCFGDesignBackForm::ViewBitBtnClick()
{
    // The settings as they stand in the dialog, typed names included.
    const TBackground saved = Back;
    TakeEditedNames();
    const TProgramSettings before = Program;
    StoreRecord();
    PreviewProgramBackground(Program);
    Program = before;
    Back = saved;
}

bool DesignProgramBackground(TProgramSettings& program)
{
    TCFGDesignBackForm form;
    form.Load(program);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    program = form.Program;
    return true;
}
