// The default record against bytes worked out by hand from the record layout.
#include <gtest/gtest.h>

#include "bytes.h"

#include "model/processvalues.h"
#include "model/testconfig.h"

#include <QByteArray>

using namespace TestBytes;

namespace {

QByteArray Bytes() { return QByteArray(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig); }

// A length byte followed by the text.
QByteArray Short(const char* text) { return QByteArray(1, char(qstrlen(text))) + QByteArray(text); }


class ConfigDefaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAllProcessValues();
        std::memset(&TestConfig, 0xAB, sizeof TestConfig);   // defaults must clear every byte
        SetConfigDefaults();
        B = Bytes();
    }
    QByteArray B;
};

TEST_F(ConfigDefaults, HeaderFlagsAndNumbers)
{
    ASSERT_EQ(B.size(), 5428);
    EXPECT_EQ(B.mid(0, 5), Short("2.01"));
    EXPECT_EQ(B.mid(5, 11), QByteArray::fromHex("0101000001000000000000"));
    EXPECT_EQ(B.mid(16, 61), QByteArray(61, 0));
    EXPECT_EQ(B.mid(77, 4), Le32(50));
    EXPECT_EQ(B.mid(81, 4), QByteArray::fromHex("ff000000"));   // red
    EXPECT_EQ(B.mid(85, 4), QByteArray::fromHex("00ff0000"));   // green
    EXPECT_EQ(B.mid(89, 33), QByteArray(33, 0));                // reserved, feedback, groups
    // Question screen colours at 122.
    EXPECT_EQ(B.mid(122, 25), QByteArray::fromHex("c0c0c000" "c0c0c000" "01" "c0c0c000" "00000000" "ffffff00" "0000ff00"));
    EXPECT_EQ(B.mid(147, 510), QByteArray(510, 0));             // prompts and data-file lines
}

TEST_F(ConfigDefaults, CaptionsAndMessages)
{
    EXPECT_EQ(B.mid(657, 10), Short("&Continue"));
    EXPECT_EQ(B.mid(670, 6), Short("&Quit"));
    EXPECT_EQ(B.mid(722, 13), Short("Quit && &Sav"));            // fills all 12
    EXPECT_EQ(B.mid(735, 13), Short("&Information"));
    EXPECT_EQ(B.mid(884, 34), Short("The maximum starting question is "));
    EXPECT_EQ(B.mid(1021, 39), Short("All results will be lost. Quit anyway?"));
    EXPECT_EQ(B.mid(1337, 28), Short("Do you want to retake them?"));
    // Bytes after a text are zero in a new record.
    EXPECT_EQ(B.mid(657 + 10, 3), QByteArray(3, 0));
}

TEST_F(ConfigDefaults, PresentationAndProgram)
{
    const int p = 1383;
    EXPECT_EQ(B.at(p), 0);                                      // IntroEnabled
    const int intro = p + 1;
    EXPECT_EQ(B.mid(intro + 82, 23), Short("16 0 1 Times New Roman"));
    EXPECT_EQ(B.mid(intro + 133, 4), Le32(0xC0C0C0));
    EXPECT_EQ(B.mid(intro + 219, 22), Short("8 0 0 Times New Roman"));
    const int disp = intro + 274;
    EXPECT_EQ(B.mid(disp, 13), QByteArray::fromHex("ffffff00" "01" "01000000" "c0c0c000"));
    EXPECT_EQ(B.mid(disp + 315, 25), Le32(120) + Le32(80) + Le32(400) + Le32(200) + Le32(1) + Le32(1) + QByteArray(1, 0));
    EXPECT_EQ(B.at(intro + 614), 1);                            // UseMenuBar
    EXPECT_EQ(B.mid(p + 616, 2601), QByteArray(2601, 0));   // opening, closing, about
    const int cap = p + 3217;
    EXPECT_EQ(B.mid(cap, 7), Short("&About"));
    EXPECT_EQ(B.mid(cap + 85, 6), Short("&Find"));
    EXPECT_EQ(B.mid(cap + 102, 23), Short("Press the Start button"));
    EXPECT_EQ(MediaPrompt, QStringLiteral("Press the Start button"));
    const int prog = 4728;
    EXPECT_EQ(B.mid(prog, 390), QByteArray(390, 0));
    EXPECT_EQ(B.mid(prog + 390, 8), Le32(1) + Le32(0xC0C0C0));
    EXPECT_EQ(B.mid(prog + 398, 302), QByteArray(302, 0));
}

