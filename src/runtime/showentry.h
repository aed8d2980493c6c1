#pragma once
// Showing, playing or running an entry at run time, by its type code.

#include <QStringList>

#include "model/testconfig.h"

// Lines as ReadEntry (or an entry store) gives them. Sets CurrentEntryName.
// A damaged entry throws EQuendraError naming it.
void ShowEntry(const QStringList& lines);

// ShowEntry shows codes 1 (text window) and 5 (view-port display) with the
// displays of this library. A test may install a replacement that receives
// the type code, the parsed record and the text instead; null puts the real
// displays back.
using TTextEntryDisplay = void (*)(int typeCode, const TEntryDisplay& display, const QStringList& text);
void SetTextEntryDisplay(TTextEntryDisplay display);
