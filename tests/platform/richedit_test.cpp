// TRichEdit: RTF lines in and out, positions, selection attributes, find,
// keyboard and printing.

#include "harness.h"
#include "model/errors.h"
#include "platform/richedit.h"

#include <QFile>
#include <QKeyEvent>
#include <QPrinter>
#include <QProcess>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class TRichEditTest : public QuendraTest {};

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(w, &release);
}

void Type(QWidget* w, const QString& text)
{
    for (QChar c : text)
        Key(w, c == u' ' ? int(Qt::Key_Space) : int(Qt::Key_A) + (c.toLower().unicode() - 'a'), Qt::NoModifier, QString(c));
}

QStringList SampleLines()
{
    // Hand-written RTF of the shape the control stores: two paragraphs, a
    // bold word, an underlined phrase, a red word and a 20-point word.
    return {
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil Courier New;}}"),
        QStringLiteral("{\\colortbl ;\\red255\\green0\\blue0;}"),
        QStringLiteral("\\uc1\\pard\\f0\\fs24 Which \\b river\\b0  is the \\ul longest river\\ulnone ?\\par"),
        QStringLiteral("\\cf1 Red\\cf0  and \\f1\\fs40 big\\f0\\fs24  caf\\'e9 \\u1046?\\par"),
        QStringLiteral("}"),
    };
}

}  // namespace

TEST_F(TRichEditTest, LoadSaveAndPositions)
{
    TRichEdit edit;
    edit.LoadFromLines(SampleLines());
    const QString text = edit.Text();
    EXPECT_EQ(text, QStringLiteral("Which river is the longest river?\nRed and big caf\u00e9 \u0416"));
    EXPECT_EQ(edit.TextLength(), text.size());
    EXPECT_EQ(edit.LineCount(), 2);
    EXPECT_FALSE(edit.Modified());

    // Positions of Text() select the same characters.
    const int red = int(text.indexOf(QStringLiteral("Red")));
    edit.Select(red, 3);
    EXPECT_EQ(edit.SelStart(), red);
    EXPECT_EQ(edit.SelLength(), 3);
    EXPECT_EQ(edit.SelText(), QStringLiteral("Red"));
    EXPECT_EQ(edit.SelAttributes().Color, QColor(255, 0, 0));
    edit.Select(30, 6);   // across the paragraph break: one position for it
    EXPECT_EQ(edit.SelText(), QStringLiteral("er?\nRe"));

    // Underline per character (hyperlink phrases).
    const int phrase = int(text.indexOf(QStringLiteral("longest")));
    EXPECT_FALSE(edit.IsUnderlinedAt(phrase - 1));
    EXPECT_TRUE(edit.IsUnderlinedAt(phrase));
    EXPECT_TRUE(edit.IsUnderlinedAt(phrase + 12));
    EXPECT_FALSE(edit.IsUnderlinedAt(phrase + 13));

    // Saved lines read back to the same text; saving again is identical.
    const QStringList saved = edit.SaveToLines();
    TRichEdit other;
    other.LoadFromStream(edit.SaveToStream());
    EXPECT_EQ(other.Text(), text);
    EXPECT_EQ(other.SaveToLines(), saved);
    EXPECT_TRUE(edit.SaveToStream().contains("\r\n"));

    // Not RTF: refused, content kept.
    EXPECT_THROW(edit.LoadFromLines({QStringLiteral("just text")}), EQuendraError);
    EXPECT_EQ(edit.Text(), text);
    edit.LoadFromLines({});
    EXPECT_EQ(edit.TextLength(), 0);
    EXPECT_EQ(edit.LineCount(), 0);
}

