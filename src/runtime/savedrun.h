#pragma once
// The saved-run file <base>.sav: the run records of an interrupted test run,
// 55 bytes each, no header, in RunList order. Written by Quit & Save, read
// back by the next run, deleted after every run.

#include <QString>

#include <vector>

#include "model/projectfiles.h"

// RunFilePath(RunBaseName + ".sav").
QString SavedRunPath();

enum class TSavedRunState { Absent, Valid, Damaged };

// Reads the saved run. An absent, empty or shorter-than-one-record file is
// Absent. A file whose size is not a whole number of records, or with a
// record that is not a run record (flags other than 0 or 1, answer count
// outside 2..6, correct or chosen answer out of range, identifier longer
// than 32), is Damaged and reason says why. Throws EInOutError when the file
// exists but cannot be read.
TSavedRunState ReadSavedRun(std::vector<TQuestionRecord>& records, QString& reason);

// Writes every record of RunList through the save helper: the old file stays
// whole when the write fails. Throws EInOutError naming the file.
void WriteSavedRun();

// Deletes the saved run; no error when it is missing.
void DeleteSavedRun();

// Empty when the record can be shown as a question; otherwise why not.
QString RunRecordFault(const TQuestionRecord& record);
