#pragma once
// TDesignBackForm: the background design dialog family. One dialog chooses a
// screen background: a colour, a picture (BMP or JPG) stretched over the
// screen, or a BMP wallpaper, picked from the project directory or copied
// into it. TIntDesignBackForm (the introduction), TVPDesignBackForm (a
// type-5 entry's screen) and TCFGDesignBackForm (the program background)
// differ only in the record they work on and the few rules set here.

#include <QDialog>
#include <QStringList>

#include "platform/dialogs.h"
#include "runtime/background.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

class TDesignBackForm : public QDialog {
    Q_OBJECT
public:
    explicit TDesignBackForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* ColorRBtn;
    QRadioButton* GraphicRBtn;
    QRadioButton* WallpaperRBtn;
    QGroupBox* ColorGrpBx;
    QFrame* Panel1;
    QPushButton* Button3;
    QGroupBox* GraphicGrpBx;
    QLineEdit* GraphicEdit;
    QListWidget* FileListBox1;
    QPushButton* Button2;
    QGroupBox* WallpaperGrpBx;
    QLineEdit* WallPaperEdit;
    QListWidget* FileListBox2;
    QPushButton* Button1;
    QLabel* AdjustLbl;
    QPushButton* AdjustBtn;    // "&Adjust Window" (introduction and type-5 screens)
    QPushButton* ViewBitBtn;   // "View" (program background)
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    TFileDialogOptions OpenDialog1;

    // The background being designed.
    TBackground Back;

    void ColorRBtnClick();
    void GraphicRBtnClick();
    void WallpaperRBtnClick();
    void FileListBox1Click(QListWidgetItem* item);
    void FileListBox2Click(QListWidgetItem* item);
    void Button2Click();   // "&Find File" for the picture
    void Button1Click();   // "Find File" for the wallpaper
    void Button3Click();   // "&Select" colour
    void OKBtnClick();

protected:
    // Copies the background in and sets the controls from it.
    void LoadBackground(const TBackground& background);
    // Takes the typed file names (a name typed and never clicked counts).
    void TakeEditedNames();
    // Each member stores Back into its record here.
    virtual void StoreRecord() = 0;

    bool FClearJpgWallpaper = true;   // choosing Wallpaper drops a ".JPG" name
    bool FClearUnusedOnOK = true;     // OK clears the names the type does not use
    QString FWallpaperFilter;

private:
    void ShowGroupOf(int kind);
    void RefreshLists();
    // The file the author picked with the open dialog, copied into the
    // project directory when asked; edit shows the result.
    void FindFile(QLineEdit* edit, QString& name, bool graphic);
};
