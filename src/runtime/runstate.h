#pragma once
// The state of the one test run in progress, shared by the run engine, the
// question screen and the results. Every test run starts from ResetRunState().

#include <QString>
#include <memory>
#include <vector>

#include "model/projectfiles.h"

class TEntryStore;

extern TRecList RunList;                 // run records in presentation order
extern TQuestionRecord CurrentQuestion;  // the run record on screen
extern std::vector<qint32> QuestionOrder; // 1-based question numbers; index 0 unused
extern int AvailableCount, TakeCount, StartQuestion, AnsweredCount, CorrectCount,
           ScorePercent, ScoreGroup;
extern bool QuitRequested, QuitSaveRequested, StudentInputGiven;
extern QString StudentAnswers[5];        // the student form's answers; index 0 is the first

// The run time's random generator: a linear congruential generator over a
// 32-bit seed. Random(n) steps the seed and gives the high 32 bits of the
// 64-bit product seed x n, so 0..n-1 for n > 0 (0 for n <= 0).
extern quint32 RandSeed;
// Milliseconds since midnight UTC; Randomize() seeds from it. Tests replace it.
extern quint32 (*RandomizeClock)();
quint32 SystemClockMilliseconds();
void Randomize();
int Random(int n);

void ResetRunState();

// The questions of the test in question-file order, from which RunTest takes
// its run records: filled from the question file (Pre-View) or the compiled
// test (the runtime programs). Kept by ResetRunState; cleared by its owner.
extern TRecList TestQuestionList;
// Appends a copy of the record as a run record: records marked deleted are
// skipped, and the run-time bytes 0..5 (correct flag, answered flag, chosen
// answer) start at zero whatever the stored record held.
void AddTestQuestion(const TQuestionRecord& record);

// ---- run files: the saved run, the results data file, the swap file ----
// The base name of the test's run files: the project file's (or the compiled
// test's) name without folder and extension.
extern QString RunBaseName;
// The folder run files are read from and written to, with a trailing
// separator; empty means the current directory (the project directory in the
// tool). The runtime programs set it to their own folder, or to the student's
// documents folder when theirs cannot be written.
extern QString RunFileDir;
// RunFileDir + name, or name alone when RunFileDir is empty.
QString RunFilePath(const QString& name);

// Where the test being run reads its entries (question texts, attachments,
// hyperlinks, feedback, the introduction): the project's entry file in the
// tool, the compiled entry block in the runtime programs. Set before RunTest.
extern std::shared_ptr<const TEntryStore> RunEntries;
