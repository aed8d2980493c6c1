// The writer's stored lines and round trips through the reader.

#include "harness.h"
#include "model/errors.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace {

QTextCharFormat Fmt(const QString& family, qreal size, bool bold = false, bool italic = false,
                    bool underline = false, bool strike = false, QColor colour = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(size);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontStrikeOut(strike);
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

// One entry per character: text and the attributes the control offers.
struct TCharInfo {
    QChar Char;
    QString Family;
    qreal Size;
    bool Bold, Italic, Underline, Strike;
    QRgb Colour;   // 0xFF000000 when automatic
    bool operator==(const TCharInfo& o) const
    {
        return Char == o.Char && Family == o.Family && Size == o.Size && Bold == o.Bold &&
               Italic == o.Italic && Underline == o.Underline && Strike == o.Strike && Colour == o.Colour;
    }
};

QList<TCharInfo> Chars(const QTextDocument& doc)
{
    QList<TCharInfo> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList fam = f.fontFamilies().toStringList();
            const QRgb colour = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().rgb() & 0xFFFFFF
                                                                             : 0xFF000000;
            for (QChar c : it.fragment().text())
                out.append({c, fam.value(0), f.fontPointSize(), f.fontWeight() == QFont::Bold, f.fontItalic(),
                            f.fontUnderline(), f.fontStrikeOut(), colour});
        }
        out.append({QChar(u'\n'), QString(), 0, false, false, false, false, 0});
    }
    return out;
}

void CheckLines(const QStringList& lines)
{
    for (const QString& line : lines) {
        EXPECT_FALSE(line.startsWith(QLatin1Char('['))) << line.toStdString();
        EXPECT_NE(line.trimmed(), QStringLiteral("]"));
        EXPECT_LE(line.size(), 250) << line.left(80).toStdString();
        for (QChar c : line)
            EXPECT_LT(c.unicode(), 0x80) << "RTF lines are 7-bit";
    }
}

QByteArray Stream(const QStringList& lines) { return RtfLinesToStream(lines); }

}  // namespace

TEST(RtfWriter, ShapeOfASmallDocument)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Hello "), Fmt(QStringLiteral("Arial"), 10));
    c.insertText(QStringLiteral("bold"), Fmt(QStringLiteral("Arial"), 10, true, false, false, false, QColor(255, 0, 0)));
    c.insertText(QStringLiteral(" [x] {y} \\ caf\u00e9 \u0416"), Fmt(QStringLiteral("Times New Roman"), 12));
    c.insertBlock();
    const QStringList lines = DocumentToRtfLines(doc);
    const QStringList want = {
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                       "{\\f1\\fnil\\fcharset0 Times New Roman;}}"),
        QStringLiteral("{\\colortbl ;\\red255\\green0\\blue0;}"),
        QStringLiteral("\\uc1\\pard\\f0\\fs20 Hello \\cf1\\b bold\\f1\\fs24\\cf0\\b0  \\'5bx\\'5d \\{y\\} \\\\ "
                       "caf\\'e9 \\u1046?\\par"),
        QStringLiteral("\\par"),
        QStringLiteral("}"),
    };
    EXPECT_EQ(lines, want);
}

TEST(RtfWriter, RoundTripKeepsTextAndFormatsAndIsStable)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("[Question] 1: "), Fmt(QStringLiteral("Arial"), 14, true));
    c.insertText(QStringLiteral("underlined phrase"), Fmt(QStringLiteral("Arial"), 14, false, false, true));
    c.insertText(QStringLiteral(" and italic"), Fmt(QStringLiteral("Arial"), 11, false, true));
    c.insertBlock();
    c.insertText(QStringLiteral("]"), Fmt(QStringLiteral("Courier New"), 9));
    c.insertBlock();
    c.insertBlock();   // an empty paragraph
    c.insertText(QStringLiteral("Кириллица Ελληνικά 中文 한국어 עברית \U0001F600 tab\tend"),
                 Fmt(QStringLiteral("DejaVu Sans"), 12, false, false, false, true, QColor(0, 128, 0)));
    c.insertText(QStringLiteral(" blue"), Fmt(QStringLiteral("DejaVu Sans"), 12, true, true, true, false, QColor(0, 0, 255)));

    const QStringList lines = DocumentToRtfLines(doc);
    CheckLines(lines);
    QTextDocument back;
    RtfToDocument(Stream(lines), back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_EQ(back.blockCount(), doc.blockCount());
    EXPECT_TRUE(Chars(back) == Chars(doc));
    EXPECT_EQ(DocumentToRtfLines(back), lines);
    EXPECT_EQ(RtfToPlainText(Stream(lines)), doc.toPlainText());
}

