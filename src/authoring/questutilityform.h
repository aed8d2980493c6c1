#pragma once
// The utilities menu of "Program &Utilities": re-ordering the questions, the
// hypertext utilities and the results reader.

#include <QDialog>

class QPushButton;

class TQuestUtilityForm : public QDialog {
    Q_OBJECT
public:
    explicit TQuestUtilityForm(QWidget* parent = nullptr);

    QPushButton* Button1;   // Re-Order Test Questions
    QPushButton* Button2;   // HyperText Utilities
    QPushButton* Button3;   // Analyze Test Results
    QPushButton* BitBtn1;   // Close

    // Enables the buttons from the open project's files.
    void ApplyRules();

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    // Runs a tool over the menu, then gives the focus back to the button.
    void RunTool(QPushButton* from, void (*tool)(QWidget*));
};
