#pragma once
// "P&repare Distribution": copies the test program (the executable, or the
// compiled test with the player), every media file the configuration and the
// entries name, and what the program needs to run without Quendra installed
// (distrib/runtimebundle.h) into a folder for student machines.

#include <QString>
#include <QStringList>

struct TCommandSpec;

void PrepareDistribution();

// The distribution dialog: true on OK, with the target folder (absolute,
// ending in "/") and whether the executable (true) or the compiled test
// (false) is distributed.
bool RunDistribDialog(QString& target, bool& executable);

// Gathering: each routine appends the bare names of the project files it
// finds, in order, skipping names already listed. A name that is not a bare
// file name of the project directory ("../x", "/home/...") is refused: the
// message naming where it came from goes to problems (or, without problems,
// to an error box). An entry too short to read is reported in an error box
// and skipped.
void GatherPresentationFiles(QStringList& list, const TCommandSpec& command, const QString& origin = QString(),
                             QStringList* problems = nullptr);
void GatherEntryFiles(QStringList& list, const QString& source, QStringList* problems = nullptr);
// The configuration's own files: commands, about icon, introduction screen,
// program icon, help file and background, in the designed order.
void GatherConfigFiles(QStringList& list, QStringList* problems = nullptr);

// The files a command value of a type names, by type: the graphic of 2, the
// file of 3, 7, 8 and 10, graphic and sound of 6, the program of 4, the file
// of 9 and 13 (those two only when they exist). program is set for type 4.
QStringList CommandFiles(int type, const QString& value, bool* program = nullptr);

// Shows "The file NAME is missing." for every listed name that is not a file
// of the project directory; true when none is missing.
bool AllFilesExist(const QStringList& list);

// Whether a name from the configuration or an entry may be copied: a bare
// file name, no folder part, not "." or "..".
bool IsBareFileName(const QString& name);

// Copies one file into the distribution: through the save helper (a failed
// copy leaves no partial file and the old target whole), the source's
// permission bits kept (a program stays executable). Refuses to copy a file
// onto itself; a link at the target is replaced, not followed. Throws
// EInOutError naming the file.
void CopyDistributionFile(const QString& source, const QString& target);
