#pragma once
// The student input dialog: the prompts of up to five details the student
// types before the results are saved or printed. An empty prompt is not
// asked.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TStudentInputForm : public QDialog {
    Q_OBJECT
public:
    explicit TStudentInputForm(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void SaveBtnClick();
};
