#include "authoring/addquestionform.h"

#include "model/ansi.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAddQuestionForm::TAddQuestionForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddQuestionForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 145);

    Label1 = new QLabel(tr("Enter a Test Question Identifier"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(25);
    Edit1->setMinimumWidth(260);
    Label1->setBuddy(Edit1);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));

    Edit1->installEventFilter(this);
    connect(OKBtn, &QPushButton::clicked, this, &TAddQuestionForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

bool TAddQuestionForm::IdentifierInUse(const QString& identifier)
{
    // What would be stored: Windows-1252, at most 32 characters.
    ShortString<32> typed{};
    typed.assign(identifier);
    const QString wanted = typed.str().toUpper();
    QStringList identifiers;
    if (!ListIdentifiers(identifiers))
        return false;
    for (const QString& id : identifiers)
        if (id.toUpper() == wanted)
            return true;
    return false;
}

bool TAddQuestionForm::Edit1Exit()
{
    if (Edit1->text().isEmpty() || FChecking)
        return true;
    if (!IdentifierInUse(Edit1->text()))
        return true;
    FChecking = true;
    ShowError(tr("That Identifier is already in use."));
    Edit1->clear();
    Edit1->setFocus();
    FChecking = false;
    return false;
}

void TAddQuestionForm::OKBtnClick()
{
    if (Edit1->text().isEmpty()) {
        ShowError(tr("The Identifier must be defined."));
        Edit1->setFocus();
        return;
    }
    // Enter closes the dialog without the focus leaving the field, so the
    // clash check runs here too.
    if (!Edit1Exit())
        return;
    accept();
}

bool TAddQuestionForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking the focus is not the author leaving the
        // field; neither is a click on Cancel, which always closes.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && QApplication::focusWidget() != CancelBtn)
            Edit1Exit();
    }
    return QDialog::eventFilter(watched, event);
}

bool RunIdentifierDialog()
{
    TAddQuestionForm form;
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    QuestionBuffer.Identifier.assign(form.Edit1->text());
    return true;
}
