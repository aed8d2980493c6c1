#pragma once
// TGetWinExeForm: a program and a file of the project directory, typed as
// program, a space, the file name; the command value is the text.

#include "presentation/getmediaform.h"

class TGetWinExeForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetWinExeForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;

    QString CommandValue() const override;

protected:
    void Preview() override;
    // The program may live anywhere; the file after the first space is a
    // file of the project directory.
    bool CheckNames() override;
};
