#pragma once
// The results menu: the dialogs that design what happens after the
// questions. Its buttons are enabled by the test functions when it opens.

#include <QDialog>

class QPushButton;

class TResMenuForm : public QDialog {
    Q_OBJECT
public:
    explicit TResMenuForm(QWidget* parent = nullptr);

    QPushButton* GraphBtn;
    QPushButton* GroupsBtn;
    QPushButton* FeedbackBtn;
    QPushButton* InputBtn;
    QPushButton* OutputBtn;
    QPushButton* CloseBtn;

    void ApplyRules();
};
