#include "testdesign/groupscoreform.h"

#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "testdesign/designlook.h"
#include "testdesign/fieldchecks.h"
#include "testdesign/testpresentation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const GroupLabels[] = {
    QT_TRANSLATE_NOOP("TGroupScoreForm", "Group 0  -  Quiz Score up to"),
    QT_TRANSLATE_NOOP("TGroupScoreForm", "Group 1  - from Group 0 up to"),
    QT_TRANSLATE_NOOP("TGroupScoreForm", "Group 2  - from Group 1 up to"),
    QT_TRANSLATE_NOOP("TGroupScoreForm", "Group 3  - from Group 2 up to"),
    QT_TRANSLATE_NOOP("TGroupScoreForm", "Group 4  - from Group 3 up to"),
};

} // namespace

TGroupScoreForm::TGroupScoreForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GroupScoreForm"));
    FChecks = new TFieldChecks(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    for (int k = 0; k < 5; ++k) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        edit->setMaxLength(3);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        QLabel* label = NewBuddyLabel(tr(GroupLabels[k]), edit, this);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        grid->addWidget(label, k, 0);
        grid->addWidget(edit, k, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), this), k, 2);
        *edits[k] = edit;
        *labels[k] = label;
        if (TestConfig.ScoreGroupsDefined) {
            // A stored number is shown whole, even one too long for the edit,
            // so that the checks see it rather than a shortened one.
            const QString text = QString::number(TestConfig.ScoreGroupBound[k].get());
            edit->setMaxLength(qMax(3, int(text.size())));
            edit->setText(text);
        }
        FChecks->Watch(edit, [this, k] { return EditExit(k); });
    }
    SaveBtn = new QPushButton(tr("&Save"), this);
    NameControl(SaveBtn, "SaveBtn", SaveBtn->text());
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    NameControl(CancelBtn, "CancelBtn", CancelBtn->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addSpacing(8);
    outer->addLayout(buttons);
    SetDesignLook(*this, 301);

    FChecks->SetCancelButton(CancelBtn);
    connect(SaveBtn, &QPushButton::clicked, this, &TGroupScoreForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

QLineEdit* TGroupScoreForm::Edit(int k) const
{
    const QLineEdit* const edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    return const_cast<QLineEdit*>(edits[k]);
}

bool TGroupScoreForm::EditExit(int k)
{
    QLineEdit* edit = Edit(k);
    if (edit->text().isEmpty())
        return true;
    int value = 0;
    QString error;
    if (!TryStrToInt(edit->text(), value))
        error = tr("That is not a valid number.");
    else if (value > 100)
        error = tr("The maximum score is 100.");
    else if (value < 0)
        error = tr("The minimum score is 0.");
    if (error.isEmpty())
        return true;
    ShowFormError(this, error);
    edit->clear();
    edit->setFocus();
    return false;
}

void TGroupScoreForm::SaveBtnClick()
{
    // Return and the accelerators save without a field losing the focus:
    // every field's check runs again first.
    for (int k = 0; k < 5; ++k)
        if (!FChecks->Run([this, k] { return EditExit(k); }))
            return;
    // The numbers, read by the parser that checked them; empty is 0.
    int bounds[5] = {};
    for (int k = 0; k < 5; ++k)
        if (!Edit(k)->text().isEmpty())
            TryStrToInt(Edit(k)->text(), bounds[k]);

    TTestConfig record;
    std::memcpy(&record, &TestConfig, sizeof record);
    if (!Edit1->text().isEmpty()) {
        // A bound may not fall below the last bound in use before it (a 0
        // ends a group's use and is allowed anywhere): a bound under an
        // earlier one could never be reached.
        int last = 0;
        for (int k = 0; k < 4; ++k) {
            if (bounds[k] > 0)
                last = k;
            const bool filled = !Edit(k + 1)->text().isEmpty();
            if (filled && bounds[k + 1] > 0 && bounds[k + 1] < bounds[last]) {
                ShowFormError(this, tr("Group %1 percentage is lower than Group %2.").arg(k + 1).arg(last));
                Edit(k + 1)->setFocus();
                return;
            }
        }
        record.ScoreGroupsDefined = true;
        for (int k = 0; k < 5; ++k) {
            if (Edit(k)->text().isEmpty())
                Edit(k)->setText(QStringLiteral("0"));
            record.ScoreGroupBound[k] = qint32(bounds[k]);
        }
    } else {
        record.ScoreGroupsDefined = false;
        for (int k = 0; k < 5; ++k)
            record.ScoreGroupBound[k] = qint32(0);
    }
    if (SaveRecord(record))
        accept();
}

void DesignScoreGroups(QWidget* parent)
{
    TGroupScoreForm form(parent);
    ShowModal(form);
}
