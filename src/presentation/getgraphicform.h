#pragma once
// TGetGraphicForm: chooses a BMP or JPG picture of the project directory and
// how long it stays; the command value is graphic "," duration.

#include "presentation/getmediaform.h"

class TGetGraphicForm : public TGetMediaForm {
    Q_OBJECT
public:
    explicit TGetGraphicForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;          // the graphic
    QListWidget* FileListBox1;
    QPushButton* FindFileBtn1;
    QLineEdit* Edit2;          // the duration in tenths of a second

    QString CommandValue() const override;

protected:
    void Preview() override;
};
