#pragma once
// The re-order window: choose the question to move and the question it goes
// before, then "Move". Questions are chosen by their place in the list, so
// two questions with the same identifier are still told apart.

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

class THypReorgFm : public QDialog {
    Q_OBJECT
public:
    explicit THypReorgFm(QWidget* parent = nullptr);

    QRadioButton* ToMoveRBtn;
    QLineEdit* Edit1;
    QRadioButton* MovetoRbtn;
    QLineEdit* Edit2;
    QPushButton* SortBitBtn;
    QWidget* List1Pnl;
    QListWidget* ListBox1;
    QPushButton* Find1Btn;
    QPushButton* OK1Btn;
    QWidget* List2Pnl;
    QListWidget* ListBox2;
    QPushButton* Find2Btn;
    QPushButton* OK2Btn;
    QPushButton* CancelBitBtn;

    // Reads the identifiers and resets the window. False, after the message,
    // when the question file cannot be re-ordered (fewer than two questions,
    // or a damaged file).
    bool LoadQuestions();

    void ToMoveRBtnClick();
    void MovetoRbtnClick();
    void OK1BtnClick();
    void OK2BtnClick();
    void Find1BtnClick();
    void Find2BtnClick();
    void SortBitBtnClick();

    // The chosen places (-1 when none) and the per-list find state.
    int Chosen[2] = {-1, -1};
    int LastFound[2] = {-1, -1};
    QString SearchText[2];

private:
    void ResetState();
    void UpdateMoveButton();
    void Choose(int which);
    void Find(int which);
    QStringList FIdentifiers;
};

// Runs the re-order window for the open project.
void ReorderQuestions(QWidget* parent);
