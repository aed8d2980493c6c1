#pragma once
// The start-question dialog of a sequential test run: the question the
// student starts at. A start that leaves too few questions is refused.

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class TStartQuestionForm : public QDialog {
    Q_OBJECT
public:
    explicit TStartQuestionForm(QWidget* parent = nullptr);

    QLabel* TotalLabel;      // TotalQuestionsText
    QLabel* TotalValue;      // AvailableCount
    QLabel* TakeLabel;       // QuestionsToTakeText
    QLabel* TakeValue;       // TakeCount
    QLabel* StartLabel;      // StartAtQuestionText
    QSpinBox* SpinEdit1;     // 1..AvailableCount
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void OKBtnClick();
};
