// The default record against bytes worked out by hand from the record layout.
#include <gtest/gtest.h>

#include "model/testconfig.h"

#include <QByteArray>

namespace {

QByteArray Bytes() { return QByteArray(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig); }

// A length byte followed by the text.
QByteArray Short(const char* text) { return QByteArray(1, char(qstrlen(text))) + QByteArray(text); }

QByteArray Le32(quint32 v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

class ConfigDefaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProcessValues();
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
