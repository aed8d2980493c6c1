// Commands of this folder whose forms are not built yet.
#include "testdesign/testpresentation.h"
#include "platform/messages.h"

#include <QCoreApplication>

void TestPresentationMenu() { NotAvailableYet(QCoreApplication::translate("Commands", "Test Presentation")); }
