// Presentation screens whose windows are not built yet: a test run goes on
// without them.
#include "runtime/runpresentation.h"

QWidget* CreateProgramBackdrop() { return nullptr; }
void ShowIntroductionDisplay(const QStringList&) {}
