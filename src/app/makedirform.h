#pragma once
// The new-test dialog: a folder tree (rooted at "/", the home folder open at
// first), the folder path, the project files of the folder and the name of
// the new test.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TMakeDirForm : public QDialog {
    Q_OBJECT
public:
    explicit TMakeDirForm(QWidget* parent = nullptr);

    // The files FileListBox1 shows ("*.QXJ"; letter case is ignored).
    void SetMask(const QString& mask);
    // Opens the tree down to the folder and selects it (Edit1 follows).
    // False when the folder does not exist.
    bool SelectFolder(const QString& folder);

    // Edit1 with one trailing "/", Edit2 as typed; meaningful after OK.
    QString Folder() const;
    QString FileName() const;

    QLabel* DirLbl;
    QTreeWidget* DirectoryListBox1;
    QLineEdit* Edit1;
    QLabel* FilesLbl;
    QListWidget* FileListBox1;
    QLabel* FileLbl;
    QLineEdit* Edit2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    void DirectoryListBox1Change();
    void FileListBox1Click();
    void BitBtn1Click();

private:
    void FillChildren(QTreeWidgetItem* item);
    void ListFiles(const QString& folder);
    QString FMask = QStringLiteral("*");
};
