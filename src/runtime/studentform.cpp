#include "runtime/studentform.h"

#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "runtime/runstate.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int AnswerWidth = 60;
}

TStudentForm::TStudentForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TStudentForm"));
    setWindowTitle(QString());
    auto* grid = new QGridLayout;
    QWidget* firstShown = nullptr;
    for (int k = 0; k < 5; ++k) {
        const QString prompt = TestConfig.StudentInputPrompt[k].str();
        auto* label = new QLabel(prompt, this);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        edit->setMaxLength(AnswerWidth);
        edit->setAccessibleName(prompt);
        edit->setMinimumWidth(260);
        label->setBuddy(edit);
        label->setAccessibleName(prompt);
        grid->addWidget(label, k, 0);
        grid->addWidget(edit, k, 1);
        const bool shown = !prompt.isEmpty();
        label->setVisible(shown);
        edit->setVisible(shown);
        if (shown && !firstShown)
            firstShown = edit;
        Labels[k] = label;
        Edits[k] = edit;
    }
    Label1 = Labels[0]; Label2 = Labels[1]; Label3 = Labels[2]; Label4 = Labels[3]; Label5 = Labels[4];
    Edit1 = Edits[0]; Edit2 = Edits[1]; Edit3 = Edits[2]; Edit4 = Edits[3]; Edit5 = Edits[4];

    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAccessibleName(tr("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (firstShown)
        firstShown->setFocus();
}

QLineEdit* TStudentForm::FirstEmptyEdit() const
{
    for (QLineEdit* edit : Edits)
        if (!edit->isHidden() && edit->text().trimmed().isEmpty())
            return edit;
    return nullptr;
}

void TStudentForm::done(int result)
{
    if (QLineEdit* empty = FirstEmptyEdit()) {
        const QString text = TestConfig.CompleteFormText.str();
        ShowError(text.isEmpty() ? tr("Please complete the form.") : text);
        empty->setFocus();
        return;
    }
    QDialog::done(result);
}

void AskStudentDetails()
{
    TStudentForm form(QApplication::activeWindow());
    ShowModal(form);
    for (int k = 0; k < 5; ++k)
        StudentAnswers[k] = form.Edits[k]->isHidden() ? QString() : form.Edits[k]->text().left(AnswerWidth);
}
