#include "runtime/testtotakeform.h"

#include "model/testconfig.h"
#include "platform/modal.h"
#include "runtime/runengine.h"
#include "runtime/runscreens.h"
#include "runtime/runstate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TTestTotakeForm::TTestTotakeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TestTotakeForm"));
    setWindowTitle(QString());
    setAccessibleName(tr("Questions to take"));

    TotalLabel = NamedLabel(this, "TotalLabel", TestConfig.TotalQuestionsText.str());
    TotalValue = NamedLabel(this, "TotalValue", QString::number(AvailableCount));
    TotalValue->setAccessibleName(TestConfig.TotalQuestionsText.str() + u' ' + QString::number(AvailableCount));
    TakeLabel = NamedLabel(this, "TakeLabel", TestConfig.QuestionsToTakeText.str());
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::min(1, AvailableCount), AvailableCount);
    SpinEdit1->setValue(AvailableCount);
    SpinEdit1->setAccessibleName(TestConfig.QuestionsToTakeText.str());
    TakeLabel->setBuddy(SpinEdit1);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* grid = new QGridLayout;
    grid->addWidget(TotalLabel, 0, 0);
    grid->addWidget(TotalValue, 0, 1);
    grid->addWidget(TakeLabel, 1, 0);
    grid->addWidget(SpinEdit1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}

void AskTakeCount()
{
    TTestTotakeForm form(RunWindowParent());
    if (ShowModal(form) == QDialog::Accepted)
        TakeCount = form.SpinEdit1->value();
}
