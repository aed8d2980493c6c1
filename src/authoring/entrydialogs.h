#pragma once
// Choosing an entry of one source from a list, to view or to delete it.

#include <QString>

// name := the entry chosen from the list of the source's entries (prompt as
// the list's caption), or empty when the file is missing, holds no such
// entry, or the user closes the list.
void SelectEntryName(const QString& file, const QString& source, const QString& prompt, QString& name,
                     int helpContext, int initialIndex);
// Chooses an entry and shows it as the run time would.
void ViewEntryDialog(const QString& file, const QString& source, int helpContext);
// Chooses an entry and deletes it after a Yes to the confirmation.
void DeleteEntryDialog(const QString& file, const QString& source, int helpContext);
