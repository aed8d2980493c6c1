// Commands of this folder whose forms are not built yet.
#include "testdesign/testpresentation.h"
#include "platform/messages.h"

#include <QCoreApplication>

// The score-group feedback comments window belongs to the question
// authoring part, which does not offer it yet.
void CustomizeResultsFeedback(QWidget* /*parent*/)
{
    NotAvailableYet(QCoreApplication::translate("Commands", "Customize Results Feedback"));
}
