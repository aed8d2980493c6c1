#include "presentation/exe2choiceform.h"

#include "presentation/getmediaform.h"
#include "presentation/mediachoosers.h"

TExe2ChoiceForm::TExe2ChoiceForm(QWidget* parent)
    : TExeChooserForm(425, tr(" Select Executable Type "),
                      {{4, tr(" Executable Program")}, {9, tr(" Internal Windows Program")}}, parent)
{
    setObjectName(QStringLiteral("Exe2ChoiceForm"));
    RadioButton1 = Radios[0];
    RadioButton2 = Radios[1];
    AddBtn1 = Adds[0];
    AddBtn2 = Adds[1];
}

bool ChooseExecutableCommand(QString& command, int& type)
{
    TExe2ChoiceForm form(MediaDialogParent());
    return RunExeChooser(form, command, type);
}
