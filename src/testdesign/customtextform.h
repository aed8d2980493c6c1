#pragma once
// The texts dialog: every caption and message a student sees during a test
// run, grouped as buttons, media instructions, question dialogs, question
// screen, messages and results.

#include "model/testconfig.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QLabel;

class TCustomTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TCustomTextForm(QWidget* parent = nullptr);

    // " Buttons "
    QLineEdit* Quitedit;
    QLineEdit* Closeedit;
    QLineEdit* Aboutedit;
    QLineEdit* Helpedit;
    QLineEdit* ContinueEdit;
    QLineEdit* NextEdit;
    QLineEdit* Passedit;
    QLineEdit* InfoEdit;
    QLineEdit* ExplanEdit;
    QLineEdit* Quitsaveedit;
    // " AVI/ MIDI Instructions "
    QLineEdit* AVIedit;
    // " Questions  "
    QLineEdit* TotalQEdit;
    QLineEdit* totakeEdit;
    QLineEdit* StartQEdit;
    QLineEdit* MaxStartQEdit;
    // "Question Screen "
    QLineEdit* AnswerTag;
    QLineEdit* ScoreEdit;
    QLineEdit* AnsweredEdit;
    QLineEdit* CorrectEdit;
    // " Messages  "
    QLineEdit* CompleteEdit;
    QLineEdit* PrintResultsEdit;
    QLineEdit* ResultsSave;
    QLineEdit* PassedQ;
    QLineEdit* WrongQ;
    QLineEdit* CorrectAedit;
    QLineEdit* AllLostedit;
    QLineEdit* RetakeQ;
    // " Results "
    QLineEdit* Qresultsedit;
    QLineEdit* QAnswerededit;
    QLineEdit* QCorrectEdit;

    QLabel* HintLbl;
    QPushButton* SaveBtn;
    QPushButton* DefaultBtn;
    QPushButton* CancelBtn;

    void DefaultBtnClick();
    void SaveBtnClick();

    // The dialog's private copy of the record.
    TTestConfig Record;

private:
    struct TField {
        QLineEdit* Edit;
        int Offset;
        int Capacity;
        int Limit;
    };
    void Fill();
    QList<TField> FFields;
};
