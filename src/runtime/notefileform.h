#pragma once
// The text-file-name dialog of a notepad attachment.

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

class TNoteFileForm : public QDialog {
    Q_OBJECT
public:
    explicit TNoteFileForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void ViewBtnClick();
};

// Edits the notes file name; true with the typed name on OK.
bool EditNoteFileName(QString& name);
