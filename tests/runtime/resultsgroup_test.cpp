// Score groups at every boundary the design names, and the graph colour.
#include "resultstest.h"

#include "runtime/results.h"
#include "runtime/resultsform.h"

namespace {

class ResultsGroupTest : public ResultsTest {
protected:
    static void Bounds(int a, int b, int c, int d, int e)
    {
        TestConfig.ScoreGroupsDefined = true;
        const int v[5] {a, b, c, d, e};
        for (int k = 0; k < 5; ++k)
            TestConfig.ScoreGroupBound[k] = v[k];
    }
    static int GroupOf(int percent)
    {
        ScorePercent = percent;
        ScoreGroup = -1;
        ComputeScoreGroup();
        return ScoreGroup;
    }
};

TEST_F(ResultsGroupTest, GroupsAtEveryBoundary)
{
    Bounds(40, 60, 80, 100, 0);
    EXPECT_EQ(GroupOf(0), 0);
    EXPECT_EQ(GroupOf(39), 0);
    EXPECT_EQ(GroupOf(40), 1);
    EXPECT_EQ(GroupOf(59), 1);
    EXPECT_EQ(GroupOf(60), 2);
    EXPECT_EQ(GroupOf(79), 2);
    EXPECT_EQ(GroupOf(80), 3);
    EXPECT_EQ(GroupOf(99), 3);
    EXPECT_EQ(GroupOf(100), 3);

    // Unused groups below the top are skipped.
    Bounds(30, 0, 70, 0, 0);
    EXPECT_EQ(GroupOf(29), 0);
    EXPECT_EQ(GroupOf(30), 2);
    EXPECT_EQ(GroupOf(50), 2);
    EXPECT_EQ(GroupOf(69), 2);
    EXPECT_EQ(GroupOf(70), 2);
    EXPECT_EQ(GroupOf(100), 2);

    // All bounds 0: everybody in group 0.
    Bounds(0, 0, 0, 0, 0);
    for (int p : {0, 1, 50, 100})
        EXPECT_EQ(GroupOf(p), 0) << p;

    // All five in use: the top group takes the rest up to 100.
    Bounds(10, 20, 30, 40, 50);
    EXPECT_EQ(GroupOf(49), 4);
    EXPECT_EQ(GroupOf(50), 4);
    EXPECT_EQ(GroupOf(9), 0);

    // No groups: ten-percent steps, 100 alone in group 10.
    TestConfig.ScoreGroupsDefined = false;
    Bounds(40, 60, 80, 100, 0);
    TestConfig.ScoreGroupsDefined = false;
    EXPECT_EQ(GroupOf(0), 0);
    EXPECT_EQ(GroupOf(9), 0);
    EXPECT_EQ(GroupOf(10), 1);
    EXPECT_EQ(GroupOf(59), 5);
    EXPECT_EQ(GroupOf(99), 9);
    EXPECT_EQ(GroupOf(100), 10);
}

TEST_F(ResultsGroupTest, GraphColourAtThePassMark)
{
    TestConfig.PassPercentage = 60;
    EXPECT_EQ(ResultsGraphColour(59), quint32(clRed));
    EXPECT_EQ(ResultsGraphColour(60), quint32(clLime));
    EXPECT_EQ(ResultsGraphColour(100), quint32(clLime));
    TestConfig.PassPercentage = 0;
    EXPECT_EQ(ResultsGraphColour(0), quint32(clLime));
}

} // namespace
