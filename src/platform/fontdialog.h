#pragma once
// The font common dialog. Test-script channel "font": a test queues the
// chosen font (a QFont, or an invalid QVariant for Cancel).

#include <QColor>
#include <QFont>

// Opens the font dialog preset to font; true with the chosen font, false
// (font unchanged) when cancelled. The colour is the text colour that goes
// with the font; the dialog keeps it as it is.
bool ExecuteFontDialog(QFont& font, QColor& colour, int helpContext = 0);
