#pragma once
class QApplication;
// Application-wide set-up of the tool: title, F1 help and the start-up
// values (SetStartupValues).
void InitQuendraApplication(QApplication& app);

// The one start-up routine of the process-wide values: the version, the
// program's folder (and the project folder, until a test is opened), the
// help file, the colour depth warning flag and the design origin (the
// 640 x 480 design area centred in the screen's work area). Needs the
// application object; InitQuendraApplication calls it before the main window
// is made.
// ResetAllProcessValues (model/processvalues.h) puts the values back.
void SetStartupValues();

// ProgramDir (the running program's real folder, links resolved) and
// HelpFilePath (model/companions.h). Needs the application object, of any
// kind.
void SetProgramPaths();
