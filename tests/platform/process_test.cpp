#include "harness.h"

#include "platform/process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

namespace {

class ProcessTest : public QuendraTest {};

TEST(SplitCommandWords, LikeAShell)
{
    EXPECT_EQ(SplitCommandWords(QStringLiteral("  a  b\tc ")), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitCommandWords(QStringLiteral("\"two words\" 'it''s' x\\ y")),
              QStringList({"two words", "its", "x y"}));
    EXPECT_EQ(SplitCommandWords(QStringLiteral("\"a \\\"q\\\" \\n\" '$HOME' `ls` ;rm")),
              QStringList({"a \"q\" \\n", "$HOME", "`ls`", ";rm"}));
    EXPECT_EQ(SplitCommandWords(QStringLiteral("\"\" end")), QStringList({"", "end"}));
    EXPECT_EQ(SplitCommandWords(QStringLiteral("\"unclosed text")), QStringList({"unclosed text"}));
    EXPECT_TRUE(SplitCommandWords(QString()).isEmpty());
}

TEST_F(ProcessTest, FindsProgramsAndWaits)
{
    EXPECT_FALSE(FindProgram(QStringLiteral("sh")).isEmpty());
    EXPECT_EQ(FindProgram(QStringLiteral("SH.EXE")), FindProgram(QStringLiteral("sh")));
    EXPECT_TRUE(FindProgram(QStringLiteral("NOTEPAD.EXE")).isEmpty());
    EXPECT_TRUE(FindProgram(QStringLiteral("C:\\WINDOWS\\WRITE.EXE")).isEmpty());

    TScratchDir dir;
    // The arguments arrive as given, nothing is interpreted by a shell, and
    // the call returns only when the program has ended while timers still run.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    const QString out = dir.File(QStringLiteral("out.txt"));
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(RunAndWait(FindProgram(QStringLiteral("sh")),
                           {QStringLiteral("-c"), QStringLiteral("sleep 0.3; printf '%s|' \"$@\" > \"$0\""), out,
                            QStringLiteral("a b"), QStringLiteral("$HOME;x")}));
    EXPECT_GE(t.elapsed(), 250);
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(dir.Read(QStringLiteral("out.txt")), QByteArray("a b|$HOME;x|"));
    EXPECT_FALSE(RunAndWait(dir.File(QStringLiteral("no-such-program")), {}));
}

} // namespace
