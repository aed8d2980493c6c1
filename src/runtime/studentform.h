#pragma once
// The student form: up to five details the test asks for (name, class, ...)
// before the results are saved or printed. Only the prompts the test defines
// are shown, and the form closes only when every shown answer is filled in;
// Esc and the close box are refused the same way as OK.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TStudentForm : public QDialog {
    Q_OBJECT
public:
    explicit TStudentForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* OKBtn;

    QLabel* Labels[5];
    QLineEdit* Edits[5];

    // The first shown edit that is empty (blanks only count as empty), or null.
    QLineEdit* FirstEmptyEdit() const;

public:
    // Every way of closing comes here: refused with CompleteFormText while a
    // shown edit is empty, which then gets the focus.
    void done(int result) override;
};

// Shows the student form and copies the answers to StudentAnswers (hidden
// ones empty, each cut to 60 characters).
void AskStudentDetails();
