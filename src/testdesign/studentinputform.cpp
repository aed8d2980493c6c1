#include "testdesign/studentinputform.h"

#include "platform/modal.h"
#include "testdesign/testpresentation.h"

TStudentInputForm::TStudentInputForm(QWidget* parent)
    : TFiveLinesForm(parent, "StudentInputForm", tr(" Get Student Input "),
                     tr("Input %1"), 304, &TTestConfig::StudentInputPrompt)
{
}

void CustomizeStudentInput(QWidget* parent)
{
    TStudentInputForm form(parent);
    ShowModal(form);
}
