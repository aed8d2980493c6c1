#pragma once
// The run engine: one test run from the opening presentation to the closing
// one. It reads the settings from TestConfig, the questions from
// TestQuestionList (run state) and the entries from RunEntries, and keeps its
// counts in the run state.

#include <QIcon>
#include <QString>

class TRunScreens;

// A whole test run with the real screens, modal.
void RunTest();
// The same run through the given screens.
void RunTest(TRunScreens& screens);

// The number-to-take dialog (TTestTotakeForm) and the start-question dialog
// (TStartQuestionForm): they set TakeCount and StartQuestion.
void AskTakeCount();
void AskStartQuestion();

// The largest start question the counts allow, and the refusal shown for a
// start beyond it: MaxStartQuestionText, a blank, the number.
int MaxStartQuestion();
QString MaxStartQuestionMessage();

// QuestionOrder[1..AvailableCount] for this run: the identity, or (random
// order) the first TakeCount numbers of a Fisher-Yates permutation drawn
// with the run time's generator, seeded from the clock.
void BuildQuestionOrder();

// The retake offers' questions: n, a blank, the count text, CR LF CR CR, the
// retake question.
QString RetakeQuestion(int n, const QString& countText);

// Counts the run records: CorrectCount := records with the correct flag;
// answers the number completed. ScorePercent follows the new counts.
int RecountRun();

// The test's own help file: a bare name lies in the test's folder.
QString TestHelpFile();

// The test's icon (Program.IconFile when Program.UseIcon: an .ICO, .PNG or
// .BMP file of the test's folder, judged by its content), shown as the
// window icon of every window of a run. Null when there is none or it
// cannot be read.
QIcon TestWindowIcon();

// Resets what the engine keeps beyond the run state: the retake flag, the
// test's question list, its entry store, the run files' name and folder and
// the backdrop pointer.
void ResetRunEngine();
