#include "testdesign/studentinputform.h"

#include "model/testconfig.h"
#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TStudentInputForm::TStudentInputForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StudentInputForm"));
    auto* group = new QGroupBox(tr(" Get Student Input "), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    for (int k = 0; k < 5; ++k) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        const QString text = TestConfig.StudentInputPrompt[k].str();
        edit->setMaxLength(qMax(50, int(text.size())));
        edit->setText(text);
        edit->setCursorPosition(0);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 44);
        QLabel* label = NewBuddyLabel(tr("Input %1").arg(k + 1), edit, group);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        grid->addWidget(label, k, 0);
        grid->addWidget(edit, k, 1);
        *edits[k] = edit;
    }
    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);
    outer->addLayout(buttons);
    SetDesignLook(*this, 304);

    connect(SaveBtn, &QPushButton::clicked, this, &TStudentInputForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TStudentInputForm::SaveBtnClick()
{
    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    const QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    for (int k = 0; k < 5; ++k)
        if (edits[k]->text() != record.StudentInputPrompt[k].str())
            record.StudentInputPrompt[k] = edits[k]->text();
    if (SaveRecord(record))
        accept();
}

void CustomizeStudentInput(QWidget* parent)
{
    TStudentInputForm form(parent);
    ShowModal(form);
}
