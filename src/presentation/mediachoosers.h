#pragma once
// The media dialogs: each lets the author pick a file of the project
// directory (or copy one in), give a duration or parameters, try the result,
// and leave with a command value in the entry format.
//
// Every dialog returns true on OK, and then sets every out value; on Cancel
// nothing changes. File names are bare names in the project directory (the
// current directory). Durations are tenths of a second, 0..9999.

#include <QString>

// TGetGraphicForm: command = graphic "," duration.
bool GetGraphicCommand(QString& command, QString& graphic, int& duration);
// TGetAudioForm: command = voice.
bool GetAudioCommand(QString& command, QString& voice);
// TGetGrAudioForm: command = graphic "," sound "," duration.
bool GetGraphicAudioCommand(QString& command, QString& graphic, QString& sound, int& duration);
// TGetVideoForm: command = video.
bool GetVideoCommand(QString& command, QString& video);
// TGetMidiForm: command = midi.
bool GetMidiCommand(QString& command, QString& midi);
// TGetExeForm: command (in/out) = program, or program "," parameters.
bool GetExeCommand(QString& command);
// TGetWinExeForm: command (in/out) = program, a space, a file of the project.
bool GetWinExeCommand(QString& command);
// TGetHTMForm: command (in/out) = the HTML file name.
bool GetHtmCommand(QString& command);

// TExeChoiceForm: external type 4 (program), 9 (program with a file) or 10
// (HTML page). type and command are in/out; true on OK with the new values.
// The choosers answer false, changing nothing, when OK leaves the command
// empty (nothing was added or brought in), so an empty command is never
// taken as defined. OK after checking another kind without "Add" keeps the
// stored kind and value.
bool ChooseExternalCommand(QString& command, int& type);
// TExe2ChoiceForm: type 4 (program) or 9 (program with a file), used for the
// opening command.
bool ChooseExecutableCommand(QString& command, int& type);
