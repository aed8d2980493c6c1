#pragma once
// Saving the introduction entry when the program configuration is saved.

#include <QString>
#include <QStringList>

#include "model/testconfig.h"

// What the program configuration form knows when it is saved.
struct TIntroSave {
    bool Edited = false;          // the introduction editor was closed with OK
    bool ExistedAtOpen = false;   // ReadIntroEntry found an entry when the form opened
    QStringList Text;             // the introduction's text lines
};

// With the introduction on and edited: no text (judged on the plain text,
// not the RTF lines) shows "The Introduction has not been entered." and
// turns the introduction off; otherwise the entry is replaced or appended.
// With the introduction off, an entry that existed is deleted (the entry
// file goes with its last entry); none is deleted when there was none, so
// a project without an entry file saves cleanly. On and not edited: the
// stored entry stays as it is. Throws EInOutError when the entry file
// cannot be written.
void SaveIntroductionEntry(const QString& entryPath, TPresentation& presentation, const TIntroSave& save);

// True when the RTF lines hold at least one character of text.
bool IntroTextHasLines(const QStringList& lines);
