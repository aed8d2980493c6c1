#pragma once
// Shared set-up of the results tests: default settings, an empty run state,
// run files in a scratch folder, and a clock that always seeds 12345.

#include "harness.h"

#include "model/testconfig.h"
#include "runtime/runstate.h"

#include <QByteArray>
#include <QString>

inline quint32 FixedClock() { return 12345; }

class ResultsTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        SetConfigDefaults();
        ResetRunState();
        RandomizeClock = FixedClock;
        RunBaseName = QStringLiteral("Maths");
        RunFileDir = Dir.Path();
        RunEntries.reset();
        Dir.UseAsProject(QStringLiteral("Maths"));
    }
    void TearDown() override
    {
        RunFileDir.clear();
        RunBaseName.clear();
        RunEntries.reset();
        ResetRunState();
        QuendraTest::TearDown();
    }

    static void AddRecord(const QString& id, bool correct, bool answered, int chosen)
    {
        TQuestionRecord r {};
        r.Deleted = correct ? 1 : 0;
        r.Answered = answered ? 1 : 0;
        r.ChosenAnswer = chosen;
        r.Identifier = id;
        r.AnswerCount = 6;
        r.CorrectAnswer = 1;
        RunList.Add(&r, int(sizeof r));
    }

    // Four questions: Q1 right, Q2 wrong (C), Q3 never answered, and a
    // 32-character identifier answered wrongly (F). Student details with a
    // byte above 0x7F, an undefined prompt and a one-character answer.
    static void FillRun(bool students)
    {
        TestConfig.Program.ProgramTitle = QStringLiteral("Biology Quiz \u2013 Cells of the body, caf\u00e9 edition");
        AddRecord(QStringLiteral("Q1"), true, true, 1);
        AddRecord(QStringLiteral("Q2"), false, true, 3);
        AddRecord(QStringLiteral("Q3"), false, false, 0);
        AddRecord(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), false, true, 6);
        TakeCount = 4;
        CorrectCount = 1;
        ScorePercent = 25;
        if (students) {
            TestConfig.StudentInputPrompt[0] = QStringLiteral("Name");
            TestConfig.StudentInputPrompt[2] = QStringLiteral("Class");
            TestConfig.StudentInputPrompt[3] = QStringLiteral("Initial");
            StudentInputGiven = true;
            StudentAnswers[0] = QStringLiteral("Anne M\u00fcller");
            StudentAnswers[2] = QStringLiteral("7B");
            StudentAnswers[3] = QStringLiteral("X");
        }
        TestConfig.DataFileLine[0] = QStringLiteral("Line one");
        TestConfig.DataFileLine[2] = QStringLiteral("\u20ac end");
        TestConfig.DataFileLine[4] = QStringLiteral("Z");
    }

    TScratchDir Dir;
};
