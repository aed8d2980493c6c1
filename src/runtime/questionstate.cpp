#include "runtime/questionstate.h"

#include "model/testconfig.h"
#include "runtime/runstate.h"
#include "runtime/scorebar.h"

bool InRetakeCycle = false;

void TQuestionScreenState::Open()
{
    AnsweredFigure = AnsweredCount - 1;
    Chosen = 0;
    Answered = false;
}

bool TQuestionScreenState::Answer(int chosen)
{
    if (Answered)
        return false;
    Answered = true;
    Chosen = chosen;
    CurrentQuestion.Answered = 1;
    CurrentQuestion.ChosenAnswer = chosen;
    const bool correct = chosen == CurrentQuestion.CorrectAnswer.get();
    if (correct) {
        CurrentQuestion.Deleted = 1;   // the run record's correct flag
        ++CorrectCount;
    }
    AnsweredFigure += 1;
    AnsweredCount = AnsweredFigure;
    return correct;
}

bool TQuestionScreenState::Correct() const
{
    return Answered && Chosen == CurrentQuestion.CorrectAnswer.get();
}

bool TQuestionScreenState::IsLast() const { return AnsweredCount == TakeCount; }

bool TQuestionScreenState::QuitNeedsConfirmation() const { return AnsweredFigure < TakeCount; }

void TQuestionScreenState::Close() { ScorePercent = ScoreBarPercent(CorrectCount, TakeCount); }

bool QuitSaveOffered() { return TestConfig.AllowQuitSave && !InRetakeCycle; }

QChar AnswerLetter(int number) { return QChar(u'A' + number - 1); }

QString AnswerCaption(const QString& answerText, int number)
{
    return answerText.left(11) + QStringLiteral("  &") + AnswerLetter(number);
}
