#pragma once
// The test presentation menu. It stays on screen, its modal loop running,
// while a dialog it opens runs above it (see RunFromMenu).

#include <QDialog>

class QPushButton;

class TTCustForm : public QDialog {
    Q_OBJECT
public:
    explicit TTCustForm(QWidget* parent = nullptr);

    QPushButton* TextBtn;
    QPushButton* FunctBtn;
    QPushButton* QuestBtn;
    QPushButton* ResultsBtn;
    QPushButton* CloseBtn;

    // "Customize Test &Results " is enabled while a result function is on.
    void ApplyRules();
};
