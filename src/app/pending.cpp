// Commands of this folder whose forms are not built yet.
#include "app/compile.h"
#include "app/tutorial.h"
#include "platform/messages.h"

#include <QCoreApplication>

void CompileTest() { NotAvailableYet(QCoreApplication::translate("Commands", "Compile Test")); }
void CreateExecutable() { NotAvailableYet(QCoreApplication::translate("Commands", "Create Executable")); }
