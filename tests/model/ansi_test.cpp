// Windows-1252 conversion of record and entry texts.
#include <gtest/gtest.h>

#include "model/ansi.h"

TEST(Ansi, EveryByteRoundTrips)
{
    QByteArray all(256, 0);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = AnsiToString(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(StringToAnsi(text), all);
    // The printable high half is the Windows-1252 one, not Latin-1.
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));     // euro
    EXPECT_EQ(text.at(0x92), QChar(0x2019));     // right single quote
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));     // Y with diaeresis
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_EQ(text.at(0x81), QChar(0x0081));     // unassigned: the C1 control of the same value
}

TEST(Ansi, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    EXPECT_EQ(StringToAnsi(QStringLiteral("caf\u00E9 \u20AC5")), QByteArray("caf\xE9 \x80" "5"));
    EXPECT_EQ(StringToAnsi(QStringLiteral("\u4E2D\u6587")), QByteArray("??"));
    EXPECT_EQ(StringToAnsi(QStringLiteral("\u0080\u0152")), QByteArray("?\x8C"));   // U+0080 has no byte; OE has
    // A surrogate pair is one character: one "?".
    const QString emoji = QString::fromUcs4(U"a\U0001F600b");
    ASSERT_EQ(emoji.size(), 4);
    EXPECT_EQ(StringToAnsi(emoji), QByteArray("a?b"));
    // Lone surrogates, in either order, never crash.
    QString broken;
    broken += QChar(0xDC00);
    broken += QChar(0xD800);
    EXPECT_EQ(StringToAnsi(broken), QByteArray("??"));
    EXPECT_EQ(CharToAnsi(QChar(0x2122)), '\x99');
    EXPECT_EQ(AnsiToString(nullptr, 0), QString());
    EXPECT_EQ(AnsiToString("abc", -1), QString());
}
