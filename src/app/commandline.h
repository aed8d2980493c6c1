#pragma once
// The tool's command line: quendra [--paths] [FILE]
//
// FILE, when given, is opened once the main window is up: a test project
// (.QXJ) as if chosen in "Select a Test", a results data file (.QXD) in the
// results reader. Without a file the tool starts as it always has. --paths
// prints where the program finds its companion files and quits, with
// status 1 when one is missing (used to check an installation).

#include <QString>
#include <QStringList>

struct TCommandLine {
    QString File;            // as given; empty when none
    bool ShowPaths = false;
    bool ShowHelp = false;
    bool ShowVersion = false;
    QString Error;           // for the terminal: the line could not be understood
    QString HelpText;
};

// Reads the arguments (the program name first, as QCoreApplication gives
// them).
TCommandLine ParseCommandLine(const QStringList& arguments);

// Opens the file given on the command line. A file that is missing, is a
// folder, cannot be read or is of another kind throws EQuendraError with a
// message naming it; a project is opened with OpenSelectedProject, a results
// file with AnalyzeResults.
void OpenStartupFile(const QString& file);

// "what: path" for each companion file, marked "(missing)" where it is not
// found; true when all are there. Needs ProgramDir.
bool ListCompanions(QStringList& lines);
