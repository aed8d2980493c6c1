#include "presentation/getaudioform.h"

#include "presentation/mediachoosers.h"
#include "platform/modal.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetAudioForm::TGetAudioForm(QWidget* parent) : TGetMediaForm(530, parent)
{
    setObjectName(QStringLiteral("GetAudioForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Select a .WAV  Audio  file "), {QStringLiteral("*.WAV")}, 150);
    slot.Fallbacks = {QStringLiteral("*.wav")};
    slot.OpenDialog.Filter = tr("WAV Files") + QStringLiteral("|*.WAV");
    slot.OpenDialog.Title = tr("Select a WAV Voice File");
    slot.EmptyMessage = tr("No Voice file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    FinishLayout();
}

QString TGetAudioForm::CommandValue() const { return Name(0); }

void TGetAudioForm::Preview() { ShowMultimedia(QString(), CommandValue()); }

bool GetAudioCommand(QString& command, QString& voice)
{
    TGetAudioForm form(MediaDialogParent());
    form.Edit1->setText(voice);
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    voice = command;
    return true;
}
