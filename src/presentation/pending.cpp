// Commands of this folder whose forms are not built yet.
#include "presentation/programconfig.h"
#include "platform/messages.h"

#include <QCoreApplication>

bool ProgramConfigDialog(TPresentation&, TProgramSettings&, const QString&)
{
    NotAvailableYet(QCoreApplication::translate("Commands", "Program Presentation"));
    return false;
}
