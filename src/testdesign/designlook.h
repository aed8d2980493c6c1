#pragma once
// What every test design form shares:
// - the look: teal, fixed size, caption "Press F1 for Help", the hint, the
//   form's help context (SetDesignLook);
// - texts kept in the record as short strings, read and written by offset so
//   that one table can list a form's fields (RecordText / SetRecordText);
// - colours as the record keeps them (0x00BBGGRR) and their spoken names;
// - the save of an accepted record, which leaves TestConfig and the project
//   file as they were when the disk refuses it (SaveRecord);
// - the run of a dialog from a menu (RunFromMenu).
// The colour panel is in colourswatch.h, the field checks in fieldchecks.h.

#include "model/testconfig.h"

#include <QColor>
#include <QString>

#include <functional>

class QDialog;
class QLabel;
class QPushButton;
class QLineEdit;
class QWidget;

// Teal background with white captions, "Press F1 for Help" as caption and
// hint, the help context, a size fixed by the form's layout, and a place in
// the centre of the main window's screen. Called at the end of a form's
// constructor.
void SetDesignLook(QDialog& form, int helpContext);

// Gives a control its design name and the accessible name a screen reader
// announces (the visible caption without mnemonic marks and trailing colon).
void NameControl(QWidget* control, const char* objectName, const QString& caption);
// "&Save" -> "Save", "Quit && &Sav" -> "Quit & Sav", "Label :" -> "Label".
QString PlainCaption(const QString& caption);
// A label for a control: the label's text is the caption, its buddy the
// control, and the control announces the caption.
QLabel* NewBuddyLabel(const QString& caption, QWidget* control, QWidget* parent);

// The short string of the record at byte offset `offset` with capacity
// `capacity` (a length above the capacity reads as the capacity).
QString RecordText(const TTestConfig& record, int offset, int capacity);
// Stores the text cut to the capacity; bytes after the text stay as they were.
void SetRecordText(TTestConfig& record, int offset, int capacity, const QString& text);

QColor RecordColour(quint32 value);
quint32 RecordValue(const QColor& colour);
// The colour as a screen reader should say it: one of the sixteen named
// colours ("Silver"), else "red R, green G, blue B".
QString ColourName(const QColor& colour);

// The error box of a form's check. Afterwards the form is made the active
// window again, so that its accelerators work at once even where no window
// manager hands the activation back when the box closes.
void ShowFormError(QWidget* form, const QString& text);

// Copies the record into TestConfig and writes the project file (the bytes
// SaveConfig writes, through the save helper of model/savefile.h). When the
// write fails, TestConfig and MediaPrompt get their old values back, the
// error (naming the file) is shown, and the answer is false.
bool SaveRecord(const TTestConfig& record);

// Runs a dialog of a menu. The menu goes out of sight meanwhile without
// being hidden (hiding a dialog inside its modal loop would end that loop
// and the menu with it): it is moved off the screen and back. Afterwards it
// is brought to the front with the focus on the button that opened the
// dialog. An error the dialog raises is shown here, so that it never crosses
// the menu's event loop.
void RunFromMenu(QDialog& menu, QPushButton* from, const std::function<void()>& form);
