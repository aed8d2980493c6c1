// The hyperlink phrase finder: the cuts and trims of the run around the caret.
#include "harness.h"

#include "platform/richedit.h"
#include "runtime/hyperlinkphrase.h"

namespace {

// text with the characters marked by '_' in mask underlined.
QString Phrase(const QString& text, const QString& mask, int caret)
{
    return HyperlinkPhraseAt(text, [&](int p) { return p < mask.size() && mask[p] == u'_'; }, caret);
}

TEST(HyperlinkPhrase, CutsAndTrims)
{
    const QString text = QStringLiteral("See two words here");
    const QString mask = QStringLiteral("    _________     ");
    for (int c = 4; c <= 12; ++c)
        EXPECT_EQ(Phrase(text, mask, c), QStringLiteral("two words")) << c;
    EXPECT_EQ(Phrase(text, mask, 2), QString());
    EXPECT_EQ(Phrase(text, mask, 13), QString());
    EXPECT_EQ(Phrase(text, mask, 99), QString());

    // At the start of the text and at the start of a line.
    EXPECT_EQ(Phrase(QStringLiteral("Run here"), QStringLiteral("___     "), 1), QStringLiteral("Run"));
    EXPECT_EQ(Phrase(QStringLiteral("ab\nRun x"), QStringLiteral("   ___  "), 4), QStringLiteral("Run"));
    // One plain character between the line start and the run: kept; a blank is trimmed.
    EXPECT_EQ(Phrase(QStringLiteral("xRun"), QStringLiteral(" ___"), 2), QStringLiteral("xRun"));
    EXPECT_EQ(Phrase(QStringLiteral("a\n Run"), QStringLiteral("   ___"), 4), QStringLiteral("Run"));

    // 40 underlined characters after a blank: 29; at the text start: 30.
    const QString forty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789ABCD");
    EXPECT_EQ(Phrase(u' ' + forty, u' ' + QString(40, u'_'), 20), forty.left(29));
    EXPECT_EQ(Phrase(forty, QString(40, u'_'), 35), forty.left(30));

    // A line break ends the run even when its format is underlined; the
    // run at the end of the text ends there.
    EXPECT_EQ(Phrase(QStringLiteral("a Run\nnext"), QStringLiteral("  ________"), 3), QStringLiteral("Run"));
    EXPECT_EQ(Phrase(QStringLiteral("a Run"), QStringLiteral("  ___"), 4), QStringLiteral("Run"));
    // Blanks inside the run stay; around it they go.
    EXPECT_EQ(Phrase(QStringLiteral("x  two  y"), QStringLiteral("  _____  "), 3), QStringLiteral("two"));
}

class HyperlinkPhraseEditTest : public QuendraTest {};

TEST_F(HyperlinkPhraseEditTest, OnTheRichTextControl)
{
    TRichEdit edit;
    edit.SetText(QStringLiteral("First line\nThe Square Root of nine"));
    edit.Select(15, 11);
    TTextAttributes u;
    u.Underline = true;
    edit.SetSelAttributes(u, TAttribute::Underline);
    edit.SetSelStart(20);
    EXPECT_EQ(GetHyperlinkPhrase(edit), QStringLiteral("Square Root"));
    EXPECT_EQ(edit.SelStart(), 20);
    EXPECT_EQ(edit.SelLength(), 0);
    edit.SetSelStart(3);
    EXPECT_EQ(GetHyperlinkPhrase(edit), QString());
}

} // namespace

namespace {

// The phrase at each caret position of an RTF text, as the control gives it.
QString PhraseAt(TRichEdit& edit, int caret)
{
    edit.SetSelStart(caret);
    return GetHyperlinkPhrase(edit);
}

TEST_F(HyperlinkPhraseEditTest, RunsAcrossParagraphsLineBreaksAndTheEndsOfTheText)
{
    TRichEdit edit;
    // The underline runs on over a paragraph end and over a line break: each
    // break ends the phrase, so no phrase holds a line end.
    edit.LoadFromStream("{\\rtf1\\ansi Go \\ul over\\par the\\line top\\ulnone  now\\par}");
    ASSERT_EQ(edit.Text(), QStringLiteral("Go over\nthe\ntop now"));
    for (int c = 3; c <= 6; ++c)
        EXPECT_EQ(PhraseAt(edit, c), QStringLiteral("over")) << c;
    EXPECT_EQ(PhraseAt(edit, 7), QString());   // the paragraph end itself
    for (int c = 8; c <= 10; ++c)
        EXPECT_EQ(PhraseAt(edit, c), QStringLiteral("the")) << c;
    for (int c = 12; c <= 14; ++c)
        EXPECT_EQ(PhraseAt(edit, c), QStringLiteral("top")) << c;
    EXPECT_EQ(PhraseAt(edit, 16), QString());

    // A run at the very start and one at the very end of the text.
    edit.LoadFromStream("{\\rtf1\\ansi \\ul Start\\ulnone  middle \\ul end}");
    ASSERT_EQ(edit.Text(), QStringLiteral("Start middle end"));
    EXPECT_EQ(PhraseAt(edit, 0), QStringLiteral("Start"));
    EXPECT_EQ(PhraseAt(edit, 4), QStringLiteral("Start"));
    EXPECT_EQ(PhraseAt(edit, 13), QStringLiteral("end"));
    EXPECT_EQ(PhraseAt(edit, 15), QStringLiteral("end"));
    EXPECT_EQ(PhraseAt(edit, 16), QString());   // after the last character
    EXPECT_EQ(edit.SelStart(), 16);
    EXPECT_EQ(edit.SelLength(), 0);

    // A tab inside the underline ends the run as well; 31 underlined
    // characters at a line start give their first 30, after a blank 29.
    const QString run = QStringLiteral("abcdefghijklmnopqrstuvwxyz01234");
    edit.LoadFromStream("{\\rtf1\\ansi \\ul one\\tab two\\ulnone\\par\r\n\\ul " + run.toLatin1()
                        + "\\ulnone\\par\r\nx \\ul " + run.toLatin1() + "\\ulnone\\par}");
    EXPECT_EQ(PhraseAt(edit, 1), QStringLiteral("one"));
    EXPECT_EQ(PhraseAt(edit, 5), QStringLiteral("two"));
    EXPECT_EQ(PhraseAt(edit, 8 + 30), run.left(30));
    EXPECT_EQ(PhraseAt(edit, 8 + 32 + 2 + 5), run.left(29));
}

} // namespace
