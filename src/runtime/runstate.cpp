#include "runtime/runstate.h"
#include "runtime/entrystore.h"
#include "model/processvalues.h"

#include <QDateTime>
#include <QTime>

TRecList RunList;
TRecList TestQuestionList;
TQuestionRecord CurrentQuestion {};
std::vector<qint32> QuestionOrder;
int AvailableCount = 0, TakeCount = 0, StartQuestion = 1, AnsweredCount = 0, CorrectCount = 0,
    ScorePercent = 0, ScoreGroup = 0;
bool QuitRequested = false, QuitSaveRequested = false, StudentInputGiven = false;
QString StudentAnswers[5];

quint32 RandSeed = 0;
quint32 (*RandomizeClock)() = SystemClockMilliseconds;

QString RunBaseName;
QString RunFileDir;
std::shared_ptr<const TEntryStore> RunEntries;

quint32 SystemClockMilliseconds()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return quint32(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

void Randomize() { RandSeed = RandomizeClock(); }

int Random(int n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return int((quint64(RandSeed) * quint64(quint32(n))) >> 32);
}

void ResetRunState()
{
    RunList.Clear();
    CurrentQuestion = TQuestionRecord {};
    QuestionOrder.clear();
    AvailableCount = TakeCount = AnsweredCount = CorrectCount = ScorePercent = ScoreGroup = 0;
    StartQuestion = 1;
    QuitRequested = QuitSaveRequested = StudentInputGiven = false;
    for (QString& s : StudentAnswers)
        s.clear();
    RandSeed = 0;
    RandomizeClock = SystemClockMilliseconds;
}

QString RunFilePath(const QString& name)
{
    return RunFileDir.isEmpty() ? name : RunFileDir + name;
}

void AddTestQuestion(const TQuestionRecord& record)
{
    if (record.Deleted != 0)
        return;
    TQuestionRecord copy = record;
    copy.Deleted = 0;
    copy.Answered = 0;
    copy.ChosenAnswer = 0;
    TestQuestionList.Add(&copy, sizeof copy);
}

QUENDRA_RESET_ROUTINE(ResetRunState)
