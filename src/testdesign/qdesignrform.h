#pragma once
// The results graph dialog: the pass percentage and the colours of the
// results bar when the test is passed or failed.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TColourSwatch;
class TFieldChecks;

class TQDesignRForm : public QDialog {
    Q_OBJECT
public:
    explicit TQDesignRForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;           // pass percentage, 3 characters
    QLabel* Label2;
    TColourSwatch* Panel1;      // graph colour if passed
    QPushButton* PassBtn;
    QLabel* Label3;
    TColourSwatch* Panel2;      // graph colour if failed
    QPushButton* FailBtn;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // The check run when the focus leaves Edit1 and again on Save: false
    // after the message, with "50" in Edit1 and the focus on it.
    bool Edit1Exit();
    void PassBtnClick();
    void FailBtnClick();
    void SaveBtnClick();

private:
    TFieldChecks* FChecks;
};
