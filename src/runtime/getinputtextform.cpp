#include "runtime/getinputtextform.h"

#include "platform/modal.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TGetInputTextForm::TGetInputTextForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetInputTextForm"));
    setWindowTitle(tr("Find"));
    setToolTip(tr("Press F1 for Help"));

    Label1 = new QLabel(tr("Entry to Find :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    FindFirstBtn = new QPushButton(tr("Find First"), this);
    FindFirstBtn->setObjectName(QStringLiteral("FindFirstBtn"));
    FindNextBtn = new QPushButton(tr("Find Next"), this);
    FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    FindFirstBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FindFirstBtn);
    buttons->addWidget(FindNextBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(FindFirstBtn, &QPushButton::clicked, this, &TGetInputTextForm::FindFirstBtnClick);
    connect(FindNextBtn, &QPushButton::clicked, this, &TGetInputTextForm::FindNextBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TGetInputTextForm::FindFirstBtnClick() { done(frFindFirst); }
void TGetInputTextForm::FindNextBtnClick() { done(frFindNext); }

int AskFindText(QString& text)
{
    // Parented to the active window, so F1 opens that window's help context.
    TGetInputTextForm form(QApplication::activeWindow());
    form.Edit1->setText(text);
    form.Edit1->selectAll();
    const int result = ShowModal(form);
    if (result != TGetInputTextForm::frFindFirst && result != TGetInputTextForm::frFindNext)
        return TGetInputTextForm::frCancelled;
    text = form.Edit1->text();
    return result;
}
