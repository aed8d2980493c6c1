#pragma once
// TCommentsForm: the score-group feedback comments. One radio button per
// score group 0..10 with a mark when the group has feedback (the flag
// GroupFeedbackDefined of the test configuration, the COMMS entry
// "GROUP n FEEDBACK"); "&Add/Edit" opens the feedback menu, "&Delete"
// removes the group's feedback. Each command writes the project file at once.

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TCommentsForm : public QDialog {
    Q_OBJECT
public:
    // The window is taken down while the feedback menu is open.
    enum : int { mrAddEdit = 100 };
    static constexpr int GroupCount = 11;

    explicit TCommentsForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLabel* Label1;                            // "Score Groups:"
    QLabel* Label2;                            // "Defined"
    QRadioButton* RadioButtons[GroupCount];    // RadioButton1..11, tag = group + 1
    QLabel* Panels[GroupCount];                // Panel1..11, the marks
    QPushButton* AddBtn;
    QPushButton* DelBtn;
    QPushButton* BitBtn1;                      // "&Close"

    int SelectedTag = 0;   // 0: no group chosen yet

    static QString CheckMark();
    static QString FeedbackName(int group);
    bool Marked(int tag) const;
    void SetMark(int tag, bool marked);

    void RadioClick(int tag);
    // The feedback menu of the selected group (run while the window is down).
    void AddEdit();
    void DelBtnClick();
};

// Shows the comments window modally.
void ShowCommentsForm(QWidget* parent = nullptr);
