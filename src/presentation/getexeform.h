#pragma once
// TGetExeForm: chooses a program (from the project directory, or anywhere)
// and its parameters; the command value is program, or program ","
// parameters when there are parameters.

#include "presentation/getmediaform.h"

class TGetExeForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetExeForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;          // the program
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;
    QLineEdit* Edit2;          // "Parameters :"

    // A value with a comma is split at its first comma: program, parameters.
    void SetCommand(const QString& command);
    QString CommandValue() const override;

protected:
    void Preview() override;
};
