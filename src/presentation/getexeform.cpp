#include "presentation/getexeform.h"

#include "platform/modal.h"
#include "presentation/mediachoosers.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetExeForm::TGetExeForm(QWidget* parent) : TGetMediaForm(545, parent)
{
    setObjectName(QStringLiteral("GetExeForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Enter Executable filename "),
                                   {QStringLiteral("*.exe"), QStringLiteral("*.com"), QStringLiteral("*.bat")}, 200);
    // Programs on Linux have no extension: files with the executable bit count too.
    slot.Executables = true;
    slot.FreeLocation = true;
    slot.Fallbacks = {QStringLiteral("*.exe"), QStringLiteral("*.com"), QStringLiteral("*.bat")};
    slot.OpenDialog.Filter = tr("Executable Files") + QStringLiteral("|*.exe;*.com;*.bat|") + tr("All files")
                             + QStringLiteral("|*.*");
    slot.OpenDialog.ExecutablesInFirstFilter = true;
    slot.OpenDialog.Title = tr("Select Executable File");
    slot.EmptyMessage = tr("No executable file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    Edit2 = AddTextRow("Edit2", tr("Parameters :"), 200);
    FinishLayout();
}

void TGetExeForm::SetCommand(const QString& command)
{
    const qsizetype comma = command.indexOf(u',');
    if (comma >= 0) {
        Edit1->setText(command.left(comma));
        Edit2->setText(command.mid(comma + 1));
    } else {
        Edit1->setText(command);
        Edit2->clear();
    }
    UpdateView();
}

QString TGetExeForm::CommandValue() const
{
    const QString parameters = Edit2->text().trimmed();
    return parameters.isEmpty() ? Name(0) : Name(0) + u',' + parameters;
}

void TGetExeForm::Preview() { RunProgramAndWait(4, CommandValue()); }

bool GetExeCommand(QString& command)
{
    TGetExeForm form(MediaDialogParent());
    form.SetCommand(command);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    return true;
}
