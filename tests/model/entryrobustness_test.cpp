// Truncated, garbage and oversized entry files fed to every reader and to the
// compiler: an error or an empty answer, never a crash, and the compiled
// block always answers as the file does.
#include <gtest/gtest.h>

#include "model/processvalues.h"
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/fileutil.h"
#include "model/errors.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const QStringList Sources = {SourceIntro, SourceQuest, SourceInfo, SourceHyper, SourceComms};

class EntryRobustness : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAllProcessValues();
        ASSERT_TRUE(FDir.isValid());
        F = FDir.filePath(QStringLiteral("R.QXR"));
    }
    void Put(const QByteArray& data)
    {
        QFile f(F);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }
    QByteArray Get(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every reader over the current file; then the compiled block must agree.
    void ExerciseReaders()
    {
        TCompiledEntryBlock block;
        ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
        ASSERT_NO_THROW(block.Load(Get(FDir.filePath(QStringLiteral("R.$$$"))), QStringLiteral("R")));
        for (const QString& source : Sources) {
            QStringList names, compiledNames;
            ListEntryNames(names, F, source);
            block.ListEntryNames(compiledNames, source);
            EXPECT_EQ(names, compiledNames);
            EXPECT_EQ(EntrySourceExists(F, source), block.SourceExists(source));
            names << QStringLiteral("absent");
            for (const QString& name : names) {
                QStringList a, b;
                const bool fa = ReadEntry(F, name, source, a);
                EXPECT_EQ(fa, block.ReadEntry(name, source, b));
                EXPECT_EQ(a, b);
                if (!fa)
                    continue;
                EXPECT_EQ(a.last(), QStringLiteral("]"));
                try {
                    EntryTypeCode(a);
                } catch (const EQuendraError&) {
                }
                TEntryDisplay d;
                SetEntryDisplayDefaults(d);
                QStringList text;
                try {
                    ParseDisplayEntry(a, d, text);
                } catch (const EQuendraError&) {
                }
                EntryNameTaken(F, name, QString(), source);
                QStringList qa, qb;
                EXPECT_EQ(ReadQuestionEntry(F, name, qa), block.ReadQuestionText(name, qb));
                EXPECT_EQ(qa, qb);
            }
        }
        QStringList ia, ib;
        EXPECT_EQ(ReadIntroEntry(F, ia), block.ReadIntroduction(ib));
        EXPECT_EQ(ia, ib);
    }

    // The rewrites on the current file: no crash, no scratch file left.
    void ExerciseRewrites()
    {
        const QByteArray before = Get(F);
        QStringList names;
        ListEntryNames(names, F, SourceHyper);
        const QString name = names.value(0, QStringLiteral("x"));
        ReplaceCommandEntry(F, QStringLiteral("new"), name, SourceHyper, QStringLiteral("c"), 2);
        ReplaceQuestionEntry(F, QStringLiteral("Q"), {QStringLiteral("t")});
        ReplaceIntroEntry(F, {QStringLiteral("i")});
        ConvertEntryCommands(F);
        DeleteEntry(F, QStringLiteral("new"), SourceHyper);
        const QStringList left = QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& f : left)
            EXPECT_TRUE(f == QStringLiteral("R.QXR") || f == QStringLiteral("R.$$$")) << f.toStdString();
        if (QFile::exists(F))
            ExerciseReaders();
        Put(before);
    }

    QTemporaryDir FDir;
    QString F;
};

const QByteArray Good = "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\n{\\rtf1 hi}\r\n]\r\n\r\n"
                        "[Q]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1\r\nquestion}\r\n]\r\n\r\n"
                        "[Q^INFO^]\r\nsource=INFO\r\ntype=5\r\ndisplaytype=2\r\nfullscreen=false\r\n"
                        "Sbackcolor=clRed\r\nSGraphic=a.bmp\r\nSWallpaper=\r\nVPBack=$00ABCDEF\r\nVPLeft=1\r\n"
                        "VPTop=2\r\nVPWidth=3\r\nVPHeight=4\r\nRLTop=1\r\nRLLeft=1\r\nprint=false\r\ntext=\r\n"
                        "{\\rtf1 info}\r\n]\r\n\r\n"
                        "[Link]\r\nsource=HYPER\r\ntype=6\r\ncommand=a.bmp b.wav 30\r\n]\r\n\r\n"
                        "[GROUP 1 FEEDBACK]\r\nsource=COMMS\r\ntype=13\r\ncommand=notes.txt\r\n]\r\n\r\n";

TEST_F(EntryRobustness, EveryTruncation)
{
    for (qsizetype n = 0; n <= Good.size(); n += (n < 60 ? 1 : 3)) {
        Put(Good.left(n));
        ExerciseReaders();
        if (n % 37 == 0)
            ExerciseRewrites();
    }
}

TEST_F(EntryRobustness, Garbage)
{
    const QList<QByteArray> tokens = {"[", "]", "[A]", "[q]", "[Q]", "[^INTRO", "source=", "source=HYPER",
                                      "source=INFO", "Source=HYPER", "source=QUEST", "source=INTRO", "source=COMMS", "type=1",
                                      "type=5", "type=2", "type=6", "type=", "text=", "command=x y z",
                                      "displaytype=", "Sbackcolor=clNone", "=", "true", "$FFFFFFFF", "\r\n",
                                      "\n", "\r", "\r\n", "\r\n", "\r\n", "\x00", "\x80\x81\x9f\xff", " "};
    QRandomGenerator rng(12345);
    for (int round = 0; round < 150; ++round) {
        QByteArray data;
        const int parts = rng.bounded(1, 120);
        for (int i = 0; i < parts; ++i) {
            if (rng.bounded(8) == 0)
                data += char(rng.bounded(256));
            else
                data += tokens[rng.bounded(int(tokens.size()))];
        }
        Put(data);
        ExerciseReaders();
        if (round % 10 == 0)
            ExerciseRewrites();
    }
    // A good file with damage sprinkled in.
    for (int round = 0; round < 100; ++round) {
        QByteArray data = Good;
        for (int k = 0; k < 3; ++k)
        {
            const QByteArray& t = tokens[rng.bounded(int(tokens.size()))];
            data[rng.bounded(int(data.size()))] = t.isEmpty() ? '\0' : t[0];
        }
        Put(data);
        ExerciseReaders();
    }
}

TEST_F(EntryRobustness, Oversized)
{
    // A header line of 3 MB, a body line of 3 MB without line ends, many tiny entries.
    QByteArray big = "[" + QByteArray(3 << 20, 'n') + "]\r\nsource=HYPER\r\ntype=2\r\ncommand=";
    big += QByteArray(3 << 20, 'c');
    Put(big);
    ExerciseReaders();
    QStringList names;
    ListEntryNames(names, F, SourceHyper);
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(names.first().size(), 3 << 20);
    QByteArray many;
    for (int i = 0; i < 20000; ++i)
        many += "[e" + QByteArray::number(i) + "]\nsource=HYPER\n]\n";
    Put(many);
    names.clear();
    ListEntryNames(names, F, SourceHyper);
    EXPECT_EQ(names.size(), 20000);
    QStringList lines;
    EXPECT_TRUE(ReadEntry(F, QStringLiteral("E19999"), SourceHyper, lines));
    DeleteEntry(F, QStringLiteral("e0"), SourceHyper);
    EXPECT_TRUE(Get(F).startsWith("[e1]\n"));
}

} // namespace
