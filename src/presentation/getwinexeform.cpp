#include "presentation/getwinexeform.h"

#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/mediachoosers.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetWinExeForm::TGetWinExeForm(QWidget* parent) : TGetMediaForm(546, parent)
{
    setObjectName(QStringLiteral("GetWinExeForm"));
    TMediaSlot& slot = AddTypedSlot(tr(" Windows related Program "), 200);
    slot.FreeLocation = true;
    slot.EmptyMessage = tr("No executable file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FinishLayout();
}

QString TGetWinExeForm::CommandValue() const { return Name(0); }

void TGetWinExeForm::Preview() { RunProgramAndWait(9, CommandValue()); }

bool TGetWinExeForm::CheckNames()
{
    const QString text = Name(0);
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return true;
    const QString file = text.mid(blank + 1).trimmed();
    QString reason;
    if (NameAllowed(file, false, reason))
        return true;
    ShowError(tr("The file name %1 cannot be used:\n\r%2.").arg(file, reason));
    Edit1->setFocus();
    return false;
}

bool GetWinExeCommand(QString& command)
{
    TGetWinExeForm form(MediaDialogParent());
    form.Edit1->setText(command);
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    return true;
}
