#pragma once
// Where the tool finds its companion files.
//
// The programs (the tool, the runtime stub quedrix.bin, the player
// vistrel.exe) and the media module always lie together in the program's
// folder, ProgramDir. The documents (the help file QUEDRIX.HLP, the tutorial
// QUEDRIX.RTF) and the samples folder lie there too in a build tree; an
// installation keeps them, being architecture-independent, in the shared data
// folder: programs in <prefix>/lib/quendra/, data in <prefix>/share/quendra/.

#include <QString>

// The shared data folder of an installation, seen from ProgramDir
// (ProgramDir + "../../share/quendra/", cleaned), with a trailing "/".
// Empty while ProgramDir is empty.
QString SharedDataDir();

// The companion file or folder `name`: in ProgramDir when it is there (in any
// letter case), else in SharedDataDir() when it is there, else
// ProgramDir + name, so that a message about a missing companion names the
// program's own folder.
QString CompanionPath(const QString& name);

// The samples folder ("samples" found by CompanionPath), or empty when there
// is none or ProgramDir is empty.
QString SamplesDir();
