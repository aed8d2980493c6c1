#pragma once
// The end-to-end tests' fixture: a copy of the PLANETS sample test in a
// scratch folder, opened as the project.

#include "harness.h"

#include <QString>

// The committed sample (the source tree's samples/PLANETS, with a "/").
QString SampleDir();

// Every file of the sample folder, sorted.
QStringList SampleFiles();

class PlanetsTest : public QuendraTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies every file of the sample into Dir, keeping their permissions.
    void CopySample() const;
    // CopySample, then opens Dir's PLANETS.QXJ as if selected.
    void OpenSampleCopy() const;

    TScratchDir Dir;
};