TEST_F(TRichEditTest, AttributesAndConsistency)
{
    TRichEdit edit;
    edit.LoadFromLines(SampleLines());
    const QString text = edit.Text();
    const int river = int(text.indexOf(QStringLiteral("river")));
    edit.Select(river, 5);
    TTextAttributes a = edit.SelAttributes();
    EXPECT_TRUE(a.Bold);
    EXPECT_EQ(a.Name, QStringLiteral("Arial"));
    EXPECT_EQ(a.Size, 12);
    EXPECT_EQ(edit.ConsistentAttributes(), AllAttributes);

    // "Which river": bold differs, the rest is the same.
    edit.Select(0, river + 5);
    EXPECT_EQ(edit.ConsistentAttributes(), AllAttributes & ~TAttributes(TAttribute::Bold));
    // "and big": name and size differ.
    const int big = int(text.indexOf(QStringLiteral("and big")));
    edit.Select(big, 7);
    EXPECT_EQ(edit.ConsistentAttributes() & (TAttribute::Name | TAttribute::Size), TAttributes());
    EXPECT_TRUE(edit.ConsistentAttributes() & TAttribute::Bold);

    // Setting only the size keeps each run's font.
    TTextAttributes size;
    size.Size = 16;
    edit.SetSelAttributes(size, TAttribute::Size);
    EXPECT_TRUE(edit.ConsistentAttributes() & TAttribute::Size);
    EXPECT_FALSE(edit.ConsistentAttributes() & TAttribute::Name);
    EXPECT_EQ(edit.SelAttributes().Size, 16);
    // Colour back to automatic, italic on, and all of it survives a save.
    edit.Select(0, 3);
    TTextAttributes col;
    col.Color = QColor(0, 0, 255);
    col.Italic = true;
    edit.SetSelAttributes(col, TAttribute::Color | TAttribute::Italic);
    edit.Select(int(text.indexOf(QStringLiteral("Red"))), 3);
    edit.SetSelAttributes(TTextAttributes(), TAttribute::Color);
    EXPECT_FALSE(edit.SelAttributes().Color.isValid());
    TRichEdit copy;
    copy.LoadFromLines(edit.SaveToLines());
    copy.Select(0, 3);
    EXPECT_EQ(copy.SelAttributes().Color, QColor(0, 0, 255));
    EXPECT_TRUE(copy.SelAttributes().Italic);
    copy.Select(int(text.indexOf(QStringLiteral("Red"))), 3);
    EXPECT_FALSE(copy.SelAttributes().Color.isValid());
    copy.Select(big + 4, 3);
    EXPECT_EQ(copy.SelAttributes().Size, 16);
    EXPECT_EQ(copy.SelAttributes().Name, QStringLiteral("Courier New"));

    // Background colour and selection visibility.
    edit.SetColor(QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(edit.Color(), QColor(0xC0, 0xC0, 0xC0));
    edit.SetHideSelection(false);
    EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Highlight),
              edit.palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(TRichEditTest, KeyboardFormatsAndUndo)
{
    TRichEdit edit;
    edit.show();
    Type(&edit, QStringLiteral("one two"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one two"));
    EXPECT_TRUE(edit.Modified());
    edit.Select(4, 3);
    Key(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(edit.SelAttributes().Bold);
    Key(&edit, Qt::Key_U, Qt::ControlModifier);
    Key(&edit, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(edit.SelAttributes().Underline);
    EXPECT_TRUE(edit.SelAttributes().Italic);
    Key(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(edit.SelAttributes().Bold);
    // A mixed selection becomes bold as a whole.
    edit.Select(0, 7);
    edit.Select(2, 3);
    Key(&edit, Qt::Key_B, Qt::ControlModifier);
    edit.Select(0, 7);
    EXPECT_FALSE(edit.ConsistentAttributes() & TAttribute::Bold);
    Key(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(edit.ConsistentAttributes() & TAttribute::Bold);
    EXPECT_TRUE(edit.SelAttributes().Bold);

    // Undo takes the formats back, then the typing.
    Key(&edit, Qt::Key_Z, Qt::ControlModifier);
    edit.Select(0, 7);
    EXPECT_FALSE(edit.ConsistentAttributes() & TAttribute::Bold);
    for (int i = 0; i < 20; ++i)
        Key(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QString());
    Key(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(edit.Text().isEmpty());

    // Read-only display: no typing, no format changes.
    edit.LoadFromLines({QStringLiteral("{\\rtf1 fixed}")});
    edit.SetReadOnlyDisplay(true);
    edit.Select(0, 5);
    Key(&edit, Qt::Key_B, Qt::ControlModifier);
    Type(&edit, QStringLiteral("x"));
    EXPECT_EQ(edit.Text(), QStringLiteral("fixed"));
    EXPECT_FALSE(edit.SelAttributes().Bold);
}

TEST_F(TRichEditTest, FindForwardWithAndWithoutCase)
{
    TRichEdit edit;
    edit.LoadFromLines({QStringLiteral("{\\rtf1 Alpha beta\\par ALPHA \\b alpha\\par}")});
    // "Alpha beta\nALPHA alpha"
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 0), 0);
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 1), 11);
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 12), 17);
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 18), -1);
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 0, -1, true), 17);
    EXPECT_EQ(edit.FindText(QStringLiteral("beta\nALPHA"), 0), 6);
    EXPECT_EQ(edit.FindText(QStringLiteral("alpha"), 12, 20), -1);
    EXPECT_EQ(edit.FindText(QString(), 0), -1);
    const int at = edit.FindText(QStringLiteral("alpha"), 12);
    edit.Select(at, 5);
    EXPECT_EQ(edit.SelText(), QStringLiteral("alpha"));
    EXPECT_TRUE(edit.SelAttributes().Bold);
}

TEST_F(TRichEditTest, PrintsToPdf)
{
    TScratchDir dir;
    TRichEdit edit;
    edit.LoadFromLines({QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 First printed "
                                       "paragraph\\par Second \\b line\\b0  caf\\'e9\\par}")});
    edit.SetColor(Qt::yellow);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.File(QStringLiteral("out.pdf"));
    printer.setOutputFileName(pdf);
    edit.Print(printer, QStringLiteral("/tmp/QUEDRIX.RTF"));
    EXPECT_EQ(printer.docName(), QStringLiteral("/tmp/QUEDRIX.RTF"));
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    EXPECT_EQ(out.toStdString(), QStringLiteral("First printed paragraph Second line caf\u00e9").toStdString());
}
