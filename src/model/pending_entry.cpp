// Entry-file routines whose implementation is not in place yet.
#include "model/entryfile.h"

#include "model/errors.h"
#include "model/fileutil.h"

#include <QCoreApplication>
#include <QFileInfo>

void ConvertEntryCommands(const QString& file)
{
    // A project without an entry file has nothing to convert.
    if (file.isEmpty() || !QFileInfo::exists(ResolveCase(file)))
        return;
    throw EInOutError(QCoreApplication::translate("EntryFile",
                                                  "Converting the commands of the entry file %1 is not available yet.")
                          .arg(file));
}
