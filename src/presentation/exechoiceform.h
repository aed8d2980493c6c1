#pragma once
// TExeChoiceForm: chooses a program (type 4), a program with a file of the
// project (type 9) or an HTML page (type 10), for the closing command and
// for entries.

#include "presentation/exechooserform.h"

class TExeChoiceForm : public TExeChooserForm {
    Q_OBJECT
public:
    explicit TExeChoiceForm(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QPushButton* AddBtn1;
    QPushButton* AddBtn2;
    QPushButton* AddBtn3;
};
