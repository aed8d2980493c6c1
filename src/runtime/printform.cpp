#include "runtime/printform.h"

#include "model/testconfig.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tprintform::Tprintform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tprintform"));
    setWindowTitle(QString());

    Panel1 = new QLabel(TestConfig.PrintResultsText.str(), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(Panel1->text());
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setWordWrap(true);
    Panel1->setMargin(12);
    Panel1->setMinimumWidth(300);

    YesBtn = new QPushButton(tr("&Yes"), this);
    YesBtn->setObjectName(QStringLiteral("YesBtn"));
    YesBtn->setAccessibleName(tr("Yes"));
    YesBtn->setDefault(true);
    NoBtn = new QPushButton(tr("&No"), this);
    NoBtn->setObjectName(QStringLiteral("NoBtn"));
    NoBtn->setAccessibleName(tr("No"));
    connect(YesBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(NoBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(YesBtn);
    buttons->addWidget(NoBtn);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    YesBtn->setFocus();
}
