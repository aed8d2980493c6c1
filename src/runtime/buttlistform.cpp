#include "runtime/buttlistform.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "runtime/getinputtextform.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TButtListForm::TButtListForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ButtListForm"));
    setWindowTitle(tr("Select an Entry "));
    setToolTip(tr("Press F1 for Help"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));   // teal
    setPalette(pal);
    setAutoFillBackground(true);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every item is one line of text: laying out thousands of them (the
    // questions of a large test) then costs one measurement, not one each.
    ListBox1->setUniformItemSizes(true);
    ListBox1->installEventFilter(this);
    SelectBtn = new QPushButton(tr("&Select"), this);
    SelectBtn->setObjectName(QStringLiteral("SelectBtn"));
    CloseBtn = new QPushButton(tr("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    FindBtn = new QPushButton(tr("&Find"), this);
    FindBtn->setObjectName(QStringLiteral("FindBtn"));
    SelectBtn->setDefault(true);
    for (QPushButton* b : {SelectBtn, CloseBtn, FindBtn})
        b->setAutoFillBackground(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SelectBtn);
    buttons->addWidget(CloseBtn);
    buttons->addWidget(FindBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    resize(320, 360);

    connect(SelectBtn, &QPushButton::clicked, this, &TButtListForm::SelectBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TButtListForm::CloseBtnClick);
    connect(FindBtn, &QPushButton::clicked, this, &TButtListForm::FindBtnClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { SelectBtnClick(); });
}

void TButtListForm::SetItems(const QStringList& items, int initial)
{
    ListBox1->clear();
    ListBox1->addItems(items);
    if (initial >= 0 && initial < ListBox1->count())
        ListBox1->setCurrentRow(initial);
    else
        ListBox1->setCurrentRow(-1);
    ListBox1->setFocus();
}

void TButtListForm::SelectBtnClick()
{
    const int row = ListBox1->currentRow();
    FChosen = (row >= 0 && ListBox1->item(row)->isSelected()) ? row : -1;
    accept();
}

void TButtListForm::CloseBtnClick()
{
    FChosen = -1;
    reject();
}

int TButtListForm::FindItem(const QString& text, int mode)
{
    const int start = mode == TGetInputTextForm::frFindNext ? FFoundLast + 1 : 0;
    for (int i = qMax(0, start); i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->text().contains(text, Qt::CaseInsensitive)) {
            ListBox1->setCurrentRow(i);
            FFoundLast = i;
            return i;
        }
    }
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    return -1;
}

void TButtListForm::FindBtnClick()
{
    const int mode = AskFindText(FSearchText);
    if (mode == TGetInputTextForm::frCancelled) {
        if (ListBox1->count() > 0)
            ListBox1->setCurrentRow(0);
    } else {
        FindItem(FSearchText, mode);
    }
    SelectBtn->setFocus();
}

bool TButtListForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SelectBtnClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int SelectFromList(const QStringList& items, int initial, int helpContext, const QString& caption)
{
    TButtListForm form(QApplication::activeWindow());
    if (!caption.isEmpty())
        form.setWindowTitle(caption);
    form.SetItems(items, initial);
    if (helpContext > 0)
        SetHelpContext(&form, helpContext);
    ShowModal(form);
    return form.Chosen();
}
