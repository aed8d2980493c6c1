#pragma once
// The score groups dialog: the upper bounds, in percent, of up to five score
// groups that select the feedback shown with the results. An empty first
// bound means no groups of the author's own (the ten-percent groups apply).

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TFieldChecks;

class TGroupScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TGroupScoreForm(QWidget* parent = nullptr);

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
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // The check of edit k (0..4) run when the focus leaves it and again on
    // Save: false after the message, with the edit emptied and focused.
    bool EditExit(int k);
    void SaveBtnClick();

private:
    QLineEdit* Edit(int k) const;
    TFieldChecks* FChecks;
};
