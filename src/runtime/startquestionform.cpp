#include "runtime/startquestionform.h"

#include "model/testconfig.h"
#include "platform/messages.h"
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

TStartQuestionForm::TStartQuestionForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StartQuestionForm"));
    setWindowTitle(QString());
    setAccessibleName(tr("Start question"));

    TotalLabel = NamedLabel(this, "TotalLabel", TestConfig.TotalQuestionsText.str());
    TotalValue = NamedLabel(this, "TotalValue", QString::number(AvailableCount));
    TotalValue->setAccessibleName(TestConfig.TotalQuestionsText.str() + u' ' + QString::number(AvailableCount));
    TakeLabel = NamedLabel(this, "TakeLabel", TestConfig.QuestionsToTakeText.str());
    TakeValue = NamedLabel(this, "TakeValue", QString::number(TakeCount));
    TakeValue->setAccessibleName(TestConfig.QuestionsToTakeText.str() + u' ' + QString::number(TakeCount));
    StartLabel = NamedLabel(this, "StartLabel", TestConfig.StartAtQuestionText.str());
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::min(1, AvailableCount), AvailableCount);
    SpinEdit1->setValue(1);
    SpinEdit1->setAccessibleName(TestConfig.StartAtQuestionText.str());
    StartLabel->setBuddy(SpinEdit1);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* grid = new QGridLayout;
    grid->addWidget(TotalLabel, 0, 0);
    grid->addWidget(TotalValue, 0, 1);
    grid->addWidget(TakeLabel, 1, 0);
    grid->addWidget(TakeValue, 1, 1);
    grid->addWidget(StartLabel, 2, 0);
    grid->addWidget(SpinEdit1, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    connect(OKBtn, &QPushButton::clicked, this, &TStartQuestionForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
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
