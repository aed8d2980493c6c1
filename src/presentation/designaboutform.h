#pragma once
// TDesignAboutForm: the author's about box: caption, icon, three text lines,
// four comment lines and when the test shows it. "&View" shows the box as
// the test will.

#include <QDialog>

#include "model/testconfig.h"
#include "platform/dialogs.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

class TDesignAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TDesignAboutForm(QWidget* parent = nullptr);
    void Load(const TAboutSpec& about);
    TAboutSpec About{};

    QLineEdit* BoxTitleEdit;
    QCheckBox* UseIconChkBox;
    QGroupBox* IconGrpBx;
    QLineEdit* IconEdit;
    QListWidget* IconFileListBox;
    QPushButton* FindBtn;
    QLineEdit* ProgNameEdit;
    QLineEdit* VersionEdit;
    QLineEdit* AuthorEdit;
    QGroupBox* CommentsGrpBx;
    QLineEdit* Comm1;
    QLineEdit* Comm2;
    QLineEdit* Comm3;
    QLineEdit* Comm4;
    QGroupBox* WhenGrpBx;
    QRadioButton* StartRButt;
    QRadioButton* EndRButt;
    QRadioButton* BothRButt;
    QRadioButton* NeitherRButt;
    QPushButton* ViewBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    TFileDialogOptions OpenDialog1;

    void UseIconChkBoxClick();
    void IconFileListBoxClick(QListWidgetItem* item);
    void FindBtnClick();
    void ViewBtnClick();
    void OKBtnClick();

    static QStringList IconPatterns();

private:
    // The edits into About (not the when-shown setting).
    void StoreEdits();
};

// True (the record written back) on OK.
bool DesignAboutBox(TAboutSpec& about);
