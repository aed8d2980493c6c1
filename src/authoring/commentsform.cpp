#include "authoring/commentsform.h"

#include "authoring/hypmenuform.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Sets the group's flag and writes the project file; on a failure the flag
// is put back, so the record in memory stays what the file holds.
bool SaveGroupFlag(int group, bool defined)
{
    const quint8 old = TestConfig.GroupFeedbackDefined[group].Value;
    TestConfig.GroupFeedbackDefined[group].Value = defined ? 1 : 0;
    try {
        SaveConfig();
        return true;
    } catch (const EQuendraError& e) {
        TestConfig.GroupFeedbackDefined[group].Value = old;
        ShowError(e.Message());
        return false;
    }
}

} // namespace

QString TCommentsForm::CheckMark() { return QString(QChar(0x2713)); }

QString TCommentsForm::FeedbackName(int group) { return QStringLiteral("GROUP %1 FEEDBACK").arg(group); }

TCommentsForm::TCommentsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CommentsForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 305);

    GroupBox1 = MakeGroup(this, "GroupBox1", tr(" Customize Results Feedback "));
    Label1 = MakeLabel(GroupBox1, "Label1", tr("Score Groups:"));
    Label2 = MakeLabel(GroupBox1, "Label2", tr("Defined"));
    auto* grid = new QGridLayout(GroupBox1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1, Qt::AlignHCenter);
    for (int g = 0; g < GroupCount; ++g) {
        const int tag = g + 1;
        // The captions as designed: "  Group 10 " carries a trailing blank.
        const QString caption = g == 10 ? tr("  Group 10 ") : tr("  Group %1").arg(g);
        const QByteArray radioName = "RadioButton" + QByteArray::number(tag);
        RadioButtons[g] = MakeRadio(GroupBox1, radioName.constData(), caption);
        RadioButtons[g]->setProperty("tag", tag);
        const QByteArray panelName = "Panel" + QByteArray::number(tag);
        QLabel* p = MakeLabel(GroupBox1, panelName.constData(), QString());
        p->setProperty("tag", tag);
        p->setAccessibleName(tr("Group %1 defined").arg(g));
        p->setFixedSize(22, 20);
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        QPalette pal = p->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        p->setPalette(pal);
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
        QFont f = p->font();
        f.setPixelSize(15);
        f.setBold(true);
        p->setFont(f);
        Panels[g] = p;
        grid->addWidget(RadioButtons[g], tag, 0);
        grid->addWidget(p, tag, 1, Qt::AlignHCenter);
        connect(RadioButtons[g], &QRadioButton::clicked, this, [this, tag] { RadioClick(tag); });
    }

    AddBtn = MakeButton(this, "AddBtn", tr("&Add/Edit"));
    DelBtn = MakeButton(this, "DelBtn", tr("&Delete"));
    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Close"));
    AddBtn->setEnabled(false);
    DelBtn->setEnabled(false);
    auto* bar = new QVBoxLayout;
    bar->addWidget(AddBtn);
    bar->addWidget(DelBtn);
    bar->addStretch(1);
    bar->addWidget(BitBtn1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(bar);

    connect(AddBtn, &QPushButton::clicked, this, [this] { done(mrAddEdit); });
    connect(DelBtn, &QPushButton::clicked, this, &TCommentsForm::DelBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    for (int g = 0; g < GroupCount; ++g)
        SetMark(g + 1, TestConfig.GroupFeedbackDefined[g]);
    RadioButtons[0]->setFocus();
    adjustSize();
    CentreOnScreen(this);
}

bool TCommentsForm::Marked(int tag) const
{
    return tag >= 1 && tag <= GroupCount && Panels[tag - 1]->text() == CheckMark();
}

void TCommentsForm::SetMark(int tag, bool marked)
{
    if (tag < 1 || tag > GroupCount)
        return;
    Panels[tag - 1]->setText(marked ? CheckMark() : QString());
    Panels[tag - 1]->setAccessibleDescription(marked ? tr("Defined") : tr("Not defined"));
}

void TCommentsForm::RadioClick(int tag)
{
    SelectedTag = tag;
    AddBtn->setEnabled(true);
    DelBtn->setEnabled(Marked(tag));
}

void TCommentsForm::AddEdit()
{
    if (SelectedTag < 1)
        return;
    const int group = SelectedTag - 1;
    if (EditFeedback(FeedbackName(group)) && SaveGroupFlag(group, true)) {
        SetMark(SelectedTag, true);
        DelBtn->setEnabled(true);
    }
    AddBtn->setFocus();
}

void TCommentsForm::DelBtnClick()
{
    if (SelectedTag < 1)
        return;
    const int group = SelectedTag - 1;
    try {
        // No entry file, or no such entry: nothing to remove.
        if (EntryNameTaken(EntryPath, FeedbackName(group), QString(), SourceComms))
            DeleteEntry(EntryPath, FeedbackName(group), SourceComms);
    } catch (const EQuendraError& e) {
        // The entry is still there: the group keeps its mark and its flag.
        ShowError(e.Message());
        return;
    }
    if (!SaveGroupFlag(group, false))
        return;
    SetMark(SelectedTag, false);
    DelBtn->setEnabled(false);
    AddBtn->setFocus();
}

void ShowCommentsForm(QWidget* parent)
{
    TCommentsForm form(parent);
    for (;;) {
        if (ShowModal(form) != TCommentsForm::mrAddEdit)
            return;
        form.AddEdit();
    }
}
