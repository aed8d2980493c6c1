// The results report, byte for byte against files written out by hand, and
// read back the way the results reader reads it.
#include "resultstest.h"

#include "runtime/results.h"
#include "runtime/resultsreport.h"

namespace {

class ResultsReportTest : public ResultsTest {};

QByteArray Hex(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* l : lines)
        out += QByteArray::fromHex(l) + "\r\n";
    return out;
}

// The plain file of FillRun(true): "\x96" is the en dash, "\xE9" e acute,
// "\xFC" u umlaut and "\x80" the euro sign in Windows-1252.
const QByteArray PlainWithStudents =
    "0\r\n"
    "TITLE = Biology Quiz \x96 Cells of the body, caf\xE9 edition\r\n"
    "\r\n"
    "Anne M\xFCller\r\n"
    "\r\n"
    "7B\r\n"
    "X\r\n"
    "\r\n"
    "\r\n"
    "NUMBER OF QUESTIONS = 4\r\n"
    "QUESTIONS CORRECT = 1\r\n"
    "PERCENTAGE CORRECT = 25%\r\n"
    "\r\n"
    "CORRECT\r\n"
    "Q1\r\n"
    "\r\n"
    "WRONG\r\n"
    "Q2 - [3]\r\n"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345 - [6]\r\n"
    "\r\n"
    "NOT COMPLETED\r\n"
    "Q3\r\n"
    "\r\n"
    "Line one\r\n"
    "\r\n"
    "\x80 end\r\n"
    "\r\n"
    "Z\r\n";

TEST_F(ResultsReportTest, PlainFileBytes)
{
    FillRun(true);
    EXPECT_EQ(ResultsLinesToBytes(ResultsFileLines()), PlainWithStudents);

    // Without student prompts the five student lines are left out; a title
    // of the full 80 characters gives a line of exactly 88.
    ResetRunState();
    RandomizeClock = FixedClock;
    SetConfigDefaults();
    FillRun(false);
    TestConfig.Program.ProgramTitle = QString(80, u'T');
    TestConfig.DataFileLine[0] = QString();
    TestConfig.DataFileLine[2] = QString();
    TestConfig.DataFileLine[4] = QString();
    const QByteArray expected =
        "0\r\nTITLE = " + QByteArray(80, 'T') + "\r\n"
        "\r\n"
        "\r\n"
        "NUMBER OF QUESTIONS = 4\r\nQUESTIONS CORRECT = 1\r\nPERCENTAGE CORRECT = 25%\r\n\r\n"
        "CORRECT\r\nQ1\r\n\r\n"
        "WRONG\r\nQ2 - [3]\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ012345 - [6]\r\n\r\n"
        "NOT COMPLETED\r\nQ3\r\n\r\n"
        "\r\n\r\n\r\n\r\n\r\n";
    EXPECT_EQ(ResultsLinesToBytes(ResultsFileLines()), expected);

    // Nothing answered: the three lists are empty, every question is not
    // completed.
    RunList.Clear();
    AddRecord(QStringLiteral("A"), false, false, 0);
    AddRecord(QStringLiteral("B"), false, false, 0);
    const QStringList report = ResultsReport(true);
    const qsizetype c = report.indexOf(QStringLiteral("CORRECT"));
    ASSERT_GT(c, 0);
    EXPECT_EQ(report.mid(c, 8), QStringList({"CORRECT", "", "WRONG", "", "NOT COMPLETED", "A", "B", ""}));
}

TEST_F(ResultsReportTest, ScrambledFileBytesWithFixedSeed)
{
    FillRun(true);
    TestConfig.EncryptData = true;
    // Keys drawn from seed 12345: 2 2 1 3 4 2 3 1 1 5 5 2 2 4 3 3 5, one per
    // line that is not empty; the key byte sits before the last byte.
    const QByteArray expected = Hex({
        "31",
        "5247524a431e3b1e40676d6a6d65771e4f7367781e941e41636a6a711e6d641e7266631e606d62772a1e615f64e71e63626772676d026c",
        "",
        "3f6c6c631e4bfa6a6a630270",   // Anne Müller, key 2
        "",
        "360141",                     // 7B, key 1
        "0355",                       // X: key 3 first, then X - 3
        "",
        "",
        "4a51493e414e1c4b421c4d51414f50454b4a4f1c391c0430",
        "4f53435152474d4c511e414d50504341521e3b1e022f",
        "4d424f40424b513e44421d404c4f4f4240511d3a1d2f320322",
        "",
        "424e515144420153",
        "500130",
        "",
        "524d4a490542",
        "4c2d1b281b562e0558",
        "3f404142434445464748494a4b4c4d4e4f5051525354555657582e2f303132331e2b1e5934025b",
        "",
        "4c4d521e414d4b4e4a4352430242",
        "4d042f",
        "",
        "49666b621d6c6b0362",
        "",
        "7d1d626b0361",               // € end, key 3: 0x80 - 3 = 0x7D
        "",
        "0555",                       // Z, key 5
    });
    EXPECT_EQ(ResultsLinesToBytes(ResultsFileLines()), expected);

    // Read back as the reader does: a blank first line, then exactly the
    // printout's lines, bytes above 0x7F included.
    QStringList shown = UnscrambleResultsLines(ResultsBytesToLines(expected));
    QStringList printout = ResultsReport(false);
    printout.prepend(QString());
    EXPECT_EQ(shown, printout);
    EXPECT_EQ(shown.value(3), QStringLiteral("Anne M\u00fcller"));
    EXPECT_EQ(shown.value(6), QStringLiteral("X"));
}

