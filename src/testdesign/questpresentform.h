#pragma once
// The question display dialog: the colour of the answer bar, whether the
// score panel shows, and (through the score bar dialog) its colours. It
// works on a copy of the record's question screen block.

#include "model/testconfig.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class TColourSwatch;

class TQuestPresentForm : public QDialog {
    Q_OBJECT
public:
    explicit TQuestPresentForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;        // "Answer Bar Color"
    TColourSwatch* Panel1;       // the answer bar with a sample button
    QPushButton* SampleBtn;      // "Answer A", not a control
    QPushButton* Button2;        // "Select"
    QCheckBox* CheckBox10;       // "Display Score Panel"
    QPushButton* Button1;        // "Design Score Bar"
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // The dialog's copy of the question screen block.
    TQuestionScreenColors Block;

    void Button2Click();
    void CheckBox10Click();
    void Button1Click();
    void SaveBtnClick();
};
