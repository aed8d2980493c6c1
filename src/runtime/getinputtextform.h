#pragma once
// The small find dialog of the selection lists: one edit and the buttons
// "Find First", "Find Next" and Cancel.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TGetInputTextForm : public QDialog {
    Q_OBJECT
public:
    // Results of the form (the code given to done()).
    enum : int { frCancelled = 0, frFindFirst = 1, frFindNext = 2 };

    explicit TGetInputTextForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* FindFirstBtn;
    QPushButton* FindNextBtn;
    QPushButton* CancelBtn;

    void FindFirstBtnClick();
    void FindNextBtnClick();
};

// Shows the find dialog with the text; answers 0 when cancelled, 1 for Find
// First and 2 for Find Next, with the edited text in `text`. A cancelled
// dialog leaves `text` as it was.
int AskFindText(QString& text);
