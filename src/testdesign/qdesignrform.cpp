#include "testdesign/qdesignrform.h"

#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/colordialog.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "testdesign/colourswatch.h"
#include "testdesign/designlook.h"
#include "testdesign/fieldchecks.h"
#include "testdesign/testpresentation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TQDesignRForm::TQDesignRForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QDesignRForm"));
    FChecks = new TFieldChecks(this);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(3);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Label1 = NewBuddyLabel(tr("Test Pass Percentage :"), Edit1, this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Panel1 = new TColourSwatch(tr("Graph color if passed :"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(60, 90);
    Panel1->SetGaugePercent(75);
    Label2 = new QLabel(tr("Graph color if passed :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    PassBtn = new QPushButton(tr("&Pass"), this);
    NameControl(PassBtn, "PassBtn", PassBtn->text());

    Panel2 = new TColourSwatch(tr("Graph color if failed :"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedSize(60, 90);
    Panel2->SetGaugePercent(25);
    Label3 = new QLabel(tr("Graph color if failed :"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    FailBtn = new QPushButton(tr("&Fail"), this);
    NameControl(FailBtn, "FailBtn", FailBtn->text());
    // The buttons say what they colour.
    PassBtn->setAccessibleDescription(PlainCaption(Label2->text()));
    FailBtn->setAccessibleDescription(PlainCaption(Label3->text()));

    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Edit1, 0, 2, Qt::AlignLeft);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Panel1, 1, 1);
    grid->addWidget(PassBtn, 1, 2, Qt::AlignVCenter);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Panel2, 2, 1);
    grid->addWidget(FailBtn, 2, 2, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    SetDesignLook(*this, 302);

    QWidget* order[] = {Edit1, Panel1, PassBtn, Panel2, FailBtn, SaveBtn, CancelBtn};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // A stored number is shown whole, even one too long for the edit, so
    // that the check sees it rather than a shortened one.
    const QString pass = QString::number(TestConfig.PassPercentage.get());
    Edit1->setMaxLength(qMax(3, int(pass.size())));
    Edit1->setText(pass);
    Panel1->SetColour(RecordColour(TestConfig.PassGraphColor.u()));
    Panel2->SetColour(RecordColour(TestConfig.FailGraphColor.u()));

    FChecks->SetCancelButton(CancelBtn);
    FChecks->Watch(Edit1, [this] { return Edit1Exit(); });
    connect(PassBtn, &QPushButton::clicked, this, &TQDesignRForm::PassBtnClick);
    connect(Panel1, &TColourSwatch::activated, this, &TQDesignRForm::PassBtnClick);
    connect(FailBtn, &QPushButton::clicked, this, &TQDesignRForm::FailBtnClick);
    connect(Panel2, &TColourSwatch::activated, this, &TQDesignRForm::FailBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TQDesignRForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

bool TQDesignRForm::Edit1Exit()
{
    const QString text = Edit1->text();
    if (text.isEmpty())
        return true;
    int value = 0;
    QString error;
    if (!TryStrToInt(text, value))
        error = tr("That is not a valid number");
    else if (value > 100)
        error = tr("100% is the maximum");
    else if (value < 0)
        error = tr("The score cannot be less than 0");
    if (error.isEmpty())
        return true;
    ShowFormError(this, error);
    Edit1->setText(QStringLiteral("50"));
    Edit1->setFocus();
    return false;
}

void TQDesignRForm::PassBtnClick()
{
    QColor colour = Panel1->Colour();
    if (ExecuteColorDialog(colour, 302))
        Panel1->SetColour(colour);
}

void TQDesignRForm::FailBtnClick()
{
    QColor colour = Panel2->Colour();
    if (ExecuteColorDialog(colour, 302))
        Panel2->SetColour(colour);
}

void TQDesignRForm::SaveBtnClick()
{
    if (!FChecks->Run([this] { return Edit1Exit(); }))
        return;
    if (Edit1->text().isEmpty()) {
        ShowFormError(this, tr("The pass percentage must be entered"));
        Edit1->setFocus();
        return;
    }
    // The number saved is the one the check accepted, read by the same parser.
    int value = 0;
    TryStrToInt(Edit1->text(), value);
    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    record.PassPercentage = qint32(value);
    // A colour the author did not change keeps its stored bytes.
    if (Panel1->Colour() != RecordColour(record.PassGraphColor.u()))
        record.PassGraphColor = RecordValue(Panel1->Colour());
    if (Panel2->Colour() != RecordColour(record.FailGraphColor.u()))
        record.FailGraphColor = RecordValue(Panel2->Colour());
    if (SaveRecord(record))
        accept();
}

void DesignResultsGraph(QWidget* parent)
{
    TQDesignRForm form(parent);
    ShowModal(form);
}
