#include "presentation/introdesignform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/changetextform.h"
#include "presentation/formkit.h"
#include "presentation/intdesignbackform.h"
#include "presentation/vpdesigntitleform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TIntroDesignForm::TIntroDesignForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IntroDesignForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 460);
    SetPresentationDefaults(Presentation);
    SetProgramSettingsDefaults(FProgram);
    GroupBox1 = MakeGroup(this, "GroupBox1", tr(" Design Introduction Screen"));
    TitleBarChkBx = MakeCheckBox(GroupBox1, "TitleBarChkBx", tr(" Use TitleBar"));
    TitleBarBtn = MakeButton(GroupBox1, "TitleBarBtn", tr("Create/Edit"));
    TitleBarBtn->setAccessibleDescription(tr("TitleBar"));
    StatusBarChkBx = MakeCheckBox(GroupBox1, "StatusBarChkBx", tr(" Use StatusBar"));
    StatusBarBtn = MakeButton(GroupBox1, "StatusBarBtn", tr("Create/Edit"));
    StatusBarBtn->setAccessibleDescription(tr("StatusBar"));
    VPChkBx = MakeCheckBox(GroupBox1, "VPChkBx", tr(" Use Text Window"));
    VPBtn = MakeButton(GroupBox1, "VPBtn", tr("Create/Edit"));
    VPBtn->setAccessibleDescription(tr("Text Window"));
    UseMenuChkBx = MakeCheckBox(GroupBox1, "UseMenuChkBx", tr(" Use MenuBar"));
    Button1 = MakeButton(GroupBox1, "Button1", tr("Define Text"));
    Button1->setAccessibleDescription(tr("MenuBar"));
    auto* g = new QGridLayout(GroupBox1);
    g->addWidget(TitleBarChkBx, 0, 0);
    g->addWidget(TitleBarBtn, 0, 1);
    g->addWidget(StatusBarChkBx, 1, 0);
    g->addWidget(StatusBarBtn, 1, 1);
    g->addWidget(VPChkBx, 2, 0);
    g->addWidget(VPBtn, 2, 1);
    g->addWidget(UseMenuChkBx, 3, 0);
    g->addWidget(Button1, 3, 1);
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    for (QCheckBox* c : {TitleBarChkBx, StatusBarChkBx, VPChkBx, UseMenuChkBx})
        connect(c, &QCheckBox::toggled, this, &TIntroDesignForm::UpdateButtons);
    connect(TitleBarBtn, &QPushButton::clicked, this, &TIntroDesignForm::TitleBarBtnClick);
    connect(StatusBarBtn, &QPushButton::clicked, this, &TIntroDesignForm::StatusBarBtnClick);
    connect(VPBtn, &QPushButton::clicked, this, &TIntroDesignForm::VPBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TIntroDesignForm::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TIntroDesignForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButtons();
}

void TIntroDesignForm::Load(const TPresentation& presentation, const TProgramSettings& program,
                            const QStringList& text)
{
    Presentation = presentation;
    FProgram = program;
    FText = text;
    const TIntroDesign& intro = Presentation.Intro;
    TitleBarChkBx->setChecked(intro.UseTitleBar);
    StatusBarChkBx->setChecked(intro.UseStatusBar);
    VPChkBx->setChecked(!intro.Display.FullScreen);
    UseMenuChkBx->setChecked(intro.UseMenuBar);
    UpdateButtons();
}

void TIntroDesignForm::UpdateButtons()
{
    TitleBarBtn->setEnabled(TitleBarChkBx->isChecked());
    StatusBarBtn->setEnabled(StatusBarChkBx->isChecked());
    VPBtn->setEnabled(VPChkBx->isChecked());
    Button1->setEnabled(UseMenuChkBx->isChecked());
}

void TIntroDesignForm::StoreChecks()
{
    TIntroDesign& intro = Presentation.Intro;
    intro.UseTitleBar = TitleBarChkBx->isChecked();
    intro.UseStatusBar = StatusBarChkBx->isChecked();
    intro.Display.FullScreen = !VPChkBx->isChecked();
    intro.UseMenuBar = UseMenuChkBx->isChecked();
}

void TIntroDesignForm::TitleBarBtnClick() { DesignTitleBar(Presentation.Intro); }
void TIntroDesignForm::StatusBarBtnClick() { DesignStatusBar(Presentation.Intro); }

void TIntroDesignForm::VPBtnClick()
{
    // The background design and its layout preview see the screen as the
    // boxes stand now, "Use Text Window" included.
    StoreChecks();
    DesignIntroBackground(Presentation, FProgram, FText);
}

void TIntroDesignForm::Button1Click() { ChangeMenuTexts(Presentation.Captions); }

void TIntroDesignForm::OKBtnClick()
{
    StoreChecks();
    accept();
}

bool DesignIntroScreen(TPresentation& presentation, const TProgramSettings& program, const QStringList& text)
{
    TIntroDesignForm form;
    form.Load(presentation, program, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    presentation = form.Presentation;
    return true;
}
