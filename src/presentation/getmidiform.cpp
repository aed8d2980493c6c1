#include "presentation/getmidiform.h"

#include "presentation/mediachoosers.h"
#include "platform/modal.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetMidiForm::TGetMidiForm(QWidget* parent) : TGetMediaForm(580, parent)
{
    setObjectName(QStringLiteral("GetMidiForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Select a MIDI file "), {QStringLiteral("*.MID")}, 150);
    slot.Fallbacks = {QStringLiteral("*.mid")};
    slot.OpenDialog.Filter = tr("MIDI Sound") + QStringLiteral("|*.mid");
    slot.OpenDialog.Title = tr("Copy a MIDI file");
    slot.EmptyMessage = tr("No MIDI file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    FinishLayout();
}

QString TGetMidiForm::CommandValue() const { return Name(0); }

void TGetMidiForm::Preview() { ShowMultimedia(QString(), CommandValue()); }

bool GetMidiCommand(QString& command, QString& midi)
{
    TGetMidiForm form(MediaDialogParent());
    form.Edit1->setText(midi);
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    midi = command;
    return true;
}
