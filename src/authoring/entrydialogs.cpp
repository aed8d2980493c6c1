#include "authoring/entrydialogs.h"

#include "model/entryfile.h"
#include "platform/messages.h"
#include "runtime/buttlistform.h"
#include "runtime/showentry.h"

#include <QCoreApplication>

namespace {
QString Tr(const char* text) { return QCoreApplication::translate("EntryDialogs", text); }
} // namespace

void SelectEntryName(const QString& file, const QString& source, const QString& prompt, QString& name,
                     int helpContext, int initialIndex)
{
    name.clear();
    QStringList names;
    ListEntryNames(names, file, source);
    if (names.isEmpty())
        return;
    const int chosen = SelectFromList(names, initialIndex, helpContext, prompt);
    if (chosen >= 0 && chosen < names.size())
        name = names[chosen];
}

void ViewEntryDialog(const QString& file, const QString& source, int helpContext)
{
    QString name;
    SelectEntryName(file, source, Tr("Select an Entry to view"), name, helpContext, 0);
    if (name.isEmpty())
        return;
    QStringList lines;
    if (ReadEntry(file, name, source, lines))
        ShowEntry(lines);
}

void DeleteEntryDialog(const QString& file, const QString& source, int helpContext)
{
    QString name;
    SelectEntryName(file, source, Tr("Select an Entry to delete"), name, helpContext, 0);
    if (name.isEmpty())
        return;
    if (Confirm(Tr("The \"%1\" entry will be deleted.").arg(name) + QStringLiteral("\n\r") + Tr("Continue?")))
        DeleteEntry(file, name, source);
}
