#pragma once
// Showing, playing or running an entry at run time, by its type code.

#include <QStringList>

#include "model/testconfig.h"

// Lines as ReadEntry (or an entry store) gives them. Sets CurrentEntryName.
// A damaged entry throws EQuendraError naming it.
void ShowEntry(const QStringList& lines);

// The text displays of type codes 1 (text window) and 5 (text in a view-port
// over a background) live with the presentation screens, above this library;
// the program that links them installs them here. Until one is installed
// such entries report that the display is not available yet.
using TTextEntryDisplay = void (*)(int typeCode, const TEntryDisplay& display, const QStringList& text);
void SetTextEntryDisplay(TTextEntryDisplay display);
