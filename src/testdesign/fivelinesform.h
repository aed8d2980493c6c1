#pragma once
// A dialog of five one-line texts of the test record (the student input
// prompts, the data-file lines): five labelled edits, Save and Cancel. Save
// copies the edited lines into a private copy of the record and saves it;
// a line the author did not change keeps its stored bytes.

#include <QDialog>

#include "model/testconfig.h"

class QLineEdit;
class QPushButton;

class TFiveLinesForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    void SaveBtnClick();

protected:
    using TLines = ShortString<50> (TTestConfig::*)[5];
    // labelFormat has %1 for the line number.
    TFiveLinesForm(QWidget* parent, const char* objectName, const QString& groupTitle,
                   const QString& labelFormat, int helpContext, TLines lines);

private:
    TLines FLines;
};
