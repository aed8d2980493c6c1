#pragma once
// Thypaddform: the question text, read-only; a press on an underlined
// phrase opens the hyperlink menu of that phrase. "&Show All" and "&Delete"
// view or delete the project's hyperlink entries.

#include <QDialog>

#include <functional>

class QPushButton;
class TRichEdit;

class Thypaddform : public QDialog {
    Q_OBJECT
public:
    explicit Thypaddform(QWidget* parent = nullptr);

    TRichEdit* RichEdit1;
    QPushButton* BitBtn1;   // Close
    QPushButton* Button1;   // "&Show All"
    QPushButton* Button2;   // "&Delete"

    // Loads the question text (RTF) on the current question's background.
    void Load(const QByteArray& rtf);
    // Enables "&Show All" and "&Delete" when the entry file holds a HYPER
    // entry.
    void UpdateButtons();
    // The phrase at the caret opens its hyperlink menu.
    void RichEdit1MouseDown();
    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Guarded(const std::function<void()>& action);
};
