#pragma once
// The data-file lines dialog: five free lines written unchanged at the end
// of every results report.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TDataFileFormat : public QDialog {
    Q_OBJECT
public:
    explicit TDataFileFormat(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void SaveBtnClick();
};
