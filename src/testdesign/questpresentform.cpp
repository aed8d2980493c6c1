#include "testdesign/questpresentform.h"

#include "platform/colordialog.h"
#include "platform/modal.h"
#include "testdesign/colourswatch.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TQuestPresentForm::TQuestPresentForm(QWidget* parent) : QDialog(parent), Block(TestConfig.QuestionScreen)
{
    setObjectName(QStringLiteral("QuestPresentForm"));
    GroupBox1 = new QGroupBox(tr("Answer Bar Color"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Panel1 = new TColourSwatch(GroupBox1->title(), GroupBox1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(260, 44);
    // Captioned as the question screen captions its first answer button.
    SampleBtn = new QPushButton(TestConfig.AnswerText.str().left(11) + QStringLiteral("  A"), Panel1);
    SampleBtn->setObjectName(QStringLiteral("SampleBtn"));
    // A picture of an answer button, not something to press.
    SampleBtn->setFocusPolicy(Qt::NoFocus);
    SampleBtn->setAttribute(Qt::WA_TransparentForMouseEvents);
    SampleBtn->setGeometry(10, 8, qMax(90, SampleBtn->sizeHint().width()), 28);
    Button2 = new QPushButton(tr("Select"), GroupBox1);
    NameControl(Button2, "Button2", Button2->text());
    Button2->setAccessibleDescription(GroupBox1->title());
    auto* bar = new QHBoxLayout(GroupBox1);
    bar->addWidget(Panel1);
    bar->addWidget(Button2);

    CheckBox10 = new QCheckBox(tr("Display Score Panel"), this);
    NameControl(CheckBox10, "CheckBox10", CheckBox10->text());
    Button1 = new QPushButton(tr("Design Score Bar"), this);
    NameControl(Button1, "Button1", Button1->text());

    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());

    auto* score = new QHBoxLayout;
    score->addWidget(CheckBox10);
    score->addStretch(1);
    score->addWidget(Button1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(GroupBox1);
    outer->addSpacing(6);
    outer->addLayout(score);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    SetDesignLook(*this, 320);

    QWidget* order[] = {Panel1, Button2, CheckBox10, Button1, SaveBtn, CancelBtn};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    Panel1->SetColour(RecordColour(Block.AnswerBarColor.u()));
    CheckBox10->setChecked(Block.DisplayScorePanel);
    Button1->setEnabled(CheckBox10->isChecked());

    connect(Button2, &QPushButton::clicked, this, &TQuestPresentForm::Button2Click);
    connect(Panel1, &TColourSwatch::activated, this, &TQuestPresentForm::Button2Click);
    connect(CheckBox10, &QCheckBox::clicked, this, &TQuestPresentForm::CheckBox10Click);
    connect(Button1, &QPushButton::clicked, this, &TQuestPresentForm::Button1Click);
    connect(SaveBtn, &QPushButton::clicked, this, &TQuestPresentForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Button2->setFocus();
}

void TQuestPresentForm::Button2Click()
{
    QColor colour = Panel1->Colour();
    if (!ExecuteColorDialog(colour, 320))
        return;
    Panel1->SetColour(colour);
    if (colour != RecordColour(Block.AnswerBarColor.u()))
        Block.AnswerBarColor = RecordValue(colour);
}

void TQuestPresentForm::CheckBox10Click()
{
    // A flag the author leaves as loaded keeps its stored byte.
    if (bool(Block.DisplayScorePanel) != CheckBox10->isChecked())
        Block.DisplayScorePanel = CheckBox10->isChecked();
    Button1->setEnabled(CheckBox10->isChecked());
}

void TQuestPresentForm::Button1Click()
{
    // The score bar dialog runs above this one, which stays on screen with
    // its modal loop running.
    RunFromMenu(*this, Button1, [this] { DesignScoreBar(Block, this); });
}

void TQuestPresentForm::SaveBtnClick()
{
    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    record.QuestionScreen = Block;
    if (SaveRecord(record))
        accept();
}

void CustomizeQuestionDisplay(QWidget* parent)
{
    TQuestPresentForm form(parent);
    ShowModal(form);
}
