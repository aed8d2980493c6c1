#pragma once
// The test projects opened last, newest first, offered by "Select a Test".
//
// The list lives in the user's settings file in the user's configuration
// folder: $XDG_CONFIG_HOME/quendra/quendra.conf, usually
// ~/.config/quendra/quendra.conf, in QSettings' INI format. QSettings reads
// it; it is written whole through the save helper (model/savefile.h).
// Nothing is written beside a project.

#include <QString>
#include <QStringList>

constexpr int MaxRecentProjects = 6;

// The settings file the list is kept in.
QString RecentProjectsFile();

// The list with `path` (made absolute and clean) put first: an earlier entry
// for the same file is removed and the list is cut to `cap` entries.
QStringList WithRecentProject(const QStringList& list, const QString& path, int cap = MaxRecentProjects);

// The entries of `list` that are still files, in order.
QStringList ExistingProjects(const QStringList& list);

// The stored list without the projects that no longer exist, newest first.
QStringList RecentProjects();

// Puts the project first in the stored list, dropping the projects that no
// longer exist. Throws EInOutError naming the settings file when it cannot be
// written; the file is then left as it was.
void AddRecentProject(const QString& path);

// The folder "Select a Test" starts in: the open project's folder; else the
// folder of the newest recent project; else the samples folder; else the
// home folder. Folders that do not exist are passed over.
QString SelectTestStartFolder(const QString& projectPath, const QString& projectDir,
                              const QStringList& recent, const QString& samplesDir,
                              const QString& homeDir);
