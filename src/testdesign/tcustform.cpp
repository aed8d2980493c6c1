#include "testdesign/tcustform.h"

#include "model/testconfig.h"
#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>

TTCustForm::TTCustForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCustForm"));
    TextBtn = new QPushButton(tr("Customize Test &Text"), this);
    NameControl(TextBtn, "TextBtn", TextBtn->text());
    FunctBtn = new QPushButton(tr("Customize Test &Functions"), this);
    NameControl(FunctBtn, "FunctBtn", FunctBtn->text());
    QuestBtn = new QPushButton(tr("Customize &Question Display"), this);
    NameControl(QuestBtn, "QuestBtn", QuestBtn->text());
    ResultsBtn = new QPushButton(tr("Customize Test &Results "), this);
    NameControl(ResultsBtn, "ResultsBtn", ResultsBtn->text());
    CloseBtn = new QPushButton(tr("&Close"), this);
    NameControl(CloseBtn, "CloseBtn", CloseBtn->text());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    for (QPushButton* b : {TextBtn, FunctBtn, QuestBtn, ResultsBtn, CloseBtn}) {
        b->setMinimumSize(240, 30);
        layout->addWidget(b);
    }
    layout->insertSpacing(4, 8);
    SetDesignLook(*this, 205);

    connect(TextBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, TextBtn, [this] { CustomizeTexts(this); });
    });
    connect(FunctBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, FunctBtn, [this] { CustomizeFunctions(this); });
        ApplyRules();
    });
    connect(QuestBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, QuestBtn, [this] { CustomizeQuestionDisplay(this); });
    });
    connect(ResultsBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, ResultsBtn, [this] { CustomizeResults(this); });
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    ApplyRules();
    TextBtn->setFocus();
}

void TTCustForm::ApplyRules()
{
    const TTestConfig& c = TestConfig;
    ResultsBtn->setEnabled(c.ShowResultsGraph || c.SaveResultsToPrinter || c.SaveResultsToDisk || c.UseSwapFile);
}

void TestPresentationMenu()
{
    TTCustForm form(QApplication::activeWindow());
    ShowModal(form);
}
