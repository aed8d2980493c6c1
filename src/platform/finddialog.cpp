#include "platform/finddialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFindDialog"));
    setWindowTitle(tr("Find"));
    setModal(false);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    QLabel* label = new QLabel(tr("Fi&nd what:"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setMinimumWidth(220);
    label->setBuddy(FindEdit);
    FindNextBtn = new QPushButton(tr("&Find Next"), this);
    FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
    FindNextBtn->setDefault(true);
    FindNextBtn->setEnabled(false);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    QGridLayout* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(FindEdit, 0, 1);
    grid->addWidget(FindNextBtn, 0, 2);
    grid->addWidget(CancelBtn, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(FindEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { FindNextBtn->setEnabled(!t.isEmpty()); });
    connect(FindNextBtn, &QPushButton::clicked, this, [this]() {
        if (!FindEdit->text().isEmpty())
            Q_EMIT Find(FindEdit->text());
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::hide);
}

QString TFindDialog::FindText() const { return FindEdit->text(); }

void TFindDialog::SetFindText(const QString& text) { FindEdit->setText(text); }

void TFindDialog::Execute()
{
    show();
    raise();
    activateWindow();
    FindEdit->setFocus();
    FindEdit->selectAll();
}
