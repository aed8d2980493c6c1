#include "testdesign/scoredesignform.h"

#include "platform/colordialog.h"
#include "platform/modal.h"
#include "runtime/scorebar.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The sample the preview shows: 6 of 10 questions right.
constexpr int SampleTotal = 10;
constexpr int SampleRight = 6;

} // namespace

TScoreDesignForm::TScoreDesignForm(const TQuestionScreenColors& block, QWidget* parent)
    : QDialog(parent), FBlock(block)
{
    setObjectName(QStringLiteral("ScoreDesignForm"));
    FPanel = RecordColour(block.ScorePanelColor.u());
    FText = RecordColour(block.ScorePanelTextColor.u());
    FBar = RecordColour(block.ScoreBarColor.u());
    FProgress = RecordColour(block.ScoreProgressColor.u());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setFixedSize(300, 84);
    Panel1->setAccessibleName(tr("Score panel preview"));
    TotQuestLbl = new QLabel(TestConfig.TotalQuestionsText.str(), Panel1);
    TotQuestLbl->setObjectName(QStringLiteral("TotQuestLbl"));
    ShowTquestlbl = new QLabel(QString::number(SampleTotal), Panel1);
    ShowTquestlbl->setObjectName(QStringLiteral("ShowTquestlbl"));
    ScoreLbl = new QLabel(TestConfig.ScoreText.str(), Panel1);
    ScoreLbl->setObjectName(QStringLiteral("ScoreLbl"));
    Panel2 = new TScoreBar(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAccessibleName(tr("Score bar preview"));
    Panel2->SetMaxValue(SampleTotal);
    Panel2->SetProgress(SampleRight);
    Panel2->setFixedHeight(22);
    auto* preview = new QGridLayout(Panel1);
    preview->addWidget(TotQuestLbl, 0, 0);
    preview->addWidget(ShowTquestlbl, 0, 1);
    preview->addWidget(ScoreLbl, 1, 0);
    preview->addWidget(Panel2, 1, 1);
    preview->setColumnStretch(1, 1);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        NameControl(b, name, caption);
        return b;
    };
    PanelBtn = button("PanelBtn", tr("&Score Panel"));
    TextBtn = button("TextBtn", tr("&Text"));
    BarBtn = button("BarBtn", tr("Score &Bar"));
    ProgressBtn = button("ProgressBtn", tr("&Progress"));
    OKBtn = button("OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", tr("&Cancel"));

    auto* colourButtons = new QGridLayout;
    colourButtons->addWidget(PanelBtn, 0, 0);
    colourButtons->addWidget(TextBtn, 0, 1);
    colourButtons->addWidget(BarBtn, 1, 0);
    colourButtons->addWidget(ProgressBtn, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Panel1, 0, Qt::AlignHCenter);
    outer->addSpacing(6);
    outer->addLayout(colourButtons);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    SetDesignLook(*this, 325);

    QWidget* order[] = {PanelBtn, TextBtn, BarBtn, ProgressBtn, OKBtn, CancelBtn};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(PanelBtn, &QPushButton::clicked, this, &TScoreDesignForm::PanelBtnClick);
    connect(TextBtn, &QPushButton::clicked, this, &TScoreDesignForm::TextBtnClick);
    connect(BarBtn, &QPushButton::clicked, this, &TScoreDesignForm::BarBtnClick);
    connect(ProgressBtn, &QPushButton::clicked, this, &TScoreDesignForm::ProgressBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ShowColours();
    PanelBtn->setFocus();
}

void TScoreDesignForm::ShowColours()
{
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, FPanel);
    pal.setColor(QPalette::WindowText, FText);
    Panel1->setPalette(pal);
    Panel2->SetBackColor(FBar);
    Panel2->SetForeColor(FProgress);
    // The buttons tell a screen reader the colour they would change.
    PanelBtn->setAccessibleDescription(ColourName(FPanel));
    TextBtn->setAccessibleDescription(ColourName(FText));
    BarBtn->setAccessibleDescription(ColourName(FBar));
    ProgressBtn->setAccessibleDescription(ColourName(FProgress));
}

void TScoreDesignForm::PanelBtnClick()
{
    if (ExecuteColorDialog(FPanel, 325))
        ShowColours();
}

void TScoreDesignForm::TextBtnClick()
{
    if (ExecuteColorDialog(FText, 325))
        ShowColours();
}

void TScoreDesignForm::BarBtnClick()
{
    if (ExecuteColorDialog(FBar, 325))
        ShowColours();
}

void TScoreDesignForm::ProgressBtnClick()
{
    if (ExecuteColorDialog(FProgress, 325))
        ShowColours();
}

TQuestionScreenColors TScoreDesignForm::Colours() const
{
    TQuestionScreenColors block = FBlock;
    auto put = [](Colour& field, const QColor& colour) {
        if (colour != RecordColour(field.u()))
            field = RecordValue(colour);
    };
    put(block.ScorePanelColor, FPanel);
    put(block.ScorePanelTextColor, FText);
    put(block.ScoreBarColor, FBar);
    put(block.ScoreProgressColor, FProgress);
    return block;
}

bool DesignScoreBar(TQuestionScreenColors& block, QWidget* parent)
{
    TScoreDesignForm form(block, parent);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    block = form.Colours();
    return true;
}
