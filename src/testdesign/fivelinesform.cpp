#include "testdesign/fivelinesform.h"

#include "testdesign/designlook.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

TFiveLinesForm::TFiveLinesForm(QWidget* parent, const char* objectName, const QString& groupTitle,
                               const QString& labelFormat, int helpContext, TLines lines)
    : QDialog(parent), FLines(lines)
{
    setObjectName(QString::fromLatin1(objectName));
    auto* group = new QGroupBox(groupTitle, this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    for (int k = 0; k < 5; ++k) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        const QString text = (TestConfig.*FLines)[k].str();
        // A stored text longer than the edit's limit is shown whole, never cut.
        edit->setMaxLength(qMax(50, int(text.size())));
        edit->setText(text);
        edit->setCursorPosition(0);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 44);
        QLabel* label = NewBuddyLabel(labelFormat.arg(k + 1), edit, group);
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
    SetDesignLook(*this, helpContext);

    connect(SaveBtn, &QPushButton::clicked, this, &TFiveLinesForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TFiveLinesForm::SaveBtnClick()
{
    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    const QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    for (int k = 0; k < 5; ++k)
        if (edits[k]->text() != (record.*FLines)[k].str())
            (record.*FLines)[k] = edits[k]->text();
    if (SaveRecord(record))
        accept();
}
