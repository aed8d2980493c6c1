#pragma once
#include <QString>
#include "model/testconfig.h"
// "Progra&m Presentation": true when the author saved.
bool ProgramConfigDialog(TPresentation& presentation, TProgramSettings& program, const QString& entryPath);
