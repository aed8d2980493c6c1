// The lazy reader of the compiled entry block answers exactly as the full
// one, on compiled entry files of every shape and on broken blocks.
#include "harness.h"

#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "runtime/mappedentrystore.h"

#include <QRandomGenerator>

namespace {

QByteArray Entry(const QByteArray& name, const QByteArray& source, const QList<QByteArray>& body)
{
    QByteArray b = "[" + name + "]\r\nsource=" + source + "\r\n";
    for (const QByteArray& l : body)
        b += l + "\r\n";
    return b + "]\r\n\r\n";
}

void ExpectSameAnswers(const TCompiledEntryBlock& full, const TMappedEntryStore& lazy, const QStringList& names)
{
    ASSERT_EQ(lazy.Count(), full.Count());
    for (const QString& source : {QStringLiteral("QUEST"), QStringLiteral("INFO"), QStringLiteral("hyper"),
                                  QStringLiteral("COMMS"), QStringLiteral("INTRO"), QStringLiteral("NONE")}) {
        QStringList a, b;
        full.ListEntryNames(a, source);
        lazy.ListEntryNames(b, source);
        EXPECT_EQ(a, b) << source.toStdString();
        for (const QString& name : names) {
            QStringList x, y;
            EXPECT_EQ(full.ReadEntry(name, source, x), lazy.ReadEntry(name, source, y));
            EXPECT_EQ(x, y) << name.toStdString() << "/" << source.toStdString();
        }
    }
    for (const QString& name : names) {
        QStringList x, y;
        EXPECT_EQ(full.ReadQuestionText(name, x), lazy.ReadQuestionText(name, y));
        EXPECT_EQ(x, y) << name.toStdString();
    }
    QStringList x, y;
    EXPECT_EQ(full.ReadIntroduction(x), lazy.ReadIntroduction(y));
    EXPECT_EQ(x, y);
}

class MappedEntryStoreTest : public QuendraTest {};

TEST_F(MappedEntryStoreTest, AnswersAsTheFullReader)
{
    TScratchDir dir;
    const QByteArray longName(70, 'L');
    QByteArray file = Entry("^INTRO^", "INTRO", {"text=", "{\\rtf1 Welcome}"})
                      + Entry("Q1", "QUEST", {"text=", "{\\rtf1 one}"})
                      + Entry("q1", "INFO", {"type=1", "x"})                     // same name, other source
                      + Entry("Andes", "HYPER", {"type=2", "command=a.bmp"})
                      + Entry("ANDES", "HYPER", {"type=2", "command=b.bmp"})    // later one wins
                      + Entry(longName, "HYPER", {"type=10", "command=l.htm"})  // header longer than the index
                      + Entry(QByteArray(58, 'M'), "COMMS", {"type=13", "command=n.txt"})
                      + Entry("Caf\xe9", "INFO", {"type=1", "accented"})
                      + Entry("Q2", "QUEST", {"text="})
                      + "[Q3]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1 no terminator}\r\n";
    QStringList names = {QStringLiteral("^INTRO^"), QStringLiteral("Q1"), QStringLiteral("q1"),
                         QStringLiteral("andes"), QString::fromLatin1(longName), QString(58, u'M'),
                         QStringLiteral("CAF\u00c9"), QStringLiteral("Q2"), QStringLiteral("Q3"),
                         QStringLiteral("absent"), QString()};
    // And a few hundred random entries.
    QRandomGenerator rng(7);
    const char* sources[] = {"QUEST", "INFO", "HYPER", "COMMS"};
    for (int i = 0; i < 300; ++i) {
        QByteArray name = "E" + QByteArray::number(rng.bounded(120));
        if (rng.bounded(4) == 0)
            name = name.toLower() + QByteArray(rng.bounded(70), 'x');
        QList<QByteArray> body;
        for (int k = rng.bounded(5); k > 0; --k)
            body << QByteArray(rng.bounded(200), char('a' + rng.bounded(26)));
        file += Entry(name, sources[rng.bounded(4)], body);
        names << QString::fromLatin1(name);
    }
    dir.Write(QStringLiteral("T.QXR"), file);
    ASSERT_TRUE(CompileEntryFile(dir.File(QStringLiteral("T.QXR")), QStringLiteral("$$$")));
    const QByteArray block = dir.Read(QStringLiteral("T.$$$"));

    TCompiledEntryBlock full;
    full.Load(block, QStringLiteral("T"));
    const TMappedEntryStore lazy(block.constData(), block.size(), nullptr, QStringLiteral("T"));
    ExpectSameAnswers(full, lazy, names);

    // Broken blocks: both refuse, or both read the same.
    for (int cut : {0, 5, 12, 13, int(block.size() / 2), int(block.size()) - 1}) {
        const QByteArray part = block.left(cut);
        bool fullThrew = false, lazyThrew = false;
        TCompiledEntryBlock f;
        try { f.Load(part, QStringLiteral("T")); } catch (const EQuendraError&) { fullThrew = true; }
        try { TMappedEntryStore l(part.constData(), part.size(), nullptr, QStringLiteral("T")); }
        catch (const EQuendraError& e) {
            lazyThrew = true;
            EXPECT_TRUE(e.Message().contains(QStringLiteral("damaged")));
        }
        EXPECT_EQ(fullThrew, lazyThrew) << cut;
    }
    QByteArray garbage = block;
    for (int i = 0; i < 200; ++i) {
        QByteArray g = block;
        g[int(rng.bounded(int(g.size())))] = char(rng.bounded(256));
        TCompiledEntryBlock f;
        bool fullThrew = false;
        try { f.Load(g, QStringLiteral("T")); } catch (const EQuendraError&) { fullThrew = true; }
        try {
            TMappedEntryStore l(g.constData(), g.size(), nullptr, QStringLiteral("T"));
            QStringList out;
            for (const QString& n : names.mid(0, 12))
                l.ReadEntry(n, QStringLiteral("HYPER"), out);
        } catch (const EQuendraError&) {
            EXPECT_TRUE(fullThrew);
        }
    }
}

} // namespace
