#include "presentation/vpdesignbackform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/vpadjustform.h"

#include <QPushButton>

TVPDesignBackForm::TVPDesignBackForm(QWidget* parent) : TDesignBackForm(parent)
{
    setObjectName(QStringLiteral("VPDesignBackForm"));
    SetHelpContext(this, 480);
    OpenDialog1.HelpContext = 480;
    FWallpaperFilter = tr("BMP Wallpaper Files") + QStringLiteral("|*.BMP");
    FClearJpgWallpaper = false;
    FClearUnusedOnOK = false;
    ViewBitBtn->hide();
    SetEntryDisplayDefaults(Display);
    connect(AdjustBtn, &QPushButton::clicked, this, &TVPDesignBackForm::AdjustBtnClick);
}

void TVPDesignBackForm::Load(const TEntryDisplay& display, const QStringList& text)
{
    Display = display;
    FText = text;
    LoadBackground(BackgroundOf(Display));
}

void TVPDesignBackForm::StoreRecord()
{
    Display.DisplayType = Back.Kind;
    Display.SBackColor = Back.Colour;
    Display.SGraphic = Back.Graphic;
    Display.SWallpaper = Back.Wallpaper;
}

void TVPDesignBackForm::AdjustBtnClick()
{
    TakeEditedNames();
    StoreRecord();
    AdjustViewPort(Display, FText);
}

bool DesignDisplayScreen(TEntryDisplay& display, const QStringList& text)
{
    TVPDesignBackForm form;
    form.Load(display, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    display = form.Display;
    return true;
}
