#include "testdesign/datafileformat.h"

#include "platform/modal.h"
#include "testdesign/testpresentation.h"

TDataFileFormat::TDataFileFormat(QWidget* parent)
    : TFiveLinesForm(parent, "DataFileFormat", tr(" Add Data file Formatting Statements "),
                     tr("Line %1"), 303, &TTestConfig::DataFileLine)
{
}

void DesignDataFileLines(QWidget* parent)
{
    TDataFileFormat form(parent);
    ShowModal(form);
}
