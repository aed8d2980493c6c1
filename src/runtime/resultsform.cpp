#include "runtime/resultsform.h"

#include "model/testconfig.h"
#include "platform/fonts.h"
#include "runtime/runstate.h"
#include "runtime/scorebar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

quint32 ResultsGraphColour(int scorePercent)
{
    // A score equal to the pass percentage passes.
    return scorePercent < TestConfig.PassPercentage ? TestConfig.FailGraphColor.u()
                                                    : TestConfig.PassGraphColor.u();
}

TTResultsForm::TTResultsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTResultsForm"));
    setWindowTitle(TestConfig.ResultsTitleText.str());
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    Gauge1 = new TScoreBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    TScoreBarLook look;
    look.Orientation = Qt::Vertical;
    look.BackColor = Qt::white;
    look.ForeColor = ColourToQColor(ResultsGraphColour(ScorePercent));
    Gauge1->SetLook(look);
    Gauge1->SetMaxValue(TakeCount);
    Gauge1->SetProgress(CorrectCount);
    Gauge1->setFixedSize(73, 145);
    Gauge1->setAccessibleName(tr("Results graph"));

    auto makeLabel = [this](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setAccessibleName(text);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Label1 = makeLabel(QStringLiteral("Label1"), TestConfig.QuestionsAnsweredText.str());
    Label2 = makeLabel(QStringLiteral("Label2"), QString::number(TakeCount));
    Label3 = makeLabel(QStringLiteral("Label3"), TestConfig.CorrectAnswersText.str());
    Label4 = makeLabel(QStringLiteral("Label4"), QString::number(CorrectCount));
    // A screen reader announces each count with what it counts.
    Label2->setAccessibleName(Label1->text() + u' ' + Label2->text());
    Label4->setAccessibleName(Label3->text() + u' ' + Label4->text());

    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAccessibleName(tr("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* counts = new QVBoxLayout;
    counts->addStretch(1);
    counts->addWidget(Label1);
    counts->addWidget(Label2);
    counts->addSpacing(16);
    counts->addWidget(Label3);
    counts->addWidget(Label4);
    counts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(Gauge1);
    top->addSpacing(16);
    top->addLayout(counts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    OKBtn->setFocus();
}
