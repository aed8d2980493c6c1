#pragma once
// THelpfileForm: the test's own help file and the topic its Help button
// opens. The help file is an HTML document in the project directory; a
// topic N is the element whose id is "N".

#include <QDialog>

#include "model/testconfig.h"
#include "platform/dialogs.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class THelpfileForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpfileForm(QWidget* parent = nullptr);
    void Load(const TProgramSettings& program);
    TProgramSettings Program{};

    QLineEdit* Edit1;          // "HelpFile :"
    QListWidget* FileListBox1;
    QPushButton* FindBtn;      // "&Find File"
    QLineEdit* Edit2;          // "Starting Topic :"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    TFileDialogOptions OpenDialog1;

    void FindBtnClick();
    void FileListBox1Click(QListWidgetItem* item);
    // Leaving the topic: a non-number is refused and reset to "1".
    bool Edit2Exit();
    void OKBtnClick();

    static QStringList HelpFilePatterns();
};

// Edits HelpFile and HelpContext; true (both written back) on OK.
bool ChooseHelpFile(TProgramSettings& program);
