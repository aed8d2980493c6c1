#include "runtime/notefileform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "runtime/hnotesform.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNoteFileForm::TNoteFileForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NoteFileForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 590);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));   // teal
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    GroupBox1 = new QGroupBox(tr(" Enter Text Filename "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(60);
    auto* inner = new QVBoxLayout(GroupBox1);
    inner->addWidget(Edit1);
    ViewBtn = new QPushButton(tr("&View"), this);
    ViewBtn->setObjectName(QStringLiteral("ViewBtn"));
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ViewBtn);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(ViewBtn, &QPushButton::clicked, this, &TNoteFileForm::ViewBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TNoteFileForm::ViewBtnClick()
{
    if (!Edit1->text().trimmed().isEmpty())
        ShowNotepad(Edit1->text().trimmed());
}

bool EditNoteFileName(QString& name)
{
    TNoteFileForm form(QApplication::activeWindow());
    form.Edit1->setText(name);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    name = form.Edit1->text();
    return true;
}
