#pragma once
// The notepad: a plain-text memo with File and Edit menus.

#include <QDialog>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;

class THNotesForm : public QDialog {
    Q_OBJECT
public:
    explicit THNotesForm(QWidget* parent = nullptr);
    ~THNotesForm() override;

    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* Print1;
    QAction* PrintSetup1;
    QAction* Exit1;
    QMenu* Edit1;
    QAction* Cut1;
    QAction* Copy1;
    QAction* Paste1;
    QAction* Find1;
    QAction* Replace1;
    QPlainTextEdit* Memo1;

    QString SaveName;    // the file Save writes; empty = untitled

    // Loads the file (when it exists) and makes it the save name. A file
    // that cannot be read is reported with its name; the memo keeps its text.
    // False, with the error shown and the form unchanged, when it cannot be read.
    bool LoadFile(const QString& file);

    void New1Click();
    void Open1Click();
    bool Save1Click();     // false when nothing was written
    bool SaveAs1Click();
    void Print1Click();
    void PrintSetup1Click();
    void Exit1Click();
    void Edit1Popup();
    void Find1Click();
    void Replace1Click();
    // Searches the memo, case-sensitively, from the end of the selection
    // forward; selects a hit, beeps on a miss.
    bool FindNext(const QString& text);
    // Replaces the selection when it is the search text (searching first
    // otherwise); with all, repeats until the search misses. Answers the
    // number of replacements.
    int ReplaceText(const QString& text, const QString& replacement, bool all);

    // The unsaved-changes question; false when the action is abandoned.
    bool FormCloseQuery();

    void done(int result) override;

private:
    bool WriteTo(const QString& file);
    void SetCaption(const QString& name);
    QPrinter* Printer();
    QPrinter* FPrinter = nullptr;
    QString FFindText;
};

// Writes the notes text (lines ending in LF) as the file stores it:
// Windows-1252, CR LF. Through the save helper, so a failure leaves the old
// file whole; throws EInOutError naming the file.
void SaveNotesFile(const QString& file, const QString& text);

// Shows the notepad on the text file (which need not exist).
void ShowNotepad(const QString& file);
