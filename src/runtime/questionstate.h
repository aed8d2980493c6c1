#pragma once
// The rules of the question screen without its widgets: what an answer does
// to the run state, when a quit needs a confirmation, what a close leaves
// behind. TTQtextDisplayForm applies them; tests and scripted students use
// them directly.

#include <QString>

struct TQuestionScreenState {
    int AnsweredFigure = 0;   // AnsweredCount - 1 until the answer, then AnsweredCount
    int Chosen = 0;           // the answer given, 1..6; 0 before
    bool Answered = false;

    // Opening the screen on CurrentQuestion.
    void Open();
    // The student chooses answer chosen (1..AnswerCount): marks CurrentQuestion,
    // counts a correct answer, advances AnsweredCount. Answers true when the
    // answer is correct. A second answer is ignored (answers false).
    bool Answer(int chosen);
    bool Correct() const;
    // The last question of its cycle: Continue instead of Next.
    bool IsLast() const;
    // Quit or the close box asks "All results will be lost" first.
    bool QuitNeedsConfirmation() const;
    // Every close: ScorePercent from the counts.
    void Close();
};

// Quit & Save is offered after an answer when the test allows it, except in
// the pass and wrong retake cycles (a saved retake would write its results
// twice).
extern bool InRetakeCycle;
bool QuitSaveOffered();

// The answer buttons' caption: AnswerText cut to 11 characters, two blanks,
// "&" and the letter.
QString AnswerCaption(const QString& answerText, int number);
QChar AnswerLetter(int number);
