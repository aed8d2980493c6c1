#pragma once
// Modal message boxes. Texts may carry "\n\r" or "\r\n" line breaks; each is
// shown as one line break.

#include <QString>

void ShowError(const QString& text);                 // "Error", OK
void ShowInfo(const QString& text);                  // "Information", OK
bool Confirm(const QString& text);                   // "Confirm", &Yes/&No; true only for Yes
void ShowColourWarning();                            // the 256-colour advisory

enum TYesNoCancel : int { mrYes = 6, mrNo = 7, mrCancel = 2 };
int YesNoCancel(const QString& text, const QString& title = QStringLiteral("Confirm"));

// The shell's "open" on a document, page or program; returns at once and
// reports nothing.
void OpenDocument(const QString& path);


extern const char* const ColourWarningText;