TEST_F(ResultsReportTest, ScrambleLineRules)
{
    EXPECT_EQ(ScrambleLine(QStringLiteral("abc")), QStringLiteral("abc"));   // EncryptData off
    TestConfig.EncryptData = true;
    RandSeed = 12345;
    EXPECT_EQ(ScrambleLine(QString()), QString());
    EXPECT_EQ(RandSeed, 12345u) << "an empty line draws no key";
    // Every byte value survives scrambling and unscrambling.
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    all += '\0';
    for (int i = 0; i < 50; ++i) {
        const QString line = AnsiToString(all.mid(i * 5, 1 + i));
        const QString scrambled = ScrambleLine(line);
        ASSERT_EQ(StringToAnsi(scrambled).size(), StringToAnsi(line).size() + 1);
        EXPECT_EQ(UnscrambleLine(scrambled), line) << i;
    }
}

TEST_F(ResultsReportTest, ReadingBackOddFiles)
{
    // An empty file has no lines; the reader shows nothing and survives.
    EXPECT_TRUE(ResultsBytesToLines(QByteArray()).isEmpty());
    EXPECT_TRUE(UnscrambleResultsLines({}).isEmpty());
    // "0" from a CR LF file, after a byte-order mark, or without a final
    // line end is still a plain file.
    const QStringList plain {QString(), QStringLiteral("TITLE = A"), QString(), QStringLiteral("x")};
    EXPECT_EQ(UnscrambleResultsLines(ResultsBytesToLines("0\r\nTITLE = A\r\n\r\nx\r\n")), plain);
    EXPECT_EQ(UnscrambleResultsLines(ResultsBytesToLines("\xEF\xBB\xBF" "0\r\nTITLE = A\r\n\r\nx")), plain);
    EXPECT_EQ(UnscrambleResultsLines(ResultsBytesToLines("0\nTITLE = A\n\nx\n")), plain);
    EXPECT_EQ(UnscrambleResultsLines({QStringLiteral("\u00ef\u00bb\u00bf0\r"), QStringLiteral("y")}),
              QStringList({QString(), QStringLiteral("y")}));
    // A UTF-8 file with a mark keeps its accents.
    EXPECT_EQ(ResultsBytesToLines("\xEF\xBB\xBF" "0\r\ncaf\xC3\xA9\r\n").value(1), QStringLiteral("caf\u00e9"));
    // A file from another program: unscrambled, so shifted; a line of one
    // character carries no key and stays as it is.
    EXPECT_EQ(UnscrambleResultsLines({QStringLiteral("HEADER"), QStringLiteral("a\u0001b"), QStringLiteral("Q")}),
              QStringList({QString(), QStringLiteral("bc"), QStringLiteral("Q")}));
    // Binary garbage decodes to something and never crashes.
    QByteArray junk;
    for (int i = 0; i < 70000; ++i)
        junk += char((i * 7919) % 251);
    junk[5] = '\0';
    const QStringList lines = UnscrambleResultsLines(ResultsBytesToLines(junk));
    EXPECT_FALSE(lines.isEmpty());
}

TEST_F(ResultsReportTest, PrintoutHasNoFlagLineAndNothingScrambled)
{
    FillRun(true);
    TestConfig.EncryptData = true;
    const QStringList printout = ResultsReport(false);
    ASSERT_FALSE(printout.isEmpty());
    EXPECT_EQ(printout.first(), QStringLiteral("TITLE = Biology Quiz \u2013 Cells of the body, caf\u00e9 edition"));
    QStringList file = ResultsReport(true);
    EXPECT_EQ(file.takeFirst(), QStringLiteral("1"));
    EXPECT_EQ(file, printout);
    EXPECT_EQ(printout.size(), 27);
}

} // namespace