TEST(RtfWriter, LongParagraphIsSplitAtTokenBoundaries)
{
    // 200 KB in one paragraph, with control words, escapes and brackets
    // everywhere a split could fall.
    QTextDocument doc;
    QTextCursor c(&doc);
    QString chunk;
    c.beginEditBlock();
    for (int i = 0; i < 4000; ++i) {
        chunk = QStringLiteral("[w%1] \\{x} é Ж ").arg(i);
        c.insertText(chunk, Fmt(QStringLiteral("Arial"), 10 + i % 3, i % 2, i % 5 == 0, i % 7 == 0));
        c.insertText(QStringLiteral("plain text words and some more words "), Fmt(QStringLiteral("Arial"), 10));
    }
    c.endEditBlock();
    ASSERT_GT(doc.characterCount(), 200000);
    const QStringList lines = DocumentToRtfLines(doc);
    EXPECT_GT(lines.size(), 800);
    CheckLines(lines);
    QTextDocument back;
    RtfToDocument(Stream(lines), back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_TRUE(Chars(back) == Chars(doc));
    EXPECT_EQ(DocumentToRtfLines(back), lines);
}

TEST(RtfWriter, EmptyDocumentAndTrailingEmptyParagraphs)
{
    QTextDocument empty;
    const QStringList lines = DocumentToRtfLines(empty);
    QTextDocument back;
    back.setPlainText(QStringLiteral("old"));
    RtfToDocument(Stream(lines), back);
    EXPECT_TRUE(back.isEmpty());

    QTextDocument two;
    two.setPlainText(QStringLiteral("a\n\n"));
    RtfToDocument(Stream(DocumentToRtfLines(two)), back);
    EXPECT_EQ(back.blockCount(), 3);
    EXPECT_EQ(back.toPlainText(), QStringLiteral("a\n\n"));
}

TEST(RtfWriter, OddFontNamesAndControlCharactersAreStable)
{
    // Found by fuzzing: names the font table cannot hold as they are, and
    // control characters given as \'hh or \uN, must read back and write
    // again to the same lines.
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 \\'c0\\'c1 Cyr;}{\\f2   Spaced  ;}"
        "{\\f3 " + QByteArray(150, 'x') + ";}{\\f4\\fcharset0 " + QByteArray(120, '\xe9') + ";}}"
        "\\f0 a\\'01b\\u2?c\\u8233?d {\\f1 e}{\\f2 f}{\\f3 g}{\\f4 h}\\par}";
    QTextDocument doc;
    RtfToDocument(rtf, doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("abc\nd efgh"));
    const QStringList lines = DocumentToRtfLines(doc);
    CheckLines(lines);
    QTextDocument back;
    RtfToDocument(Stream(lines), back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_EQ(DocumentToRtfLines(back), lines);
    // The Cyrillic name decoded in its charset's code page.
    EXPECT_TRUE(Stream(lines).contains("?? Cyr;"));
    QTextCursor c(&doc);
    c.setPosition(int(doc.toPlainText().indexOf(QLatin1Char('e'))) + 1);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("\u0410\u0411 Cyr"));
}

TEST(RtfReader, BrokenInputNeverCrashes)
{
    // Not RTF at all: refused, and the document is left as it was.
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep"));
    EXPECT_THROW(RtfToDocument(QByteArray("plain text"), doc), EQuendraError);
    EXPECT_THROW(RtfToDocument(QByteArray(), doc), EQuendraError);
    EXPECT_THROW(RtfToPlainText(QByteArray("\0\0{rtf", 6)), EQuendraError);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("keep"));

    // Deep nesting, never closed, with text at the bottom.
    QByteArray deep = "{\\rtf1 a";
    deep += QByteArray(200000, '{');
    deep += "deep\\b bold";
    EXPECT_EQ(RtfToPlainText(deep), QStringLiteral("adeepbold"));
    RtfToDocument(deep, doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("adeepbold"));

    // Huge parameters and \bin lengths, lone escapes at the end.
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\fs99999999999999999999 a\\cf-99999999999999999999 b\\bin99999999999999999999 c}"),
              QStringLiteral("ab"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 x\\bin3 {}\\y}"), QStringLiteral("xy"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 x\\"), QStringLiteral("x"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 x\\'"), QStringLiteral("x"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 x\\u"), QStringLiteral("x"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 x\\u-1"), QStringLiteral("x\uFFFF"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc5\\u1046 ab}c"), QStringLiteral("\u0416c"));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a}}}}b"), QStringLiteral("ab"));
    // A lead byte of a double-byte page with no trail byte.
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\ansicpg932 \\'93}"), QStringLiteral("\uFFFD"));

    // Every prefix of a styled document reads, and keeps a prefix of its
    // text (the token cut at the end may read as another character).
    QTextDocument styled;
    QTextCursor c(&styled);
    c.insertText(QStringLiteral("Alpha [beta] "), Fmt(QStringLiteral("Arial"), 10, true));
    c.insertText(QStringLiteral("Ж \U0001F600 gamma"), Fmt(QStringLiteral("Arial"), 12, false, true, true));
    c.insertBlock();
    c.insertText(QStringLiteral("delta"), Fmt(QStringLiteral("Arial"), 10));
    const QByteArray full = Stream(DocumentToRtfLines(styled));
    const QString all = RtfToPlainText(full);
    for (int n = 5; n < full.size(); ++n) {
        QString part;
        ASSERT_NO_THROW(part = RtfToPlainText(full.left(n))) << n;
        part.chop(1);
        while (part.endsWith(QChar(0xFFFD)))
            part.chop(1);
        EXPECT_TRUE(all.startsWith(part)) << n << " " << part.toStdString();
        QTextDocument d;
        RtfToDocument(full.left(n), d);
    }

    // Garbage after a valid header.
    QByteArray junk = "{\\rtf1 ";
    for (int i = 0; i < 20000; ++i)
        junk += char((i * 7919 + 13) % 256);
    ASSERT_NO_THROW(RtfToPlainText(junk));
    ASSERT_NO_THROW(RtfToDocument(junk, doc));
}
