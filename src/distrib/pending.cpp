// Commands of this folder whose forms are not built yet.
#include "distrib/distribution.h"
#include "platform/messages.h"

#include <QCoreApplication>

void PrepareDistribution() { NotAvailableYet(QCoreApplication::translate("Commands", "Prepare Distribution")); }
