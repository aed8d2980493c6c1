// Commands of this folder whose forms are not built yet.
#include "authoring/questionlist.h"
#include "authoring/utilities.h"
#include "authoring/attachments.h"
#include "authoring/hyperlinks.h"
#include "platform/messages.h"

#include <QCoreApplication>

// The attachment menu is not built yet: nothing is attached.
bool EditAttachment(const QString& /*entryName*/)
{
    NotAvailableYet(QCoreApplication::translate("Commands", "Question Information"));
    return false;
}

void DefineHyperlinks(const QByteArray& /*rtf*/)
{
    NotAvailableYet(QCoreApplication::translate("Commands", "Define HyperText Information"));
}

void HypertextUtilities()
{
    NotAvailableYet(QCoreApplication::translate("Commands", "HyperText Utilities"));
}
