// The reader against the corpus of RTF files (tests/data/rtf) as word processors and
// converters write them, plus malformed files: every file is read without a
// crash, and its text matches the sidecar after whitespace normalisation.

#include "harness.h"
#include "model/errors.h"
#include "richtext/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

QString CorpusDir() { return TestDataDir() + QStringLiteral("/rtf/"); }

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool IsSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || (c >= 0x1C && c <= 0x20) || c == 0x85 || c == 0xA0 ||
           c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Deletes U+FFFC and U+00AD, turns every run of whitespace into one space and
// trims the ends.
QString Normalise(const QString& s)
{
    QString out;
    bool space = false;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u == 0xFFFC || u == 0x00AD)
            continue;
        if (IsSpace(u)) {
            space = true;
            continue;
        }
        if (space && !out.isEmpty())
            out += QLatin1Char(' ');
        space = false;
        out += c;
    }
    return out;
}

// Files whose text is allowed to differ from the sidecars, with the reason.
// Empty: every file must match.
const QStringList ExpectedFailures = {};

struct TCorpusFile {
    QString Name;
    QString Outcome;   // text, recover, error
};

QList<TCorpusFile> Manifest()
{
    QList<TCorpusFile> files;
    const QList<QByteArray> lines = ReadBytes(CorpusDir() + QStringLiteral("MANIFEST.tsv")).split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cols = lines[i].split('\t');
        if (cols.size() >= 5)
            files.append({QString::fromUtf8(cols[0]), QString::fromUtf8(cols[4])});
    }
    return files;
}

}  // namespace

TEST(RtfCorpus, EveryFileReadsAndMatchesItsSidecar)
{
    const QList<TCorpusFile> files = Manifest();
    ASSERT_GE(files.size(), 60) << "corpus manifest not found in " << CorpusDir().toStdString();
    int matched = 0, readable = 0;
    for (const TCorpusFile& file : files) {
        SCOPED_TRACE(file.Name.toStdString());
        const QByteArray rtf = ReadBytes(CorpusDir() + file.Name);
        const QString txt = QString::fromUtf8(ReadBytes(CorpusDir() + file.Name + QStringLiteral(".txt")));
        const QString altPath = CorpusDir() + file.Name + QStringLiteral(".alt.txt");
        const QString alt = QFile::exists(altPath) ? QString::fromUtf8(ReadBytes(altPath)) : QString();

        QString plain, docText;
        bool refused = false;
        try {
            plain = RtfToPlainText(rtf);
            QTextDocument doc;
            RtfToDocument(rtf, doc);
            docText = doc.toPlainText();
        } catch (const EQuendraError& e) {
            refused = true;
            EXPECT_FALSE(e.Message().isEmpty());
        }
        if (file.Outcome == QLatin1String("error")) {
            EXPECT_TRUE(refused) << "a file that is not RTF must be refused";
            continue;
        }
        if (ExpectedFailures.contains(file.Name))
            continue;
        ++readable;
        const bool altIsError = alt.trimmed() == QLatin1String("ERROR");
        if (refused) {
            EXPECT_TRUE(altIsError) << "refused a readable file";
            continue;
        }
        const QString want = Normalise(txt), wantAlt = Normalise(alt);
        const QString got = Normalise(plain);
        const bool ok = got == want || (!alt.isEmpty() && !altIsError && got == wantAlt);
        EXPECT_TRUE(ok) << "plain text differs\n got: " << got.left(3000).toStdString()
                        << "\nwant: " << want.left(3000).toStdString();
        // The document holds the same text as the plain-text path.
        EXPECT_EQ(Normalise(docText).toStdString(), got.toStdString());
        matched += ok;
    }
    EXPECT_EQ(matched, readable);
    EXPECT_GT(readable, 60);
    std::printf("corpus: %d of %d readable files match\n", matched, readable);
}

namespace {

// The format of the first character of the first occurrence of word in doc.
QTextCharFormat FormatOf(const QTextDocument& doc, const QString& word, bool* found)
{
    const QTextCursor c = doc.find(word);
    *found = !c.isNull();
    if (!*found)
        return QTextCharFormat();
    QTextCursor one(const_cast<QTextDocument*>(&doc));
    one.setPosition(c.selectionStart() + 1);
    return one.charFormat();
}

QTextDocument* Load(const QString& name, QTextDocument& doc)
{
    RtfToDocument(ReadBytes(CorpusDir() + name), doc);
    return &doc;
}

}  // namespace

TEST(RtfCorpus, FormatsOfStyledFiles)
{
    bool found = false;
    {
        QTextDocument doc;
        Load(QStringLiteral("pandoc-styles.rtf"), doc);
        const QString text = doc.toPlainText();
        SCOPED_TRACE(text.left(400).toStdString());
        // Find words that carry each style by scanning the fragments.
        int bold = 0, italic = 0, underline = 0, strike = 0, plainRuns = 0;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                bold += f.fontWeight() == QFont::Bold;
                italic += f.fontItalic();
                underline += f.underlineStyle() == QTextCharFormat::SingleUnderline;
                strike += f.fontStrikeOut();
                plainRuns += f.fontWeight() != QFont::Bold && !f.fontItalic();
            }
        EXPECT_GT(bold, 0);
        EXPECT_GT(italic, 0);
        EXPECT_GT(underline, 0);
        EXPECT_GT(strike, 0);
        EXPECT_GT(plainRuns, 0);
    }
    (void)found;
}
