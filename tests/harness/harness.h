#pragma once
// Test harness for widget tests: a fixture that scripts every modal form,
// message box and common dialog, and scratch project folders.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QDialog;
class QWidget;

// Every widget test derives from this fixture. SetUp resets the
// process-wide values and activates the test script, so that a modal form
// or message box nobody scripted fails the test at once; TearDown fails the
// test for every scripted answer that was never used.
class QuendraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Convenience wrappers over TestScript.
    static void OnModal(const QString& className, std::function<void(QDialog&)> handler);
    static void ExpectMessage(const QString& kind, int answer = 0);
    static QStringList MessageTexts();
};

// A scratch folder, removed with the object.
class TScratchDir {
public:
    TScratchDir();
    // Absolute path with a trailing "/".
    QString Path() const;
    QString File(const QString& name) const { return Path() + name; }
    void Write(const QString& name, const QByteArray& data) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;
    // Opens a project named base in this folder as the program does: sets
    // ProjectDir, ProjectPath, EntryPath, QuestionPath and the current
    // directory. Does not write any file.
    void UseAsProject(const QString& base) const;

private:
    QTemporaryDir FDir;
};

// Processes pending events for up to ms milliseconds.
void PumpEvents(int ms = 0);

#ifdef QUENDRA_DATA_DIR
// The test data of the checkout (tests/data).
inline QString TestDataDir() { return QStringLiteral(QUENDRA_DATA_DIR); }
#endif
