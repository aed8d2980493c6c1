#include "presentation/getmediaform.h"
#include "presentation/projectfilepick.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "presentation/formkit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* MediaDialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

TGetMediaForm::TGetMediaForm(int helpContext, QWidget* parent) : QDialog(parent), FHelpContext(helpContext)
{
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, helpContext);
    FRows = new QVBoxLayout(this);
    BitBtn1 = MakeButton(this, "BitBtn1", tr("&View"));
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    HelpBtn = MakeButton(this, "HelpBtn", tr("&Help"));
    connect(BitBtn1, &QPushButton::clicked, this, &TGetMediaForm::BitBtn1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TGetMediaForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowHelp(FHelpContext); });
}

TMediaSlot& TGetMediaForm::AddTypedSlot(const QString& caption, int maxLength)
{
    const int number = int(Slots.size()) + 1;
    TMediaSlot slot;
    const QByteArray group = "GroupBox" + QByteArray::number(number);
    slot.Group = MakeGroup(this, group.constData(), caption);
    const QByteArray edit = "Edit" + QByteArray::number(number);
    slot.Edit = MakeEdit(slot.Group, edit.constData(), caption, maxLength);
    auto* layout = new QVBoxLayout(slot.Group);
    layout->addWidget(slot.Edit);
    FRows->addWidget(slot.Group);
    connect(slot.Edit, &QLineEdit::textChanged, this, &TGetMediaForm::UpdateView);
    FTabChain << slot.Edit;
    Slots << slot;
    return Slots.last();
}

TMediaSlot& TGetMediaForm::AddFileSlot(const QString& caption, const QStringList& masks, int maxLength)
{
    TMediaSlot& slot = AddTypedSlot(caption, maxLength);
    const int index = int(Slots.size()) - 1;
    const QByteArray n = QByteArray::number(index + 1);
    slot.Masks = masks;
    slot.List = new QListWidget(slot.Group);
    slot.List->setObjectName(QStringLiteral("FileListBox") + QString::fromLatin1(n));
    slot.List->setAccessibleName(tr("Files of the project directory") + QStringLiteral(": ")
                                 + AccessibleCaption(caption));
    slot.List->setMinimumHeight(110);
    // Two "Find File" buttons in one dialog get different accelerators.
    slot.FindBtn = MakeButton(slot.Group, ("FindFileBtn" + n).constData(),
                              index == 0 ? tr("&Find File") : tr("Fi&nd File"));
    auto* layout = static_cast<QVBoxLayout*>(slot.Group->layout());
    auto* row = new QHBoxLayout;
    row->addWidget(slot.List, 1);
    row->addWidget(slot.FindBtn, 0, Qt::AlignTop);
    layout->addLayout(row);
    FTabChain << slot.List << slot.FindBtn;
    connect(slot.List, &QListWidget::itemClicked, this, [this, index](QListWidgetItem* i) { FileListClick(index, i); });
    connect(slot.List, &QListWidget::itemActivated, this, [this, index](QListWidgetItem* i) { FileListClick(index, i); });
    connect(slot.FindBtn, &QPushButton::clicked, this, [this, index] { FindFileClick(index); });
    return slot;
}

QLineEdit* TGetMediaForm::AddTextRow(const char* editName, const QString& label, int maxLength)
{
    auto* row = new QHBoxLayout;
    auto* lbl = MakeLabel(this, ("Label" + QByteArray(editName).mid(4)).constData(), label);
    auto* edit = MakeEdit(this, editName, label, maxLength);
    lbl->setBuddy(edit);
    row->addWidget(lbl);
    row->addWidget(edit, 1);
    FRows->addLayout(row);
    FTabChain << edit;
    return edit;
}

QLineEdit* TGetMediaForm::AddDuration(const char* editName)
{
    DurationEdit = AddTextRow(editName, tr("Duration (1/10th sec)"), 4);
    DurationEdit->setMaximumWidth(80);
    DurationLbl = findChild<QLabel*>(QStringLiteral("Label") + QString::fromLatin1(editName).mid(4));
    connect(DurationEdit, &QLineEdit::editingFinished, this, [this] { DurationExit(); });
    return DurationEdit;
}

void TGetMediaForm::FinishLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    FRows->addLayout(buttons);
    // Tab walks the rows top to bottom, then the buttons.
    FTabChain << BitBtn1 << OKBtn << CancelBtn << HelpBtn;
    for (int i = 0; i + 1 < FTabChain.size(); ++i)
        setTabOrder(FTabChain[i], FTabChain[i + 1]);
    setMinimumWidth(440);
    RefreshLists();
    UpdateView();
    if (!Slots.isEmpty())
        Slots.first().Edit->setFocus();
}

QString TGetMediaForm::Name(int slot) const { return Slots.at(slot).Edit->text().trimmed(); }

int TGetMediaForm::Duration() const
{
    int value = 0;
    if (DurationEdit && TryStrToInt(DurationEdit->text(), value) && value >= 0 && value <= 9999)
        return value;
    return 0;
}

