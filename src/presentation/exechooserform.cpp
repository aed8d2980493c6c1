#include "presentation/exechooserform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "presentation/mediachoosers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TExeChooserForm::TExeChooserForm(int helpContext, const QString& groupCaption, const QList<TChoice>& choices,
                                 QWidget* parent)
    : QDialog(parent), FChoices(choices), FHelpContext(helpContext)
{
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, helpContext);
    GroupBox1 = MakeGroup(this, "GroupBox1", groupCaption);
    auto* grid = new QGridLayout(GroupBox1);
    for (int i = 0; i < choices.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        QRadioButton* radio = MakeRadio(GroupBox1, ("RadioButton" + n).constData(), choices[i].Caption);
        QPushButton* add = MakeButton(GroupBox1, ("AddBtn" + n).constData(), tr("Add"));
        add->setAccessibleDescription(AccessibleCaption(choices[i].Caption));
        grid->addWidget(radio, i, 0);
        grid->addWidget(add, i, 1);
        Radios << radio;
        Adds << add;
        connect(radio, &QRadioButton::clicked, this, [this, i] { RadioClick(i); });
        connect(add, &QPushButton::clicked, this, [this, i] { AddClick(i); });
    }
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    HelpBtn = MakeButton(this, "HelpBtn", tr("&Help"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowHelp(FHelpContext); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    setMinimumWidth(340);
    Open(QString(), 4);
}

void TExeChooserForm::Open(const QString& command, int type)
{
    Remembered.clear();
    int index = 0;
    for (int i = 0; i < FChoices.size(); ++i)
        if (FChoices[i].Type == type)
            index = i;
    if (FChoices[index].Type == type) {
        Command = command;
        Type = type;
        Remembered[type] = command;
    } else {
        // A command of another kind (a picture, a sound) is no program.
        Command.clear();
        Type = FChoices[0].Type;
    }
    Radios[index]->setChecked(true);
    RadioClick(index);
}

void TExeChooserForm::RadioClick(int index)
{
    for (int i = 0; i < Adds.size(); ++i)
        Adds[i]->setEnabled(i == index);
    Adds[index]->setFocus();
}

void TExeChooserForm::AddClick(int index)
{
    const int type = FChoices[index].Type;
    QString value = Remembered.value(type);
    bool ok = false;
    if (type == 4)
        ok = GetExeCommand(value);
    else if (type == 9)
        ok = GetWinExeCommand(value);
    else if (type == 10)
        ok = GetHtmCommand(value);
    if (!ok)
        return;
    Remembered[type] = value;
    Command = value;
    Type = type;
    OKBtn->setFocus();
}

bool RunExeChooser(TExeChooserForm& form, QString& command, int& type)
{
    form.Open(command, type);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    // Nothing made and nothing brought in: no command is defined.
    if (form.Command.trimmed().isEmpty())
        return false;
    command = form.Command;
    type = form.Type;
    return true;
}
