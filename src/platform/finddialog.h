#pragma once
// A find dialog that stays open beside its window (modeless): one search
// text and "&Find Next". It searches downward only; there are no match-case,
// whole-word or direction options. The owner does the searching.

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);
    QString FindText() const;
    void SetFindText(const QString& text);
    // Shows the dialog (or brings it forward) with the text selected.
    void Execute();

    QLineEdit* FindEdit;
    QPushButton* FindNextBtn;
    QPushButton* CancelBtn;

Q_SIGNALS:
    // "Find Next" with a non-empty text.
    void Find(const QString& text);
};
