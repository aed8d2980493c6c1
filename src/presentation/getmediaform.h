#pragma once
// TGetMediaForm: the base of the media dialogs. A dialog has one or two file
// slots (a group with an edit, a list of the project directory's files that
// match the slot's masks, ignoring letter case, and a "Find File" button that
// can copy a file into the project), an optional duration field, "&View" to
// try the result, and OK, Cancel and Help. The members (TGetGraphicForm,
// TGetAudioForm, ...) add their slots in their constructors and say only
// what differs: the command value, the preview, and when View is possible.

#include <QDialog>
#include <QList>
#include <QStringList>

#include "platform/dialogs.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;

// One file of a dialog.
struct TMediaSlot {
    QGroupBox* Group = nullptr;
    QLineEdit* Edit = nullptr;
    QListWidget* List = nullptr;        // none for a typed-only slot
    QPushButton* FindBtn = nullptr;     // none for a typed-only slot
    QStringList Masks;                  // the list's patterns, e.g. "*.BMP"
    bool Executables = false;           // the list also shows files with the executable bit
    QStringList Fallbacks;              // patterns of the project file taken when nothing is chosen
    TFileDialogOptions OpenDialog;      // filter and title of "Find File"
    QString EmptyMessage;               // OK with an empty edit
    bool FreeLocation = false;          // a program: may name a file anywhere
};

class TGetMediaForm : public QDialog {
    Q_OBJECT
public:
    TGetMediaForm(int helpContext, QWidget* parent = nullptr);

    QPushButton* BitBtn1;     // "&View"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;
    QLineEdit* DurationEdit = nullptr;   // Edit2 or Edit3 where there is a duration
    QLabel* DurationLbl = nullptr;

    QList<TMediaSlot> Slots;

    // The names in the edits, trimmed.
    QString Name(int slot) const;
    // The duration as written into the command (0..9999); 0 without a field.
    int Duration() const;

    void FileListClick(int slot, QListWidgetItem* item);
    void FindFileClick(int slot);
    // Leaving the duration: empty becomes "0"; a text that is not a number
    // from 0 to 9999 is refused and reset to "0", and takes the focus back.
    bool DurationExit();
    void BitBtn1Click();
    void OKBtnClick();
    // Refills the lists from the project directory.
    void RefreshLists();
    // Enables "&View" as ViewPossible() says.
    void UpdateView();

    // The command value of the current edits.
    virtual QString CommandValue() const = 0;

protected:
    // Builders for the members' constructors, in the order the rows appear.
    TMediaSlot& AddFileSlot(const QString& caption, const QStringList& masks, int number);
    TMediaSlot& AddTypedSlot(const QString& caption, int maxLength);
    QLineEdit* AddDuration(const char* editName);
    QLineEdit* AddTextRow(const char* editName, const QString& label, int maxLength);
    // Call once every row is in place.
    void FinishLayout();

    // Plays or runs CommandValue(); the dialog is disabled meanwhile.
    virtual void Preview() = 0;
    // By default every slot must be filled.
    virtual bool ViewPossible() const;
    // Refuses a name that would break the command value or leave the
    // project directory; the message names it.
    virtual bool CheckNames();
    bool NameAllowed(const QString& name, bool freeLocation, QString& reason) const;

    QVBoxLayout* FRows = nullptr;

private:
    QList<QWidget*> FTabChain;   // the rows' controls, top to bottom
    bool FInDurationExit = false;
    int FHelpContext = 0;
};

// The parent for a media dialog: the active modal window (a chooser), else
// the active window.
QWidget* MediaDialogParent();
