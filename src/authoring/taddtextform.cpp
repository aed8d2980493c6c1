#include "authoring/taddtextform.h"

#include "authoring/attachments.h"
#include "authoring/questeditform.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const RowSuffixes[TTAddTextForm::RowCount] = {"^INFO^", "^EXP^", "^RT^", "^WG^"};

Flag TQuestionRecord::*const RowFlags[TTAddTextForm::RowCount] = {
    &TQuestionRecord::HasInformation, &TQuestionRecord::HasExplanation, &TQuestionRecord::HasRightFeedback,
    &TQuestionRecord::HasWrongFeedback};

const QString InfoSource = QStringLiteral("INFO");
const QString QuestSource = QStringLiteral("QUEST");

QLabel* MakeMark(QWidget* parent, const char* name)
{
    auto* p = new QLabel(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    p->setPalette(pal);
    QFont f = p->font();
    f.setPixelSize(15);
    p->setFont(f);
    p->setFixedSize(24, 24);
    return p;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

QString TTAddTextForm::RowSuffix(int row) { return QString::fromLatin1(RowSuffixes[row]); }
bool TTAddTextForm::RowFlag(const TQuestionRecord& record, int row) { return record.*RowFlags[row]; }
void TTAddTextForm::SetRowFlag(TQuestionRecord& record, int row, bool set) { record.*RowFlags[row] = set; }
// A check mark: the symbol font of other desktops is not at hand here, so
// the mark is the Unicode character in the panel's own font.
QString TTAddTextForm::CheckMark() { return QString(QChar(0x2714)); }

TTAddTextForm::TTAddTextForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAddTextForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 141);

    GroupBox1 = new QGroupBox(tr(" Required Information "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label1 = new QLabel(tr("Create or Edit Question Text"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Button1 = MakeButton(GroupBox1, "Button1", tr("Create/Edit"));
    Label2 = new QLabel(tr("Number of Answers"), GroupBox1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(1);
    Edit1->setFixedWidth(36);
    Label3 = new QLabel(tr("Correct Answer"), GroupBox1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(1);
    Edit2->setFixedWidth(36);
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    {
        auto* g = new QGridLayout(GroupBox1);
        g->addWidget(Label1, 0, 0);
        g->addWidget(Button1, 0, 1, Qt::AlignLeft);
        g->addWidget(Label2, 1, 0);
        g->addWidget(Edit1, 1, 1, Qt::AlignLeft);
        g->addWidget(Label3, 2, 0);
        g->addWidget(Edit2, 2, 1, Qt::AlignLeft);
        g->setColumnStretch(2, 1);
    }

    GroupBox2 = new QGroupBox(tr(" Optional Information "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Label4 = new QLabel(tr("Information"), GroupBox2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Panel1 = MakeMark(GroupBox2, "Panel1");
    Button3 = MakeButton(GroupBox2, "Button3", tr("Add/Edit"));
    Button6 = MakeButton(GroupBox2, "Button6", tr("Delete"));
    Label5 = new QLabel(tr("Explanation"), GroupBox2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Panel2 = MakeMark(GroupBox2, "Panel2");
    Button2 = MakeButton(GroupBox2, "Button2", tr("Add/Edit"));
    Button7 = MakeButton(GroupBox2, "Button7", tr("Delete"));
    Label6 = new QLabel(tr("Right Feedback"), GroupBox2);
    Label6->setObjectName(QStringLiteral("Label6"));
    Panel3 = MakeMark(GroupBox2, "Panel3");
    Button4 = MakeButton(GroupBox2, "Button4", tr("Add/Edit"));
    Button8 = MakeButton(GroupBox2, "Button8", tr("Delete"));
    Label7 = new QLabel(tr("Wrong Feedback"), GroupBox2);
    Label7->setObjectName(QStringLiteral("Label7"));
    Panel4 = MakeMark(GroupBox2, "Panel4");
    Button5 = MakeButton(GroupBox2, "Button5", tr("Add/Edit"));
    Button9 = MakeButton(GroupBox2, "Button9", tr("Delete"));
    {
        auto* g = new QGridLayout(GroupBox2);
        QLabel* labels[RowCount] = {Label4, Label5, Label6, Label7};
        for (int row = 0; row < RowCount; ++row) {
            g->addWidget(labels[row], row, 0);
            g->addWidget(RowMark(row), row, 1);
            g->addWidget(RowEditButton(row), row, 2);
            g->addWidget(RowDeleteButton(row), row, 3);
            RowDeleteButton(row)->setEnabled(false);
        }
        g->setColumnStretch(0, 1);
    }

    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Save"));
    BitBtn2 = MakeButton(this, "BitBtn2", tr("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));

    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TTAddTextForm::Button1Click);
    for (int row = 0; row < RowCount; ++row) {
        connect(RowEditButton(row), &QPushButton::clicked, this, [this, row] { RowEditClick(row); });
        connect(RowDeleteButton(row), &QPushButton::clicked, this, [this, row] { RowDeleteClick(row); });
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TTAddTextForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Button1->setFocus();
}

QLabel* TTAddTextForm::RowMark(int row) const
{
    QLabel* const marks[RowCount] = {Panel1, Panel2, Panel3, Panel4};
    return marks[row];
}

QPushButton* TTAddTextForm::RowEditButton(int row) const
{
    QPushButton* const b[RowCount] = {Button3, Button2, Button4, Button5};
    return b[row];
}

QPushButton* TTAddTextForm::RowDeleteButton(int row) const
{
    QPushButton* const b[RowCount] = {Button6, Button7, Button8, Button9};
    return b[row];
}

void TTAddTextForm::ShowRow(int row, bool attached)
{
    RowMark(row)->setText(attached ? CheckMark() : QString());
    RowDeleteButton(row)->setEnabled(attached);
}

void TTAddTextForm::Load(const TQuestionRecord& record, bool addMode)
{
    Record = record;
    AddMode = addMode;
    TextEntered = false;
    Edit1->setText(Record.AnswerCount > 0 ? QString::number(int(Record.AnswerCount)) : QString());
    Edit2->setText(Record.CorrectAnswer > 0 ? QString::number(int(Record.CorrectAnswer)) : QString());
    for (int row = 0; row < RowCount; ++row)
        ShowRow(row, RowFlag(Record, row));
    Button1->setFocus();
}

void TTAddTextForm::Refuse(QLineEdit* field, const QString& message, bool empty)
{
    FChecking = true;
    ShowError(message);
    if (empty)
        field->clear();
    field->setFocus();
    FChecking = false;
}

bool TTAddTextForm::Edit1Exit()
{
    const QString text = Edit1->text();
    if (text.isEmpty() || FChecking)
        return true;
    int n = 0;
    if (!TryStrToInt(text, n)) {
        Refuse(Edit1, tr("That is not a valid number."), true);
        return false;
    }
    if (n <= 1) {
        Refuse(Edit1, tr("The number of answers must be greater than 1."), true);
        return false;
    }
    if (n > 6) {
        Refuse(Edit1, tr("The maximum number of answers is 6."), true);
        return false;
    }
    return true;
}

bool TTAddTextForm::Edit2Exit()
{
    const QString text = Edit2->text();
    if (text.isEmpty() || FChecking)
        return true;
    int c = 0;
    if (!TryStrToInt(text, c)) {
        Refuse(Edit2, tr("That is not a valid number."), true);
        return false;
    }
    if (c <= 0) {
        Refuse(Edit2, tr("The correct answer must be at least 1."), true);
        return false;
    }
    if (c >= 7) {
        Refuse(Edit2, tr("The maximum number of answers is 6."), true);
        return false;
    }
    int n = 0;
    if (!Edit1->text().isEmpty() && TryStrToInt(Edit1->text(), n) && c > n) {
        Refuse(Edit2, tr("The correct answer cannot be greater than the maximum number of answers."), true);
        return false;
    }
    return true;
}

bool TTAddTextForm::SaveChecks()
{
    if (Edit1->text().isEmpty()) {
        Refuse(Edit1, tr("The Number of Answers must be entered."), false);
        return false;
    }
    if (Edit2->text().isEmpty()) {
        Refuse(Edit2, tr("The Correct Answer must be entered."), false);
        return false;
    }
    // A field whose focus never left it has not been checked yet: a letter
    // typed last is refused here instead of being stored.
    int n = 0;
    if (!TryStrToInt(Edit1->text(), n)) {
        Refuse(Edit1, tr("That is not a valid number."), true);
        return false;
    }
    if (n <= 1) {
        Refuse(Edit1, tr("The number of answers must be greater than 1."), true);
        return false;
    }
    if (n >= 7) {
        Refuse(Edit1, tr("The maximum number of answers is 6."), true);
        return false;
    }
    int c = 0;
    if (!TryStrToInt(Edit2->text(), c)) {
        Refuse(Edit2, tr("That is not a valid number."), true);
        return false;
    }
    if (c <= 0) {
        Refuse(Edit2, tr("The correct answer must be at least 1."), true);
        return false;
    }
    if (c > n) {
        Refuse(Edit2, tr("The correct answer cannot exceed the number of questions."), true);
        return false;
    }
    if (AddMode && !TextEntered) {
        FChecking = true;
        ShowError(tr("The Question has not been entered."));
        Button1->setFocus();
        FChecking = false;
        return false;
    }
    return true;
}

void TTAddTextForm::Button1Click() { done(mrTextEditor); }

void TTAddTextForm::RowEditClick(int row) { done(mrAttachment + row); }

void TTAddTextForm::RowDeleteClick(int row)
{
    ShowRow(row, false);
    SetRowFlag(Record, row, false);
    RowEditButton(row)->setFocus();
}

void TTAddTextForm::BitBtn1Click()
{
    if (!SaveChecks())
        return;
    int n = 0, c = 0;
    TryStrToInt(Edit1->text(), n);
    TryStrToInt(Edit2->text(), c);
    Record.AnswerCount = n;
    Record.CorrectAnswer = c;
    accept();
}

bool TTAddTextForm::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window taking the focus is not the author leaving the
        // field; a click on Cancel stores nothing and is not held up.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && QApplication::focusWidget() != BitBtn2) {
            if (watched == Edit1)
                Edit1Exit();
            else
                Edit2Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RemoveNewQuestionEntries(const QString& identifier, bool textEntered, const bool created[4])
{
    if (textEntered)
        DeleteEntry(EntryPath, identifier, QuestSource);
    for (int row = 0; row < TTAddTextForm::RowCount; ++row)
        if (created[row])
            DeleteEntry(EntryPath, identifier + TTAddTextForm::RowSuffix(row), InfoSource);
}

namespace {

// Removes a new question's entries on the way out of a failure; a second
// failure must not hide the first.
void RemoveAfterFailure(const TTAddTextForm& form, const QString& identifier)
{
    if (!form.AddMode)
        return;
    try {
        RemoveNewQuestionEntries(identifier, form.TextEntered, form.RowCreated);
    } catch (const EQuendraError&) {
    }
}

} // namespace

bool RunQuestionDialog(bool addMode, const std::function<void()>& storeRecord)
{
    TTAddTextForm form;
    form.Load(QuestionBuffer, addMode);
    const QString identifier = form.Record.Identifier.str();

    int result = QDialog::Rejected;
    for (;;) {
        try {
            result = ShowModal(form);
            if (result == TTAddTextForm::mrTextEditor) {
                if (RunQuestionTextEditor(form.AddMode, form.Record))
                    form.TextEntered = true;
                form.Button1->setFocus();
                continue;
            }
            if (result >= TTAddTextForm::mrAttachment && result < TTAddTextForm::mrAttachment + TTAddTextForm::RowCount) {
                const int row = result - TTAddTextForm::mrAttachment;
                if (EditAttachment(identifier + TTAddTextForm::RowSuffix(row))) {
                    form.ShowRow(row, true);
                    TTAddTextForm::SetRowFlag(form.Record, row, true);
                    if (form.AddMode)
                        form.RowCreated[row] = true;
                }
                form.RowEditButton(row)->setFocus();
                continue;
            }
        } catch (...) {
            RemoveAfterFailure(form, identifier);
            throw;
        }
        break;
    }

    if (result != QDialog::Accepted) {
        // A new question that is not saved leaves nothing behind; an edited
        // one keeps what its editors have already written.
        if (form.AddMode)
            RemoveNewQuestionEntries(identifier, form.TextEntered, form.RowCreated);
        return false;
    }

    const TQuestionRecord before = QuestionBuffer;
    QuestionBuffer = form.Record;
    if (storeRecord) {
        try {
            storeRecord();
        } catch (...) {
            QuestionBuffer = before;
            RemoveAfterFailure(form, identifier);
            throw;
        }
    }
    // Rows cleared with Delete lose their entries only now that the
    // question is saved.
    for (int row = 0; row < TTAddTextForm::RowCount; ++row)
        if (!TTAddTextForm::RowFlag(form.Record, row))
            DeleteEntry(EntryPath, identifier + TTAddTextForm::RowSuffix(row), InfoSource);
    return true;
}
