#pragma once
// TGetHTMForm: chooses an HTML page of the project directory; the command
// value is its file name, opened in the desktop's browser.

#include "presentation/getmediaform.h"

class TGetHTMForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetHTMForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;

    QString CommandValue() const override;

protected:
    void Preview() override;
};
