#pragma once
// The PLANETS sample test: a dozen questions about the solar system that use
// every kind of attachment, hyperlinks, score groups with their feedback,
// student inputs, an introduction, backgrounds, opening and closing
// commands, an about box and a help file.
//
// WritePlanetsSample writes its project file PLANETS.QXJ, question file
// PLANETS.QXQ and entry file PLANETS.QXR into a folder with the model's own
// writers, so the files are exactly what the tool writes. The media files,
// the help file, the HTML page, the text files and the program script the
// test names are committed beside them in samples/PLANETS (the media are
// made by scripts/make-planets-media.py).

#include <QHash>
#include <QString>
#include <QStringList>

// The stored lines of every rich text of the sample, as the editors store
// them, keyed by source and entry name ("QUEST/SUN-01", "INFO/SUN-01^EXP^",
// "INTRO/^INTRODUCTION^"). Needs a QGuiApplication (QTextDocument).
using TPlanetsTexts = QHash<QString, QStringList>;
TPlanetsTexts PlanetsStoredTexts();

// Writes the three project files into folder with the model's writers alone.
// They are written into a scratch folder inside folder and moved over the
// old ones only when all three are complete, so a failing disk leaves the
// old files as they were. Afterwards the process-wide project values and
// the current directory are those of the project in folder, as opening it
// leaves them. Throws EQuendraError naming the file that failed.
void WritePlanetsFiles(const QString& folder, const TPlanetsTexts& texts);

// Both: the sample written into folder.
void WritePlanetsSample(const QString& folder);

// The files of the folder that the test names (media, pages, programs),
// as WritePlanetsSample writes their names into the project.
QStringList PlanetsMediaFiles();
