#include "presentation/getgraphicform.h"

#include "model/entryfile.h"
#include "platform/modal.h"
#include "presentation/mediachoosers.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetGraphicForm::TGetGraphicForm(QWidget* parent) : TGetMediaForm(520, parent)
{
    setObjectName(QStringLiteral("GetGraphicForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Select .BMP or .JPG Graphic  "),
                                   {QStringLiteral("*.BMP"), QStringLiteral("*.JPG")}, 150);
    slot.Fallbacks = {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")};
    slot.OpenDialog.Filter = tr("Graphic Files") + QStringLiteral("|*.JPG;*.BMP");
    slot.OpenDialog.Title = tr("Select a Graphic File");
    slot.EmptyMessage = tr("No Graphic file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    Edit2 = AddDuration("Edit2");
    FinishLayout();
}

QString TGetGraphicForm::CommandValue() const { return Name(0) + u',' + QString::number(Duration()); }

void TGetGraphicForm::Preview() { ShowMultimedia(CurrentEntryName, CommandValue()); }

bool GetGraphicCommand(QString& command, QString& graphic, int& duration)
{
    TGetGraphicForm form(MediaDialogParent());
    form.Edit1->setText(graphic);
    form.Edit2->setText(QString::number(qBound(0, duration, 9999)));
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    graphic = form.Name(0);
    duration = form.Duration();
    command = form.CommandValue();
    return true;
}
