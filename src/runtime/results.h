#pragma once
// The end of a test run that was not quit: the results window, the score
// group and its feedback, the student form, the results data file, the
// printout and the swap file.

#include <QString>
#include <QStringList>

void ShowResults();
void ShowGroupFeedback();
void OutputResults();
void WriteResultsFile();
void PrintResults();
void WriteSwapFile();
void ComputeScoreGroup();
// The line, scrambled when the test's EncryptData is on (uses Random(5)).
QString ScrambleLine(const QString& line);
// The report lines; forFile adds the first line and the cuts the file uses.
QStringList ResultsReport(bool forFile);
// The lines of a results data file as the results reader shows them.
QStringList UnscrambleResultsLines(const QStringList& lines);
