#include "presentation/changetextform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/formkit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangeTextForm::TChangeTextForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ChangeTextForm"));
    setWindowTitle(tr("Press F1 for Help"));
    // The menu captions are part of the introduction screen's design.
    SetHelpContext(this, 460);
    SetCaptionDefaults(Captions);
    QGroupBox* group = MakeGroup(this, "GroupBox1", tr(" Menu Buttons"));
    Edit2 = MakeEdit(group, "Edit2", tr("Close"), 16);
    Edit3 = MakeEdit(group, "Edit3", tr("About"), 16);
    Edit4 = MakeEdit(group, "Edit4", tr("Help"), 16);
    auto* form = new QFormLayout(group);
    form->addRow(MakeLabel(group, "Label1", tr("&Close :")), Edit2);
    form->addRow(MakeLabel(group, "Label2", tr("&About :")), Edit3);
    form->addRow(MakeLabel(group, "Label3", tr("&Help :")), Edit4);
    for (int i = 0; i < 3; ++i)
        static_cast<QLabel*>(form->itemAt(i, QFormLayout::LabelRole)->widget())
            ->setBuddy(form->itemAt(i, QFormLayout::FieldRole)->widget());
    form->addRow(MakeLabel(group, "Label4", tr("Use && to indicate the Hot Key")));
    DefaultsBtn = MakeButton(this, "DefaultsBtn", tr("&Defaults"));
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DefaultsBtn);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(DefaultsBtn, &QPushButton::clicked, this, &TChangeTextForm::DefaultsBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TChangeTextForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChangeTextForm::Load(const TCaptionSet& captions)
{
    Captions = captions;
    Edit2->setText(Captions.CloseCaption.str());
    Edit3->setText(Captions.AboutCaption.str());
    Edit4->setText(Captions.HelpCaption.str());
}

void TChangeTextForm::DefaultsBtnClick()
{
    TCaptionSet defaults;
    SetCaptionDefaults(defaults);
    Load(defaults);
}

void TChangeTextForm::OKBtnClick()
{
    Captions.CloseCaption = Edit2->text();
    Captions.AboutCaption = Edit3->text();
    Captions.HelpCaption = Edit4->text();
    accept();
}

bool ChangeMenuTexts(TCaptionSet& captions)
{
    TChangeTextForm form;
    form.Load(captions);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    captions = form.Captions;
    return true;
}
