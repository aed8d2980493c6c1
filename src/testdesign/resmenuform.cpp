#include "testdesign/resmenuform.h"

#include "model/testconfig.h"
#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QPushButton>
#include <QVBoxLayout>

TResMenuForm::TResMenuForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ResMenuForm"));
    GraphBtn = new QPushButton(tr("Customize Results &Graph"), this);
    NameControl(GraphBtn, "GraphBtn", GraphBtn->text());
    GroupsBtn = new QPushButton(tr("Customize &Score Groups"), this);
    NameControl(GroupsBtn, "GroupsBtn", GroupsBtn->text());
    FeedbackBtn = new QPushButton(tr("Customize Results &Feedback"), this);
    NameControl(FeedbackBtn, "FeedbackBtn", FeedbackBtn->text());
    InputBtn = new QPushButton(tr("Customize Student &Input"), this);
    NameControl(InputBtn, "InputBtn", InputBtn->text());
    OutputBtn = new QPushButton(tr("Customize Results &Output"), this);
    NameControl(OutputBtn, "OutputBtn", OutputBtn->text());
    CloseBtn = new QPushButton(tr("&Close"), this);
    NameControl(CloseBtn, "CloseBtn", CloseBtn->text());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    for (QPushButton* b : {GraphBtn, GroupsBtn, FeedbackBtn, InputBtn, OutputBtn, CloseBtn}) {
        b->setMinimumSize(240, 30);
        layout->addWidget(b);
    }
    layout->insertSpacing(5, 8);
    SetDesignLook(*this, 300);

    connect(GraphBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, GraphBtn, [this] { DesignResultsGraph(this); });
    });
    connect(GroupsBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, GroupsBtn, [this] { DesignScoreGroups(this); });
    });
    connect(FeedbackBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, FeedbackBtn, [this] { CustomizeResultsFeedback(this); });
    });
    connect(InputBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, InputBtn, [this] { CustomizeStudentInput(this); });
    });
    connect(OutputBtn, &QPushButton::clicked, this, [this] {
        RunFromMenu(*this, OutputBtn, [this] { DesignDataFileLines(this); });
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    ApplyRules();
    for (QPushButton* b : {GraphBtn, GroupsBtn, FeedbackBtn, InputBtn, OutputBtn, CloseBtn})
        if (b->isEnabled()) {
            b->setFocus();
            break;
        }
}

void TResMenuForm::ApplyRules()
{
    const TTestConfig& c = TestConfig;
    const bool graph = c.ShowResultsGraph;
    const bool output = c.SaveResultsToPrinter || c.SaveResultsToDisk;
    GraphBtn->setEnabled(graph);
    GroupsBtn->setEnabled(graph || c.UseSwapFile);
    FeedbackBtn->setEnabled(graph);
    InputBtn->setEnabled(output);
    OutputBtn->setEnabled(output);
}

void CustomizeResults(QWidget* parent)
{
    TResMenuForm form(parent);
    ShowModal(form);
}
