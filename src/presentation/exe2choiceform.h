#pragma once
// TExe2ChoiceForm: chooses a program (type 4) or a program with a file of
// the project (type 9), for the opening command.

#include "presentation/exechooserform.h"

class TExe2ChoiceForm : public TExeChooserForm {
    Q_OBJECT
public:
    explicit TExe2ChoiceForm(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* AddBtn1;
    QPushButton* AddBtn2;
};
