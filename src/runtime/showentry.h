#pragma once
// Showing, playing or running an entry at run time, by its type code.

#include <QStringList>

#include "model/testconfig.h"

// Lines as ReadEntry (or an entry store) gives them. Sets CurrentEntryName.
// A damaged entry throws EQuendraError naming it.
void ShowEntry(const QStringList& lines);
