#include "runtime/startquestionform.h"

#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "runtime/runengine.h"
#include "runtime/runscreens.h"
#include "runtime/runstate.h"
#include "runtime/runwidgets.h"

#include <QSpinBox>

TStartQuestionForm::TStartQuestionForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StartQuestionForm"));
    setWindowTitle(QString());
    setAccessibleName(tr("Start question"));

    TotalLabel = NamedLabel(this, "TotalLabel", TestConfig.TotalQuestionsText.str());
    TotalValue = CountLabel(this, "TotalValue", TestConfig.TotalQuestionsText.str(), AvailableCount);
    TakeLabel = NamedLabel(this, "TakeLabel", TestConfig.QuestionsToTakeText.str());
    TakeValue = CountLabel(this, "TakeValue", TestConfig.QuestionsToTakeText.str(), TakeCount);
    StartLabel = NamedLabel(this, "StartLabel", TestConfig.StartAtQuestionText.str());
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::min(1, AvailableCount), AvailableCount);
    SpinEdit1->setValue(1);
    SpinEdit1->setAccessibleName(TestConfig.StartAtQuestionText.str());
    StartLabel->setBuddy(SpinEdit1);
    auto* grid = new QGridLayout;
    grid->addWidget(TotalLabel, 0, 0);
    grid->addWidget(TotalValue, 0, 1);
    grid->addWidget(TakeLabel, 1, 0);
    grid->addWidget(TakeValue, 1, 1);
    grid->addWidget(StartLabel, 2, 0);
    grid->addWidget(SpinEdit1, 2, 1);
    LayOutOkCancel(*this, grid, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &TStartQuestionForm::OKBtnClick);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}

void TStartQuestionForm::OKBtnClick()
{
    SpinEdit1->interpretText();
    if (SpinEdit1->value() + TakeCount - 1 > AvailableCount) {
        ShowError(MaxStartQuestionMessage());
        SpinEdit1->setValue(MaxStartQuestion());
        SpinEdit1->setFocus();
        return;
    }
    accept();
}

void AskStartQuestion()
{
    TStartQuestionForm form(RunWindowParent());
    if (ShowModal(form) == QDialog::Accepted)
        StartQuestion = form.SpinEdit1->value();
}
