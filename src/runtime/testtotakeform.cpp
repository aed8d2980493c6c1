#include "runtime/testtotakeform.h"

#include "model/testconfig.h"
#include "platform/modal.h"
#include "runtime/runengine.h"
#include "runtime/runscreens.h"
#include "runtime/runstate.h"
#include "runtime/runwidgets.h"

#include <QSpinBox>

TTestTotakeForm::TTestTotakeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TestTotakeForm"));
    setWindowTitle(QString());
    setAccessibleName(tr("Questions to take"));

    TotalLabel = NamedLabel(this, "TotalLabel", TestConfig.TotalQuestionsText.str());
    TotalValue = CountLabel(this, "TotalValue", TestConfig.TotalQuestionsText.str(), AvailableCount);
    TakeLabel = NamedLabel(this, "TakeLabel", TestConfig.QuestionsToTakeText.str());
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::min(1, AvailableCount), AvailableCount);
    SpinEdit1->setValue(AvailableCount);
    SpinEdit1->setAccessibleName(TestConfig.QuestionsToTakeText.str());
    TakeLabel->setBuddy(SpinEdit1);
    auto* grid = new QGridLayout;
    grid->addWidget(TotalLabel, 0, 0);
    grid->addWidget(TotalValue, 0, 1);
    grid->addWidget(TakeLabel, 1, 0);
    grid->addWidget(SpinEdit1, 1, 1);
    LayOutOkCancel(*this, grid, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}

void AskTakeCount()
{
    TTestTotakeForm form(RunWindowParent());
    if (ShowModal(form) == QDialog::Accepted)
        TakeCount = form.SpinEdit1->value();
}
