#pragma once
// Creating, selecting and opening test projects.

#include <QString>

// "&Select a Test": the file chooser, offering the recent tests and starting
// in SelectTestFolder(), then OpenProject. Cancelling while a project is open
// reloads it.
void SelectTest();
// "Start &New Test": the new-test dialog, the folder, then OpenProject.
void StartNewTest();

// The new-test dialog. True on OK, with folder ending in one "/" and name as
// typed.
bool RunMakeDirDialog(const QString& mask, QString& folder, QString& name, int helpContext, const QString& prompt);

// Derives the companion paths from ProjectPath and loads the configuration:
// creates the project file for a new test, offers to convert an earlier
// version (declining leaves no project open). Throws EInOutError when the
// project file cannot be read; the caller restores the previous project.
void OpenProject();

// Opens the project file in the folder (current directory, ProjectDir,
// ProjectPath, the shown name, then OpenProject). When opening fails, every
// process-wide value, the current directory and the record are put back as
// they were and the error is thrown on.
// On success the project goes first in the list of recent tests
// (app/recentprojects.h); a list that cannot be saved is reported, and the
// project stays open.
void OpenProjectIn(const QString& folder, const QString& projectFile, const QString& shownName);

// Opens the project file picked in a chooser or given on the command line
// (another extension means the .QXJ of that name), as "Select a Test" does.
void OpenSelectedProject(const QString& picked);

// The folder "Select a Test" starts in (SelectTestStartFolder with the open
// project, the recent tests, the samples and the home folder).
QString SelectTestFolder();
