#include "presentation/getvideoform.h"

#include "presentation/mediachoosers.h"
#include "platform/modal.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetVideoForm::TGetVideoForm(QWidget* parent) : TGetMediaForm(570, parent)
{
    setObjectName(QStringLiteral("GetVideoForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Select .AVI Video file "), {QStringLiteral("*.AVI")}, 150);
    slot.Fallbacks = {QStringLiteral("*.avi")};
    slot.OpenDialog.Filter = tr("AVI Files") + QStringLiteral("|*.avi");
    slot.OpenDialog.Title = tr("Select an AVI File");
    slot.EmptyMessage = tr("No Video file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    FinishLayout();
}

QString TGetVideoForm::CommandValue() const { return Name(0); }

void TGetVideoForm::Preview() { ShowMultimedia(QString(), CommandValue()); }

bool GetVideoCommand(QString& command, QString& video)
{
    TGetVideoForm form(MediaDialogParent());
    form.Edit1->setText(video);
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    video = command;
    return true;
}
