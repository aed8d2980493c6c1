#include "authoring/hypreorgfm.h"

#include "authoring/reorder.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "runtime/getinputtextform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QWidget* MakeListPanel(QWidget* parent, const char* name, QListWidget*& list, QPushButton*& find,
                       QPushButton*& select, const char* listName, const char* findName,
                       const char* selectName, const QString& accessible)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    list = new QListWidget(panel);
    list->setObjectName(QLatin1String(listName));
    list->setAccessibleName(accessible);
    find = MakeButton(panel, findName, QCoreApplication::translate("THypReorgFm", "Find"));
    select = MakeButton(panel, selectName, QCoreApplication::translate("THypReorgFm", "Select"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(find);
    buttons->addWidget(select);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    return panel;
}

} // namespace

THypReorgFm::THypReorgFm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HypReorgFm"));
    setWindowTitle(tr("Re-Arrange Question Order"));
    SetHelpContext(this, 246);

    ToMoveRBtn = MakeRadio(this, "ToMoveRBtn", tr("Move this Question"));
    Edit1 = MakeEdit(this, "Edit1", tr("Move this Question"));
    Edit1->setReadOnly(true);
    MovetoRbtn = MakeRadio(this, "MovetoRbtn", tr("Before this Question"));
    Edit2 = MakeEdit(this, "Edit2", tr("Before this Question"));
    Edit2->setReadOnly(true);
    SortBitBtn = MakeButton(this, "SortBitBtn", tr("Move"));
    List1Pnl = MakeListPanel(this, "List1Pnl", ListBox1, Find1Btn, OK1Btn, "ListBox1", "Find1Btn", "OK1Btn",
                             tr("Question to move"));
    List2Pnl = MakeListPanel(this, "List2Pnl", ListBox2, Find2Btn, OK2Btn, "ListBox2", "Find2Btn", "OK2Btn",
                             tr("Question to move it before"));
    CancelBitBtn = MakeButton(this, "CancelBitBtn", tr("&Close"));
    for (QPushButton* b : {SortBitBtn, Find1Btn, Find2Btn, CancelBitBtn})
        b->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(ToMoveRBtn);
    left->addWidget(Edit1);
    left->addSpacing(12);
    left->addWidget(MovetoRbtn);
    left->addWidget(Edit2);
    left->addSpacing(12);
    left->addWidget(SortBitBtn);
    left->addStretch(1);
    left->addWidget(CancelBitBtn);
    auto* right = new QGridLayout;
    right->addWidget(List1Pnl, 0, 0);
    right->addWidget(List2Pnl, 0, 0);   // the same place: one shows at a time
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(560, 360);
    setTabOrder(ToMoveRBtn, Edit1);

    connect(ToMoveRBtn, &QRadioButton::clicked, this, &THypReorgFm::ToMoveRBtnClick);
    connect(MovetoRbtn, &QRadioButton::clicked, this, &THypReorgFm::MovetoRbtnClick);
    connect(OK1Btn, &QPushButton::clicked, this, &THypReorgFm::OK1BtnClick);
    connect(OK2Btn, &QPushButton::clicked, this, &THypReorgFm::OK2BtnClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &THypReorgFm::OK1BtnClick);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &THypReorgFm::OK2BtnClick);
    connect(Find1Btn, &QPushButton::clicked, this, &THypReorgFm::Find1BtnClick);
    connect(Find2Btn, &QPushButton::clicked, this, &THypReorgFm::Find2BtnClick);
    connect(SortBitBtn, &QPushButton::clicked, this, &THypReorgFm::SortBitBtnClick);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool THypReorgFm::LoadQuestions()
{
    const qint64 damaged = QuestionFileTrailingBytes();
    if (damaged > 0) {
        // Re-ordering rewrites the file: a damaged one is left as it is.
        ShowError(QuestionFileDamageText(damaged) + QStringLiteral("\n") + tr("The questions cannot be re-ordered."));
        return false;
    }
    FIdentifiers.clear();
    ListIdentifiers(FIdentifiers);
    if (FIdentifiers.size() < 2) {
        ShowError(tr("There is only 1 entry in the list"));
        return false;
    }
    LastFound[0] = LastFound[1] = -1;
    SearchText[0].clear();
    SearchText[1].clear();
    ResetState();
    return true;
}

void THypReorgFm::ResetState()
{
    for (QListWidget* list : {ListBox1, ListBox2}) {
        list->clear();
        list->addItems(FIdentifiers);
        list->setCurrentRow(0);
    }
    Edit1->clear();
    Edit2->clear();
    Chosen[0] = Chosen[1] = -1;
    ToMoveRBtn->setChecked(true);
    List1Pnl->show();
    List2Pnl->hide();
    SortBitBtn->hide();
    OK1Btn->setDefault(true);
    ListBox1->setFocus();
}

void THypReorgFm::UpdateMoveButton()
{
    SortBitBtn->setVisible(!Edit1->text().isEmpty() && !Edit2->text().isEmpty());
}

void THypReorgFm::ToMoveRBtnClick()
{
    List1Pnl->show();
    List2Pnl->hide();
    OK1Btn->setDefault(true);
    UpdateMoveButton();
}

void THypReorgFm::MovetoRbtnClick()
{
    List2Pnl->show();
    List1Pnl->hide();
    OK2Btn->setDefault(true);
    UpdateMoveButton();
}

void THypReorgFm::Choose(int which)
{
    QListWidget* list = which == 0 ? ListBox1 : ListBox2;
    const int row = list->currentRow();
    if (row >= 0 && row < FIdentifiers.size()) {
        Chosen[which] = row;
        (which == 0 ? Edit1 : Edit2)->setText(FIdentifiers[row]);
    }
    UpdateMoveButton();
}

void THypReorgFm::OK1BtnClick() { Choose(0); }
void THypReorgFm::OK2BtnClick() { Choose(1); }

void THypReorgFm::Find(int which)
{
    QListWidget* list = which == 0 ? ListBox1 : ListBox2;
    QString text = SearchText[which];
    const int how = AskFindText(text);
    int select = 0;
    if (how != TGetInputTextForm::frCancelled) {
        SearchText[which] = text;
        if (how == TGetInputTextForm::frFindFirst)
            LastFound[which] = -1;
        const QString wanted = text.toUpper();
        for (int i = LastFound[which] + 1; i < FIdentifiers.size(); ++i)
            if (FIdentifiers[i].toUpper().contains(wanted)) {
                LastFound[which] = i;
                select = i;
                break;
            }
    }
    list->setCurrentRow(select);
    (which == 0 ? OK1Btn : OK2Btn)->setFocus();
}

void THypReorgFm::Find1BtnClick() { Find(0); }
void THypReorgFm::Find2BtnClick() { Find(1); }

void THypReorgFm::SortBitBtnClick()
{
    if (Chosen[0] >= 0 && Chosen[1] >= 0 && Chosen[0] != Chosen[1]) {
        try {
            MoveQuestionBefore(Chosen[0], Chosen[1]);
        } catch (const EQuendraError& e) {
            ShowError(e.Message());
        }
    }
    FIdentifiers.clear();
    ListIdentifiers(FIdentifiers);
    ResetState();
}

void ReorderQuestions(QWidget* parent)
{
    THypReorgFm form(parent);
    if (form.LoadQuestions())
        ShowModal(form);
}
