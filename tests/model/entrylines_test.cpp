// The fast entry scan against the scanner fed every line, on hand-made cases
// and on many random texts built from the pieces that matter to the rules.
#include "model/entrylines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace EntryLines;

namespace {

std::string Describe(const std::vector<TScannedEntry>& entries)
{
    std::string out;
    for (const TScannedEntry& e : entries)
        out += std::to_string(e.Start) + ',' + std::to_string(e.HeaderLen) + ',' + std::to_string(e.SourceStart)
            + ',' + std::to_string(e.SourceLen) + ',' + std::to_string(e.BodyStart) + ','
            + std::to_string(e.TermStart) + ',' + std::to_string(e.End) + (e.Terminated ? ",t" : ",u") + ';';
    return out;
}

void ExpectSameScan(const std::string& text)
{
    EXPECT_EQ(Describe(ScanEntries(text.data(), qint64(text.size()))),
              Describe(ScanEntriesLineByLine(text.data(), qint64(text.size()))))
        << "text: " << ::testing::PrintToString(text);
}

TEST(EntryLines, FastScanFindsWhatTheLineByLineScanFinds)
{
    // Terminated, unterminated, a header without a source line, brackets
    // inside lines, CR LF and bare LF, a CR on the last piece, a source line
    // right after a terminator, a header as the last line.
    const char* cases[] = {
        "",
        "[",
        "]",
        "[A]\r\nsource=HYPER\r\ntype=2\r\n]\r\n\r\n",
        "[A]\nsource=HYPER\nx [y] z\n]\n[B]\nsource=INFO\n",
        "[A]\r\nnot a source\r\n]\r\n[B]\r\nsource=X\r\n]x\r\n]\r",
        "text [a]\n[b] text\nsource=Q\n]]\n]\n",
        "[A]\nsource=Q\n[B]\n[C]\nsource=R\nbody\n",
        "[A]\nsource=Q\n]\nsource=R\n[D]",
        "[A]\n]\n[B]\nsource=\n]\n",
        "\n\n[\nsource=\n\n]\n\n",
        "[A]\r\nsource=Q\r\n[B]\r\n]\r\n",
    };
    for (const char* c : cases)
        ExpectSameScan(c);
    // A bracket at every place in and around the scan's 16- and 32-byte steps.
    for (size_t at = 0; at < 70; ++at) {
        std::string text(80, 'x');
        text[at] = at % 2 ? ']' : '[';
        EXPECT_EQ(FindBracket(text.data(), 0, qint64(text.size())), qint64(at));
        EXPECT_EQ(FindBracket(text.data(), qint64(at) + 1, qint64(text.size())), qint64(text.size()));
        text[at > 0 ? at - 1 : 0] = '\n';
        text += "\nsource=Q\n]\n";
        ExpectSameScan(text);
    }

    const char* pieces[] = {"[",       "]",        "[A]",    "source=", "source=HYPER", "\n", "\r\n", "\r",
                            "text",    " [x] ",    "]]",     "x]",      "sourc",        "\n]\n", "\n[B]\nsource=Q\n"};
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += pieces[pick(random)];
        ExpectSameScan(text);
        if (::testing::Test::HasFailure())
            break;
    }
}

TEST(EntryLines, LineToStringAgreesWithTheFullConversion)
{
    // Every byte value, at places in and around the 16-byte steps, in lines
    // of several lengths: the fast conversion gives what the full one gives.
    for (int length : {1, 15, 16, 17, 40}) {
        for (int at : {0, 7, 15, 16, 31, 39}) {
            if (at >= length)
                continue;
            for (int b = 0; b < 256; ++b) {
                std::string line(size_t(length), 'a');
                line[size_t(at)] = char(b);
                const QString fast = LineToString(line.data(), qint64(line.size()));
                ASSERT_EQ(fast, AnsiToString(line.data(), int(line.size())))
                    << "byte " << b << " at " << at << " of " << length;
            }
        }
    }
    EXPECT_FALSE(LineToString("", 0).isNull());
    EXPECT_TRUE(LineToString("", 0).isEmpty());
}

} // namespace
