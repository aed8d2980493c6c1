#pragma once
// Naming and writing the results data file of a test run (WriteResultsFile
// in results.h shows the messages around these).
//
// A configured name "folder\stem.ext" (either separator) gives the files
// folder + stem (its first six characters) + n + ".QXD" for n = 1, 2, ...;
// no configured name gives <base> + n + ".QXD" in the run-file folder. Each
// test run takes the first number whose file does not exist yet, creating it
// exclusively, so two students writing to one shared folder at the same
// moment never share a file and no earlier results are overwritten.

#include <QString>

struct TResultsName {
    QString Folder;   // with a trailing "/", or empty for the run-file folder
    QString Stem;
};

// The folder and stem of a configured name. Backslashes count as separators;
// a drive letter ("C:") is dropped, so "C:\Res\Jan.qxd" names /Res/Jan. A
// relative folder lies in the run-file folder (RunFileDir).
TResultsName ConfiguredResultsName(const QString& configured);
// The folder and stem used when no name is configured or it cannot be used.
TResultsName DefaultResultsName();

// Creates (empty, exclusively) the first free Folder + Stem + n + ".QXD" and
// answers its name. A name taken by any file or folder is skipped. Throws
// EInOutError naming the file when the folder cannot take it; tried is then
// the name that failed.
QString ReserveResultsFile(const TResultsName& name, QString& tried);

// Writes the results report into a reserved file through the save helper.
// On a failure the reserved empty file is removed again and the error
// (naming the file) is thrown; nothing else is left behind.
void WriteResultsReport(const QString& fileName);

// Reserve, then write: the name written. Throws as the two above.
QString CreateResultsFile(const TResultsName& name, QString& tried);

// The swap file <base>.QXS in the run-file folder: the score group in
// decimal and CR LF. Throws EInOutError naming the file.
void SaveSwapFile();
