#pragma once
// The distribution dialog: where the files go and which program is
// distributed. The drive chooser lists the mounted volumes and the home
// folder; the folder tree shows the folders of the chosen one.

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeView;

class TDistribForm : public QDialog {
    Q_OBJECT
public:
    explicit TDistribForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* DriveComboBox1;
    QLabel* Label2;
    QTreeView* DirectoryListBox1;
    QLabel* Label3;
    QLineEdit* Edit1;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;   // Compiled Test
    QRadioButton* RadioButton2;   // Executable Test
    QPushButton* BitBtn1;         // OK
    QPushButton* BitBtn2;         // Cancel

    // Shows the folder in the tree and in Edit1.
    void SetFolder(const QString& folder);
    // The folder Edit1 names: absolute (relative texts count from the
    // project directory), cleaned, without a trailing "/".
    QString TargetFolder() const;

    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    // Refuses, with the focus back in Edit1, a target that is the project
    // or the program directory by any spelling (trailing "/", ".", a
    // relative path, a symbolic link).
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowPending();
    QFileSystemModel* FModel;
    QString FPending;   // the folder to show once the model has read it, until the author moves
};