// The whole new record, laid out by hand from the tables: every byte not
// named there must be zero.
TEST_F(ConfigDefaults, WholeRecordMatchesTheTables)
{
    QByteArray e(5428, 0);
    auto put = [&e](int offset, const QByteArray& bytes) { e.replace(offset, bytes.size(), bytes); };
    put(0, Short("2.01"));
    put(5, QByteArray::fromHex("0101000001"));
    put(77, Le32(50));
    put(81, Le32(0x0000FF));
    put(85, Le32(0x00FF00));
    put(122, Le32(0xC0C0C0) + Le32(0xC0C0C0) + QByteArray(1, 1) + Le32(0xC0C0C0) + Le32(0) + Le32(0xFFFFFF)
                 + Le32(0xFF0000));
    const struct { int offset; const char* text; } texts[] = {
        {657, "&Continue"}, {670, "&Quit"}, {683, "&Next"}, {696, "&Explanation"}, {709, "&Pass"},
        {722, "Quit && &Sav"}, {735, "&Information"}, {748, "Test Results"}, {779, "Questions Answered"},
        {800, "Correct Answers"}, {821, "Total Questions"}, {842, "Questions to take"}, {863, "Start at Question"},
        {884, "The maximum starting question is "}, {945, "Answer"}, {954, "The Correct answer is"},
        {990, "Score"}, {999, "Answered"}, {1010, "Correct"}, {1021, "All results will be lost. Quit anyway?"},
        {1092, "Please complete the form."}, {1153, "Would you like to print the Test results ?"},
        {1199, "The Test results have been saved to"}, {1245, "questions(s) were passed."},
        {1291, "questions(s) were answered incorrectly."}, {1337, "Do you want to retake them?"},
        // Presentation at 1383: intro at 1384, captions at 4600.
        {1384 + 82, "16 0 1 Times New Roman"}, {1384 + 219, "8 0 0 Times New Roman"},
        {4600, "&About"}, {4617, "&Help"}, {4634, "&Quit"}, {4651, "&Close"}, {4668, "&Print"}, {4685, "&Find"},
        {4702, "Press the Start button"},
    };
    for (const auto& t : texts)
        put(t.offset, Short(t.text));
    put(1384 + 133, Le32(0xC0C0C0));                                   // title bar colour
    put(1384 + 270, Le32(0xC0C0C0));                                   // status bar colour
    put(1384 + 274, Le32(0xFFFFFF) + QByteArray(1, 1) + Le32(1) + Le32(0xC0C0C0));
    put(1384 + 274 + 315, Le32(120) + Le32(80) + Le32(400) + Le32(200) + Le32(1) + Le32(1));
    put(1384 + 614, QByteArray(1, 1));                                 // UseMenuBar
    put(4728 + 390, Le32(1) + Le32(0xC0C0C0));                         // background kind and colour
    ASSERT_EQ(B.size(), e.size());
    for (int i = 0; i < e.size(); ++i)
        ASSERT_EQ(quint8(B.at(i)), quint8(e.at(i))) << "first difference at offset " << i;

    // The sub-record routines on their own give the same bytes.
    TPresentation p;
    std::memset(&p, 0x5A, sizeof p);
    SetPresentationDefaults(p);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&p), sizeof p), e.mid(1383, 3345));
    TProgramSettings s;
    std::memset(&s, 0x5A, sizeof s);
    SetProgramSettingsDefaults(s);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&s), sizeof s), e.mid(4728, 700));
}

TEST(ShortStringAndFlag, TruncationAndReading)
{
    ShortString<12> s;
    std::memset(&s, 'x', sizeof s);
    s = QStringLiteral("Quit && &Save");                         // 13 characters
    EXPECT_EQ(s.Len, 12);
    EXPECT_EQ(s.str(), QStringLiteral("Quit && &Sav"));
    s = QStringLiteral("ab");
    EXPECT_EQ(s.str(), QStringLiteral("ab"));
    EXPECT_EQ(s.Text[2], 'i');                                   // later bytes are left as they were
    s.Len = 200;                                                 // damaged length byte
    EXPECT_EQ(s.str().size(), 12);
    s = QStringLiteral("\u20AC\u4E2D");                          // euro is in Windows-1252, CJK is not
    EXPECT_EQ(QByteArray(s.Text, s.Len), QByteArray("\x80?"));
    EXPECT_EQ(s.str(), QStringLiteral("\u20AC?"));

    ShortString<16> cap{};
    cap = QStringLiteral("&Print the results now");              // 22 characters
    EXPECT_EQ(cap.str(), QStringLiteral("&Print the resul"));
    EXPECT_EQ(cap.Len, 16);

    Int32LE i32;
    i32 = -2;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(i32.B), 4), QByteArray::fromHex("feffffff"));
    EXPECT_EQ(int(i32), -2);
    Int16LE i16;
    i16 = 0x1234;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(i16.B), 2), QByteArray::fromHex("3412"));

    Flag f{0};
    EXPECT_FALSE(f);
    for (int v : {1, 2, 0x80, 0xFF}) {
        f.Value = quint8(v);
        EXPECT_TRUE(f) << v;
    }
    f = true;
    EXPECT_EQ(f.Value, 1);
}

} // namespace
