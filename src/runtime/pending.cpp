// End-of-run steps whose screens are not built yet: each does nothing
// visible, so a test run goes on to its closing presentation.
#include "runtime/results.h"

void ShowResults() {}
void ShowGroupFeedback() {}
void OutputResults() {}
void WriteResultsFile() {}
void PrintResults() {}
void WriteSwapFile() {}
void ComputeScoreGroup() {}
QString ScrambleLine(const QString& line) { return line; }
QStringList ResultsReport(bool) { return {}; }
QStringList UnscrambleResultsLines(const QStringList& lines) { return lines; }
