#pragma once
// Playing what a command names: pictures with an optional sound and a
// timed close, WAV sounds, the MIDI and AVI player, and other programs.

#include <QString>
#include <QStringList>

// Process-wide values of the media windows.
extern QString MediaFile;      // AVI or MIDI file of the media player, relative to ProjectDir
extern QString PendingSound;   // sound the picture window plays once it is shown
extern bool AdvisoryOn;        // copy of Program.VideoAdvisory for the test run
extern bool AdvisoryShown;     // the 256-colour advisory has been shown
extern int ColourDepth;        // bits per pixel of the screen, measured by the picture window
void ResetMediaValues();

// A command value taken apart: the value is upper-cased and split at every
// comma; each part is classified by the extension it contains, and a whole
// decimal number n gives n tenths of a second. A later part of a class
// replaces an earlier one.
struct TMediaCommand {
    QString Graphic;   // ".BMP", ".JPG" or ".WMF"
    QString Sound;     // ".WAV" or ".MID"
    QString Video;     // ".AVI"
    int DelayMs = 0;
};
TMediaCommand ParseMediaCommand(const QString& value);

// Shows, plays or reports a missing file, as the value says.
void ShowMultimedia(const QString& caption, const QString& value);
// The picture window; delay in ms, <= 0 until closed.
void ShowPicture(const QString& caption, const QString& graphic, int delay);
// Plays the WAV file to its end; nothing without an audio output.
void PlayWave(const QString& file);
// The media player window on ProjectDir + MediaFile.
void PlayMedia();

// Kinds 4 (program "," parameters) and 9 (program, a space, a file in the
// project directory): the program and its arguments for the process.
struct TProgramCommand {
    QString Program;
    QStringList Arguments;
    QString File;      // kind 9: the document, ProjectDir + file name
};
TProgramCommand ParseProgramCommand(int kind, const QString& value);
// Starts the program and waits for it. A program that is not found is
// skipped (the reason goes to standard error); for kind 9 the document is
// then opened with the desktop's default application instead.
void RunProgramAndWait(int kind, const QString& value);
