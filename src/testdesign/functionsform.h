#pragma once
// The functions dialog: what a test run offers (how many questions, order,
// pass, retake, quit and save) and what it does with the results, with the
// name of the results data file.

#include <QDialog>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TFieldChecks;

// The results file name as it is stored: the extension replaced by ".qxd"
// (added when there is none) and, when the whole is longer than the field's
// 60 characters, the stem shortened so that the extension stays. Folders
// end at "/", "\" or ":". Empty when no stem fits.
QString ResultsFileNameFor(const QString& typed);
// True when the name can be created: its file part (without folder and
// extension) is not empty and holds none of the 14 characters a file name
// may not hold, and no part of it holds a control character or a character
// the record cannot store.
bool ResultsFileNameValid(const QString& name);

class TFunctionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TFunctionsForm(QWidget* parent = nullptr);

    QCheckBox* CheckBox1;    // Take all Questions
    QCheckBox* CheckBox2;    // Sequential Presentation
    QCheckBox* CheckBox9;    // Display Right Answer
    QCheckBox* CheckBox6;    // Allow Retake
    QCheckBox* CheckBox7;    // Allow Pass
    QCheckBox* CheckBox12;   // Allow Quit && Save
    QCheckBox* CheckBox11;   // Show Final Results Graph
    QCheckBox* CheckBox3;    // Save Results to Disk
    QCheckBox* CheckBox4;    // Save Results to Printer
    QCheckBox* CheckBox5;    // Use Data Swap File
    QGroupBox* FileGroup;    // " File Name "
    QLineEdit* Edit2;
    QCheckBox* CheckBox8;    // Encrypt Data
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;

    // The check run when the focus leaves Edit2, and again on Save; false
    // (after the message, with Edit2 emptied and focused) for a bad name.
    bool Edit2Exit();
    void SaveBtnClick();

private:
    TFieldChecks* FChecks;
};
