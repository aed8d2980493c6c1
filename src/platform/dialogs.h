#pragma once
// Common dialogs. Each has a test-script channel (see testscript.h): a
// test queues the answer (a file name, or an invalid QVariant for Cancel).

#include <QString>

struct TFileDialogOptions {
    QString Title;
    QString Filter;        // "Description|*.EXT|Other|*.A;*.B"; letter case of patterns is ignored
    QString InitialDir;
    QString DefaultExt;    // without the dot
    QString FileName;      // initial file name
    int HelpContext = 0;
};

// Channel "open". True with the chosen file's full path.
bool ExecuteOpenDialog(const TFileDialogOptions& options, QString& fileName);
// Channel "save". True with the chosen file's full path (default extension added).
bool ExecuteSaveDialog(const TFileDialogOptions& options, QString& fileName);

// "Text|*.TXT|All|*.*" as Qt name filters, each pattern matching either case:
// "Text (*.[tT][xX][tT])".
QStringList QtNameFilters(const QString& filter);
