#pragma once
// The colour common dialog. Test-script channel "colour": a test queues the
// chosen colour (a QColor, or an invalid QVariant for Cancel).

#include <QColor>

// Opens the colour dialog preset to colour; true with the chosen colour in
// colour, false (colour unchanged) when cancelled.
bool ExecuteColorDialog(QColor& colour, int helpContext = 0);
