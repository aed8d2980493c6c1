#pragma once
// TAttachMenuForm: the attachment menu that the question information, the
// hyperlink and the score-group feedback menus share. One radio button and
// one "Add" button per kind of attachment; "Add" opens the kind's editor,
// "&Save" writes the entry of the kind that was last added.
//
// Kinds are the entry type codes: 1 text, 2 graphic, 3 voice, 4 / 9 / 10
// executable, program with a file, HTML page (one radio button), 5 graphic
// and text, 6 graphic and sound, 7 video, 8 MIDI and, where the menu offers
// it, 13 notepad.
//
// Each "Add" takes the menu down (done(mrAdd + button)); RunAttachMenu runs
// the editor and shows the menu again, so the menu's state lives on across
// its showings. Nothing is written before "&Save"; Cancel writes nothing.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TAttachMenuForm : public QDialog {
    Q_OBJECT
public:
    // mrAdd + n: "Add" button n (1..9) was pressed.
    enum : int { mrAdd = 200 };
    static constexpr int ButtonCount = 9;

    // withNotepad: the menu offers kind 13 ("Orl NotePad", RadioButton9).
    TAttachMenuForm(const QString& source, bool withNotepad, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9 = nullptr;   // only with the notepad kind
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9 = nullptr;
    QPushButton* OKBtn;      // "&Save"
    QPushButton* CancelBtn;  // "&Cancel"

    // ---- menu state ----
    QString EntryName;      // the name the entry is saved under
    QString Source;         // "INFO", "HYPER" or "COMMS"
    QString EntryFile;      // the project's entry file
    bool EditMode = false;  // the entry existed when the menu opened
    QString OldName;        // its stored name
    int SelectedKind = 1;   // the kind of the radio button that is on
    int DefinedKind = 0;    // the kind an "Add" has produced a value for
    QString Command;        // the command text of the defined command kind
    QString GraphicName, SoundName, VoiceName, VideoName, MidiName, ExeText, NoteName;
    int Duration = 0;       // tenths of a second
    TEntryDisplay Display{};
    QStringList TextLines;

    // Opens the menu for the entry: edit mode when the entry file holds an
    // entry of that name and source, else new mode. Throws EQuendraError when
    // a stored display entry is damaged.
    void Open(const QString& entryName);

    QRadioButton* Radio(int button) const;
    QPushButton* AddButton(int button) const;
    // The radio button (1..9) that shows a kind, 0 for none.
    int ButtonOfKind(int kind) const;

    void RadioClick(int button);
    // The editor of "Add" button n, run while the menu is down. True when
    // the editor was confirmed and its kind became the defined kind.
    bool RunAdd(int button);
    // "&Save": the checks, then the entry is written and the menu closes.
    void OKBtnClick();

protected:
    // What a subclass adds: the look of its two modes, and where the focus
    // goes after an editor closed.
    virtual void ShowMode() {}
    virtual void AfterAdd(int button);

    // The area above the group box, for the subclasses' label and edit.
    class QVBoxLayout* TopArea;

private:
    void SwitchOn(int button);
    void EnableAddOf(int button);
    void LoadStored(const QStringList& lines);
    bool NameHasComma(const QString& name) const;
    void WriteEntry();
    bool FNotepad;
};

// form.Open(entryName); a damaged stored entry is reported and answers
// false (the menu is not shown then).
bool OpenAttachMenu(TAttachMenuForm& form, const QString& entryName);
// Runs the menu after Open: shows it, runs the "Add" editors while it is
// down, until Save or Cancel. Answers true when it was closed by Save.
bool RunAttachMenu(TAttachMenuForm& form);

// The name proposed for a file slot: the remembered name while its file is
// there, else the first file of the project directory that matches mask1,
// else mask2, else empty.
QString ProposeFileName(const QString& remembered, const QString& mask1, const QString& mask2 = QString());
