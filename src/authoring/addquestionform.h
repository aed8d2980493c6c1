#pragma once
// The identifier dialog of "Add a Question": asks for the identifier of the
// new question and refuses one that another question of the test uses.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TAddQuestionForm : public QDialog {
    Q_OBJECT
public:
    explicit TAddQuestionForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Leaving the field: an identifier in use is refused, the field emptied
    // and focused again. True when the text may stay.
    bool Edit1Exit();
    void OKBtnClick();

    // True when a question of the test already has this identifier, letter
    // case ignored. The text is compared as it would be stored.
    static bool IdentifierInUse(const QString& identifier);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FChecking = false;
};

// Shows TAddQuestionForm. On OK the typed identifier (cut to 32 characters)
// goes into QuestionBuffer.Identifier and the result is true.
bool RunIdentifierDialog();
