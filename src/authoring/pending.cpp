// Commands of this folder whose forms are not built yet.
#include "authoring/questionlist.h"
#include "authoring/utilities.h"
#include "platform/messages.h"

#include <QCoreApplication>

void AddQuestions() { NotAvailableYet(QCoreApplication::translate("Commands", "Add a Question")); }
void EditQuestion() { NotAvailableYet(QCoreApplication::translate("Commands", "Edit a Question")); }
void ViewQuestion() { NotAvailableYet(QCoreApplication::translate("Commands", "View a Question")); }
void DeleteQuestion() { NotAvailableYet(QCoreApplication::translate("Commands", "Delete a Question")); }
void PreviewTest() { NotAvailableYet(QCoreApplication::translate("Commands", "Pre-View Test")); }
void ProgramUtilities() { NotAvailableYet(QCoreApplication::translate("Commands", "Program Utilities")); }
