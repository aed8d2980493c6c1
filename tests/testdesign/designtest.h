#pragma once
// Shared pieces of the test design tests: a project "MATHS" whose project
// file holds a known record, byte checks against offsets written out by
// hand, and a disk that refuses to grow files.

#include "harness.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <sys/resource.h>
#include <csignal>

class QDialog;
class QWidget;

class DesignTest : public QuendraTest {
protected:
    void SetUp() override;
    // Writes the record as the project file (the bytes as they are, not
    // through the program's writer) and loads it.
    void UseRecord(const QByteArray& record);
    QByteArray ProjectFile() const { return Dir.Read(QStringLiteral("MATHS.QXJ")); }
    // The files of the project folder.
    QStringList Files() const;

    TScratchDir Dir;
    QByteArray Before;   // the project file as the test started it
};

// The default record of a new test, as bytes.
QByteArray DefaultRecord();

// One expected change: the bytes at a hand-computed offset.
using TChange = QPair<int, QByteArray>;
// Every change is in the file and every other byte is as it was.
void ExpectOnly(const QByteArray& before, const QByteArray& after, const QList<TChange>& changes);

// A short string field's significant bytes: the length byte and the text.
QByteArray Str(const QByteArray& text);
// Puts the length byte and text at the offset of a record.
void PutStr(QByteArray& record, int offset, const QByteArray& text);

// The focus leaving a field as a Tab press would make it.
void LeaveField(QWidget* field);

template <class T> T* Child(QDialog& form, const char* name);

// While it lives, no file of this process may grow past the limit (writes
// past it fail as on a full disk).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t limit);
    ~TFileSizeLimit();

private:
    struct rlimit FOld {};
    void (*FOldHandler)(int) = nullptr;
};

#include <QDialog>
template <class T> T* Child(QDialog& form, const char* name)
{
    T* w = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
