#pragma once
// The project file (one TTestConfig), the question file (TQuestionRecords
// back to back) and the in-memory record list.

#include <QString>
#include <QStringList>
#include <QByteArray>

class QIODevice;
#include <vector>
#include <climits>

#include "model/testconfig.h"

#pragma pack(push, 1)
struct TQuestionRecord {
    quint8 Deleted;            // 0 live; 1 dropped by the next compaction
    quint8 Answered;           // run time: the student has answered
    Int32LE ChosenAnswer;      // run time: the answer chosen
    ShortString<32> Identifier;
    Int32LE AnswerCount;       // 2..6
    Int32LE CorrectAnswer;     // 1..AnswerCount
    Colour TextBackColor;
    Flag HasExplanation;
    Flag HasInformation;
    Flag HasRightFeedback;
    Flag HasWrongFeedback;
};
#pragma pack(pop)

static_assert(sizeof(TQuestionRecord) == 55);
static_assert(offsetof(TQuestionRecord, Answered) == 1);
static_assert(offsetof(TQuestionRecord, ChosenAnswer) == 2);
static_assert(offsetof(TQuestionRecord, Identifier) == 6);
static_assert(offsetof(TQuestionRecord, AnswerCount) == 39);
static_assert(offsetof(TQuestionRecord, CorrectAnswer) == 43);
static_assert(offsetof(TQuestionRecord, TextBackColor) == 47);
static_assert(offsetof(TQuestionRecord, HasExplanation) == 51);
static_assert(offsetof(TQuestionRecord, HasInformation) == 52);
static_assert(offsetof(TQuestionRecord, HasRightFeedback) == 53);
static_assert(offsetof(TQuestionRecord, HasWrongFeedback) == 54);
static_assert(std::is_trivial_v<TQuestionRecord>);

extern TQuestionRecord QuestionBuffer;

void SaveConfig();
void LoadConfig();
void ConvertEarlierConfig();
// The readers behind them, on any device: exactly one current project
// record, or one earlier record converted field by field. Throw EInOutError
// naming what when the device holds anything else.
void ReadConfigRecord(QIODevice& in, const QString& what, TTestConfig& config);
void ConvertEarlierRecord(QIODevice& in, const QString& what, TTestConfig& config);
// The Version text of the project file (its first 5 bytes); throws
// EInOutError when the file cannot be read or is shorter.
QString ReadProjectVersion();

void ReadQuestion(int index);
void WriteQuestion(int index);
void CompactQuestionFile();
bool ListIdentifiers(QStringList& list);
// The identifiers of the whole records a question file's bytes hold.
QStringList ReadIdentifiers(QIODevice& in, const QString& what);

// Number of whole records in the question file; 0 when it does not exist.
int QuestionCount();
// Bytes at the end of the question file that do not make a whole record
// (a damaged file); 0 when the file is sound or missing. The routines above
// never read them as a record; the next append overwrites them and the next
// compaction drops them.
qint64 QuestionFileTrailingBytes();
// The message that tells the user the question file is damaged.
QString QuestionFileDamageText(qint64 trailingBytes);

// The project's base name as the user sees it and as the compiled test and
// the executable are named: upper-cased for a selected test, as typed for a
// new one. Falls back to BaseName(ProjectPath) when ProjectPath changed since
// it was set; empty while no project is open.
QString ProjectBaseName();
void SetProjectBaseName(const QString& name);

// An owning list of copies of fixed-size records.
class TRecList {
public:
    int Add(const void* data, int size);
    int Count() const { return int(FItems.size()); }
    void Get(int index, void* buffer, int size) const;
    void Put(int index, const void* buffer, int size);
    void Clear();

private:
    std::vector<QByteArray> FItems;
};
