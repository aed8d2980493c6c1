#pragma once
// TGetVideoForm: chooses an AVI video of the project directory; the command value is
// the file name.

#include "presentation/getmediaform.h"

class TGetVideoForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetVideoForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;

    QString CommandValue() const override;

protected:
    void Preview() override;
};
