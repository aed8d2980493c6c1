// One reset for every process-wide value, and the registration list behind it.
#include <gtest/gtest.h>

#include "model/entryfile.h"
#include "model/fileutil.h"
#include "model/processvalues.h"
#include "model/testconfig.h"

#include <QBuffer>
#include <QSet>

namespace {

int gExtraResets = 0;
void CountReset() { ++gExtraResets; }

TEST(ProcessValues, OneCallResetsEveryRegisteredModule)
{
    QSet<QString> names;
    for (int i = 0; i < ResetRoutineCount(); ++i)
        names << QString::fromLatin1(ResetRoutineName(i));
    EXPECT_TRUE(names.contains(QStringLiteral("ResetProcessValues")));
    EXPECT_TRUE(names.contains(QStringLiteral("ResetEntryFileValues")));
    EXPECT_TRUE(names.contains(QStringLiteral("ResetAppendOutput")));

    ProjectPath = QStringLiteral("/x/MATHS.QXJ");
    CurrentVersion = QStringLiteral("9.99");
    CurrentEntryName = QStringLiteral("Alpha");
    QBuffer out;
    SetAppendOutput(&out);
    // A module added later registers its routine once; a second registration
    // of the same routine is not called twice.
    const int before = ResetRoutineCount();
    RegisterResetRoutine("CountReset", &CountReset);
    RegisterResetRoutine("CountReset", &CountReset);
    EXPECT_EQ(ResetRoutineCount(), before + 1);

    ResetAllProcessValues();
    EXPECT_TRUE(ProjectPath.isEmpty());
    EXPECT_EQ(CurrentVersion, QStringLiteral("2.01"));
    EXPECT_TRUE(CurrentEntryName.isEmpty());
    EXPECT_EQ(AppendOutput(), nullptr);
    EXPECT_EQ(gExtraResets, 1);
}

} // namespace
