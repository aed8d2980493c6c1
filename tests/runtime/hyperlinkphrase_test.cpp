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