void TGetMediaForm::RefreshLists()
{
    for (TMediaSlot& slot : Slots) {
        if (!slot.List)
            continue;
        slot.List->clear();
        if (ProjectDir.isEmpty())
            continue;
        QStringList names = MatchingProjectFiles(slot.Masks);
        if (slot.Executables) {
            // Programs on Linux have no extension: their executable bit says it.
            for (const QString& n : QDir(ProjectDir).entryList(QDir::Files | QDir::Executable, QDir::Name))
                if (!names.contains(n))
                    names << n;
            names.sort(Qt::CaseInsensitive);
        }
        slot.List->addItems(names);
    }
}

bool TGetMediaForm::ViewPossible() const
{
    for (int i = 0; i < Slots.size(); ++i)
        if (Name(i).isEmpty())
            return false;
    return true;
}

void TGetMediaForm::UpdateView() { BitBtn1->setEnabled(ViewPossible()); }

void TGetMediaForm::FileListClick(int slot, QListWidgetItem* item)
{
    if (item)
        Slots[slot].Edit->setText(item->text());
}

void TGetMediaForm::FindFileClick(int index)
{
    TMediaSlot& slot = Slots[index];
    slot.OpenDialog.InitialDir = ProjectDir;
    QString chosen;
    if (!ExecuteOpenDialog(slot.OpenDialog, chosen))
        return;   // cancelled: nothing changes
    const QString bare = QFileInfo(chosen).fileName();
    const QString target = ProjectDir + bare;
    const QString existing = ResolveCase(target);
    const bool inProject = QFileInfo(existing).isFile();
    // A file chosen inside the project directory is never copied onto itself.
    if (!(inProject && SameFile(chosen, existing))
        && Confirm(tr("Copy the file ") + chosen + tr(" to the Project directory?"))) {
        // A different file of that name is replaced only when asked.
        const bool copy = !inProject
                          || Confirm(tr("The Project directory already holds a different file named ") + bare
                                     + QStringLiteral(".\n\r") + tr("Replace it?"));
        if (copy) {
            try {
                CopyFileTo(chosen, inProject ? existing : target);
            } catch (const EQuendraError& e) {
                ShowError(e.Message());
            }
        }
    }
    QString candidate = slot.Edit->text();
    const QString now = ResolveCase(target);
    if (QFileInfo(now).isFile())
        candidate = QFileInfo(now).fileName();
    RefreshLists();
    // Nothing chosen yet: the first project file of the kind.
    if (candidate.isEmpty())
        candidate = FirstProjectFile(slot.Fallbacks);
    if (candidate.isEmpty() && slot.Executables && slot.List->count() > 0)
        candidate = slot.List->item(0)->text();
    slot.Edit->setText(candidate);
    UpdateView();
}

bool TGetMediaForm::DurationExit()
{
    if (!DurationEdit || FInDurationExit)
        return true;
    FInDurationExit = true;
    bool ok = true;
    int value = 0;
    const QString text = DurationEdit->text().trimmed();
    if (text.isEmpty()) {
        DurationEdit->setText(QStringLiteral("0"));
    } else if (!TryStrToInt(text, value) || value < 0 || value > 9999) {
        ShowError(tr("That is not a valid number"));
        DurationEdit->setText(QStringLiteral("0"));
        DurationEdit->setFocus();
        ok = false;
    } else {
        DurationEdit->setText(QString::number(value));
    }
    FInDurationExit = false;
    return ok;
}

void TGetMediaForm::BitBtn1Click()
{
    if (!ViewPossible())
        return;
    // The dialog takes no input while the medium or program runs.
    setEnabled(false);
    try {
        Preview();
    } catch (...) {
        setEnabled(true);
        throw;
    }
    setEnabled(true);
}

bool TGetMediaForm::NameAllowed(const QString& name, bool freeLocation, QString& reason) const
{
    if (name.contains(u',')) {
        reason = tr("a comma separates the parts of a command");
        return false;
    }
    if (freeLocation)
        return true;
    if (name.contains(u'/') || name.contains(QStringLiteral(".."))) {
        reason = tr("a file of the Project directory is named without a folder");
        return false;
    }
    return true;
}

bool TGetMediaForm::CheckNames()
{
    for (const TMediaSlot& slot : Slots) {
        QString reason;
        if (!NameAllowed(slot.Edit->text().trimmed(), slot.FreeLocation, reason)) {
            ShowError(tr("The file name %1 cannot be used:\n\r%2.").arg(slot.Edit->text().trimmed(), reason));
            slot.Edit->setFocus();
            return false;
        }
    }
    return true;
}

void TGetMediaForm::OKBtnClick()
{
    for (const TMediaSlot& slot : Slots) {
        if (slot.Edit->text().trimmed().isEmpty()) {
            ShowError(slot.EmptyMessage);
            slot.Edit->setFocus();
            return;
        }
    }
    if (!CheckNames())
        return;
    if (DurationEdit && !DurationExit())
        return;
    accept();
}
