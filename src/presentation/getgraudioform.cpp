#include "presentation/getgraudioform.h"

#include "platform/modal.h"
#include "presentation/mediachoosers.h"
#include "runtime/multimedia.h"

#include <QLineEdit>

TGetGrAudioForm::TGetGrAudioForm(QWidget* parent) : TGetMediaForm(560, parent)
{
    setObjectName(QStringLiteral("GetGrAudioForm"));
    TMediaSlot& graphic = AddFileSlot(tr(" Select .BMP or .JPG Graphic  "),
                                      {QStringLiteral("*.BMP"), QStringLiteral("*.JPG")}, 150);
    graphic.Fallbacks = {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")};
    graphic.OpenDialog.Filter = tr("Graphic Files") + QStringLiteral("|*.JPG;*.BMP");
    graphic.OpenDialog.Title = tr("Select a Graphic File");
    graphic.EmptyMessage = tr("No Graphic file has been selected");
    GroupBox1 = graphic.Group;
    Edit1 = graphic.Edit;
    FileListBox1 = graphic.List;
    FindFileBtn1 = graphic.FindBtn;
    TMediaSlot& sound = AddFileSlot(tr(" Select .WAV or .MID Audio  "),
                                    {QStringLiteral("*.WAV"), QStringLiteral("*.MID")}, 150);
    sound.Fallbacks = {QStringLiteral("*.WAV"), QStringLiteral("*.MID")};
    sound.OpenDialog.Filter = tr("Sound Files") + QStringLiteral("|*.WAV;*.MID");
    sound.OpenDialog.Title = tr("Select a Sound File");
    sound.EmptyMessage = tr("No Sound file has been selected");
    GroupBox2 = sound.Group;
    Edit2 = sound.Edit;
    FileListBox2 = sound.List;
    FindFileBtn2 = sound.FindBtn;
    Edit3 = AddDuration("Edit3");
    FinishLayout();
}

QString TGetGrAudioForm::CommandValue() const
{
    return Name(0) + u',' + Name(1) + u',' + QString::number(Duration());
}

void TGetGrAudioForm::Preview() { ShowMultimedia(QString(), CommandValue()); }

bool GetGraphicAudioCommand(QString& command, QString& graphic, QString& sound, int& duration)
{
    TGetGrAudioForm form(MediaDialogParent());
    form.Edit1->setText(graphic);
    form.Edit2->setText(sound);
    form.Edit3->setText(QString::number(qBound(0, duration, 9999)));
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    graphic = form.Name(0);
    sound = form.Name(1);
    duration = form.Duration();
    command = form.CommandValue();
    return true;
}
