#pragma once
// Shared pieces of the question authoring tests: a scratch project, question
// records and entries written byte by byte, and scripted selection lists.

#include "harness.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QDialog;
class QLineEdit;
class QWidget;

// A project "MATHS" in a scratch folder, opened as the program does.
class AuthoringTest : public QuendraTest {
protected:
    void SetUp() override;
    TScratchDir Dir;
    QByteArray Questions() const { return Dir.Read(QStringLiteral("MATHS.QXQ")); }
    QByteArray Entries() const { return Dir.Read(QStringLiteral("MATHS.QXR")); }
    void SetQuestions(const QByteArray& bytes) const { Dir.Write(QStringLiteral("MATHS.QXQ"), bytes); }
    void SetEntries(const QByteArray& bytes) const { Dir.Write(QStringLiteral("MATHS.QXR"), bytes); }
};

// The 55 bytes of a question record, laid out by hand.
struct TRecordSpec {
    QByteArray Identifier;
    int AnswerCount = 4;
    int CorrectAnswer = 1;
    quint32 Back = 0x00FFFFFF;
    bool Explanation = false, Information = false, Right = false, Wrong = false;
};
QByteArray RecordBytes(const TRecordSpec& rec);
// The identifier of record i of the question file bytes.
QByteArray RecordIdentifier(const QByteArray& file, int i);
qint32 RecordInt(const QByteArray& file, int i, int offset);

// One entry as it lies in an entry file (CR LF lines, empty line after).
QByteArray QuestEntryBytes(const QByteArray& identifier, const QList<QByteArray>& rtfLines);
QByteArray CommandEntryBytes(const QByteArray& name, const QByteArray& source, int type, const QByteArray& command);

// The names of the entries of an entry file's bytes, in order, each as
// "NAME/SOURCE".
QStringList EntryNames(const QByteArray& file);

// Scripts the next selection list: chooses item index (or closes it without
// a choice for -1); the shown items go to *shown when given.
void ChooseFromList(int index, QStringList* shown = nullptr, QString* caption = nullptr, int* helpContext = nullptr);

// The focus leaving a field, as a Tab press would make it.
void LeaveField(QWidget* field);

// Makes a file refuse every change (even by root) while the guard lives;
// Active() is false where the file system cannot do that.
class TImmutableFile {
public:
    explicit TImmutableFile(const QString& path);
    ~TImmutableFile();
    bool Active() const { return FActive; }

private:
    QString FPath;
    bool FActive = false;
};
