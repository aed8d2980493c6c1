#pragma once
// The number-to-take dialog of a test run: how many of the test's questions
// the student takes.

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class TTestTotakeForm : public QDialog {
    Q_OBJECT
public:
    explicit TTestTotakeForm(QWidget* parent = nullptr);

    QLabel* TotalLabel;      // TotalQuestionsText
    QLabel* TotalValue;      // AvailableCount
    QLabel* TakeLabel;       // QuestionsToTakeText
    QSpinBox* SpinEdit1;     // 1..AvailableCount
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
