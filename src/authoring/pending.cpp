// Commands of this folder whose forms are not built yet.
#include "authoring/utilities.h"
#include "platform/messages.h"

#include <QCoreApplication>

void ProgramUtilities() { NotAvailableYet(QCoreApplication::translate("Commands", "Program Utilities")); }
