#pragma once
// Picking a file of the project directory: a list of the project's files of
// some kinds, and "Find File", which offers to copy a file from elsewhere
// into the project directory. Used by the program configuration, the help
// file dialog and the about-box designer.

#include <QString>
#include <QStringList>

#include "platform/dialogs.h"

class QListWidget;
class QWidget;

// A list box of project files, named and accessible.
QListWidget* MakeProjectFileList(QWidget* parent, const char* name, const QString& accessible);
// The bare names of the project directory's files that match one of the
// patterns (letter case ignored), sorted by name; empty without a project.
QStringList MatchingProjectFiles(const QStringList& patterns);
// Fills the list with the bare names of the project directory's files that
// match one of the patterns (letter case ignored), sorted by name.
void FillProjectFileList(QListWidget* list, const QStringList& patterns);

// The first file of the project directory matching one of the patterns, in
// the order of the patterns; empty when there is none.
QString FirstProjectFile(const QStringList& patterns);

// "Find File": the open dialog; a file from outside the project directory
// is copied into it when the author agrees ("Copy the file NAME to the
// Project directory?") and no file of that name is there already. Answers
// the bare name when that file now lies in the project directory, else
// current. Then, when the answer is no valid file name (a pattern such as
// "*.ICO"), the first project file matching patterns is taken instead.
// False when the dialog was cancelled (current stays as it is).
bool FindFileForProject(TFileDialogOptions& options, const QStringList& patterns, QString& current);

// The text of a file-name edit as a stored name: trimmed, and empty when it
// is not a valid file name (a pattern such as "*.ICO" or "*.HLP").
QString StoredFileName(const QString& text);

// True when the bare name is an existing file of the project directory.
bool ProjectFileExists(const QString& name);
