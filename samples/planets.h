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

#include <QString>
#include <QStringList>

// Writes the three project files into folder (replacing them). Changes the
// process-wide project values and the current directory to that folder, as
// opening the project does. Throws EQuendraError when a file cannot be
// written. Needs a QGuiApplication (the texts go through QTextDocument).
void WritePlanetsSample(const QString& folder);

// The files of the folder that the test names (media, pages, programs),
// as WritePlanetsSample writes their names into the project.
QStringList PlanetsMediaFiles();
