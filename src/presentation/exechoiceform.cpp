#include "presentation/exechoiceform.h"

#include "presentation/getmediaform.h"
#include "presentation/mediachoosers.h"

TExeChoiceForm::TExeChoiceForm(QWidget* parent)
    : TExeChooserForm(540, tr(" Select External Type "),
                      {{4, tr(" Executable Program")}, {9, tr(" Windows related Program")},
                       {10, tr(" HTML Web Browser File")}},
                      parent)
{
    setObjectName(QStringLiteral("ExeChoiceForm"));
    RadioButton1 = Radios[0];
    RadioButton2 = Radios[1];
    RadioButton3 = Radios[2];
    AddBtn1 = Adds[0];
    AddBtn2 = Adds[1];
    AddBtn3 = Adds[2];
}

bool ChooseExternalCommand(QString& command, int& type)
{
    TExeChoiceForm form(MediaDialogParent());
    return RunExeChooser(form, command, type);
}
