#pragma once
// The samples a user opens from "Select a Test".
//
// In a build tree the samples lie beside the programs and are used where
// they are. An installation keeps them in <prefix>/share/quendra/samples,
// which users cannot write to, while compiling a test writes beside its
// project; so each user gets a copy of their own, made the first time it is
// needed, in $XDG_DATA_HOME/quendra/samples (usually
// ~/.local/share/quendra/samples).

#include <QString>

// The user's copy of the installed samples.
QString UserSamplesCopyDir();

// The samples folder to offer, with a trailing "/": the one beside the
// programs; else the user's copy, made now if there is none yet (when it
// cannot be made, the installed folder itself); empty when there are no
// samples.
QString UserSamplesDir();
