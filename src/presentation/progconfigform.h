#pragma once
// TProgConfigForm: "Customize the Program Presentation": the program title
// and icon, the test's help file, the video-mode advisory, the program
// background, the opening and closing commands, the introduction and the
// about box. It works on copies of the two records and writes them back on
// "&Save" only.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"
#include "platform/dialogs.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TProgConfigForm : public QDialog {
    Q_OBJECT
public:
    explicit TProgConfigForm(QWidget* parent = nullptr);
    void Load(const TPresentation& presentation, const TProgramSettings& program, const QString& entryPath);
    TPresentation Presentation{};
    TProgramSettings Program{};

    QLineEdit* Edit1;            // "Title :"
    QCheckBox* IconChkBx;
    QGroupBox* IconGrpBx;        // " Select Icon File "
    QLineEdit* IconEdit;
    QListWidget* FileListBox1;
    QPushButton* Button1;        // "&Find File"
    QCheckBox* CheckBox3;        // " Use Help File"
    QPushButton* HelpBtn;        // "Select"
    QCheckBox* VideoChkBx;
    QPushButton* Button2;        // "Design Background Screen"
    QCheckBox* OpenChkBx;
    QPushButton* OpenBtn;
    QCheckBox* CloseChkBx;
    QPushButton* CloseBtn;
    QCheckBox* IntroChkBx;
    QPushButton* IntroBtn;
    QCheckBox* AboutChkBx;
    QPushButton* AboutBtn;
    QPushButton* BitBtn1;        // "&Save"
    QPushButton* BitBtn2;        // "&Cancel"
    TFileDialogOptions OpenDialog1;

    void IconChkBxClick();
    void Button1Click();
    void FileListBox1Click(QListWidgetItem* item);
    void HelpBtnClick();
    void Button2Click();
    void OpenBtnClick();
    void CloseBtnClick();
    void IntroBtnClick();
    void AboutBtnClick();
    void BitBtn1Click();
    void UpdateButtons();

    static QStringList IconPatterns();

private:
    QString FEntryPath;
    QStringList FIntroText;
    bool FIntroExisted = false;
    bool FIntroEdited = false;
};

// "Progra&m Presentation": true when the author saved (both records written
// back, the introduction entry saved).
bool ProgramConfigDialog(TPresentation& presentation, TProgramSettings& program, const QString& entryPath);
