// The compiled test, the executable and the compiled entry block reader.
#include <gtest/gtest.h>

#include "bytes.h"
#include "../common/failingdisk.h"

#include "model/processvalues.h"
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/fileutil.h"
#include "model/errors.h"
#include "model/projectfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace TestBytes;

namespace {


class CompiledTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAllProcessValues();
        ASSERT_TRUE(FDir.isValid());
        D = FDir.path() + u'/';
        ProjectDir = D;
        ProjectPath = D + QStringLiteral("maths.QXJ");
        EntryPath = D + QStringLiteral("maths.QXR");
        QuestionPath = D + QStringLiteral("maths.QXQ");
        SetConfigDefaults();
        // Three question records, bytes chosen by hand.
        for (int i = 0; i < 3; ++i) {
            QByteArray r(55, char(0));
            r[6] = 2;
            r[7] = 'Q';
            r[8] = char('1' + i);
            r[39] = 4;
            r[43] = char(1 + i);
            Questions += r;
        }
        Put(QuestionPath, Questions);
    }
    static void Put(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }
    static QByteArray Get(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray Config() const { return QByteArray(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig); }
    QStringList Files() const { return QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir FDir;
    QString D;
    QByteArray Questions;
};

TEST_F(CompiledTest, WithoutAnEntryFile)
{
    QString reason;
    ASSERT_TRUE(BuildCompiledTest(&reason)) << reason.toStdString();
    const QByteArray qxc = Get(D + QStringLiteral("maths.QXC"));
    ASSERT_EQ(qxc.size(), 5440 + 55 * 3);
    EXPECT_EQ(qxc.left(5428), Config());
    EXPECT_EQ(qxc.mid(5428, 12), Le32(0) + Le32(5440) + Le32(3));
    EXPECT_EQ(qxc.mid(5440), Questions);
    EXPECT_EQ(Files(), QStringList({QStringLiteral("maths.QXC"), QStringLiteral("maths.QXQ")}));
}

TEST_F(CompiledTest, WithAnEntryFileAndTwiceTheSame)
{
    Put(EntryPath, "[X]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n\r\n"
                   "[Y]\r\nsource=INFO\r\ntype=10\r\ncommand=y.htm\r\n]\r\n\r\n");
    const QByteArray x = "[X]\r\nHYPER\r\ntype=3\r\ncommand=x.wav\r\n";
    const QByteArray y = "[Y]\r\nINFO\r\ntype=10\r\ncommand=y.htm\r\n";
    auto shortStr = [](const QByteArray& t, int cap) { return char(t.size()) + t + QByteArray(cap - t.size(), 0); };
    const QByteArray block = QByteArray("\x03XR1\x00", 5) + Le32(2) + Le32(83) + x + y + shortStr("[X]", 60)
        + Le32(13) + Le32(35) + shortStr("HYPER", 10) + shortStr("[Y]", 60) + Le32(48) + Le32(35)
        + shortStr("INFO", 10);
    const int b = int(block.size());
    ASSERT_EQ(b, 83 + 160);

    ASSERT_TRUE(BuildCompiledTest());
    const QByteArray first = Get(D + QStringLiteral("maths.QXC"));
    ASSERT_EQ(first.size(), 5440 + b + 55 * 3);
    EXPECT_EQ(first.left(5428), Config());
    EXPECT_EQ(first.mid(5428, 12), Le32(5440) + Le32(5440 + b) + Le32(3));
    EXPECT_EQ(first.mid(5440, b), block);
    EXPECT_EQ(first.mid(5440 + b), Questions);
    EXPECT_FALSE(QFile::exists(D + QStringLiteral("maths.$$$")));
    EXPECT_EQ(Files(), QStringList({QStringLiteral("maths.QXC"), QStringLiteral("maths.QXQ"),
                                    QStringLiteral("maths.QXR")}));

    ASSERT_TRUE(BuildCompiledTest());
    EXPECT_EQ(Get(D + QStringLiteral("maths.QXC")), first);

    // An earlier compile named in another letter case is replaced, not doubled.
    QFile::rename(D + QStringLiteral("maths.QXC"), D + QStringLiteral("MATHS.qxc"));
    ASSERT_TRUE(BuildCompiledTest());
    EXPECT_EQ(Get(D + QStringLiteral("MATHS.qxc")), first);
    EXPECT_FALSE(QFile::exists(D + QStringLiteral("maths.QXC")));
}

TEST_F(CompiledTest, FailuresLeaveNothingBehind)
{
    ASSERT_TRUE(BuildCompiledTest());
    const QByteArray good = Get(D + QStringLiteral("maths.QXC"));
    // A question file with a damaged tail: the whole records are compiled and
    // the tail is ignored, as opening the project promised.
    Put(QuestionPath, Questions + "x");
    QString reason;
    EXPECT_TRUE(BuildCompiledTest(&reason)) << reason.toStdString();
    EXPECT_EQ(Get(D + QStringLiteral("maths.QXC")), good);
    Put(QuestionPath, Questions);
    QFile::remove(QuestionPath);
    EXPECT_FALSE(BuildCompiledTest(&reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("maths.QXQ"))) << reason.toStdString();
    EXPECT_EQ(Get(D + QStringLiteral("maths.QXC")), good);   // the earlier compile is intact
    EXPECT_EQ(Files(), QStringList{QStringLiteral("maths.QXC")});
}

TEST_F(CompiledTest, FailingDiskKeepsTheEarlierCompileAndProgram)
{
    AppendQuestionEntry(EntryPath, QStringLiteral("Q1"), {QStringLiteral("{\\rtf1 a long enough text}")});
    ASSERT_TRUE(BuildCompiledTest());
    const QString qxc = D + QStringLiteral("maths.QXC");
    const QByteArray good = Get(qxc);
    const QStringList files = Files();

    // The compiled test: reported as failed, naming the file and the reason.
    TLimitedRun run = RunWithFileSizeLimit(5000, [] {
        QString reason;
        if (!BuildCompiledTest(&reason))
            throw EInOutError(reason);
    });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(qxc)) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(Get(qxc), good);
    EXPECT_EQ(Files(), files);

    // The compiled entry block.
    ASSERT_TRUE(CompileEntryFile(EntryPath, QStringLiteral("QXB")));
    const QString block = D + QStringLiteral("maths.QXB");
    const QByteArray blockBytes = Get(block);
    const QString entryPath = EntryPath;
    AppendQuestionEntry(EntryPath, QStringLiteral("Q2"), {QString(200, u'x')});
    run = RunWithFileSizeLimit(blockBytes.size() + 20, [entryPath] { CompileEntryFile(entryPath, QStringLiteral("QXB")); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(block)) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(Get(block), blockBytes);

    // The program: the old one stays, still executable.
    const QString stub = D + QStringLiteral("stub.bin");
    Put(stub, QByteArray(3000, 'S'));
    const QString exe = D + QStringLiteral("maths.EXE");
    WriteExecutable(stub, qxc, exe);
    const QByteArray program = Get(exe);
    Put(stub, QByteArray(9000, 'T'));
    const QStringList before = Files();
    run = RunWithFileSizeLimit(8000, [&] { WriteExecutable(stub, qxc, exe); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(exe)) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(Get(exe), program);
    EXPECT_TRUE(QFileInfo(exe).isExecutable());
    EXPECT_EQ(Files(), before);
}

TEST_F(CompiledTest, ExecutableIsStubThenCompiledTest)
{
    ASSERT_TRUE(BuildCompiledTest());
    const QString stub = D + QStringLiteral("stub.bin");
    const QByteArray stubBytes = QByteArray("\x7f" "ELF", 4) + QByteArray(1000, 'S');
    Put(stub, stubBytes);
    const QString exe = D + QStringLiteral("maths.EXE");
    WriteExecutable(stub, D + QStringLiteral("maths.QXC"), exe);
    const QByteArray qxc = Get(D + QStringLiteral("maths.QXC"));
    const QByteArray bytes = Get(exe);
    ASSERT_EQ(bytes.size(), stubBytes.size() + qxc.size());
    EXPECT_EQ(bytes.left(stubBytes.size()), stubBytes);
    EXPECT_EQ(bytes.right(55 * 3), Questions);
    EXPECT_TRUE(QFileInfo(exe).isExecutable());

    // A missing stub: an error naming it, no executable.
    QFile::remove(exe);
    try {
        WriteExecutable(D + QStringLiteral("none.bin"), D + QStringLiteral("maths.QXC"), exe);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("none.bin"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(exe));
    EXPECT_EQ(Files(), QStringList({QStringLiteral("maths.QXC"), QStringLiteral("maths.QXQ"),
                                    QStringLiteral("stub.bin")}));
}

TEST_F(CompiledTest, BlockReaderAnswersAsTheEntryFile)
{
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    AppendIntroEntry(EntryPath, {QStringLiteral("{\\rtf1 hi}")});
    AppendQuestionEntry(EntryPath, QStringLiteral("Q1"), {QStringLiteral("{\\rtf1"), QStringLiteral("text}")});
    AppendCommandEntry(EntryPath, QStringLiteral("Q1"), 3, SourceHyper, QStringLiteral("q.wav"));
    AppendDisplayEntry(EntryPath, QStringLiteral("Q1^INFO^"), 1, SourceInfo, {QStringLiteral("info")}, d);
    AppendCommandEntry(EntryPath, QStringLiteral("dup"), 2, SourceHyper, QStringLiteral("a.bmp,1"));
    AppendCommandEntry(EntryPath, QStringLiteral("DUP"), 2, SourceHyper, QStringLiteral("b.bmp,2"));
    AppendCommandEntry(EntryPath, QString(60, u'L') + u'\u00e9', 10, SourceComms, QStringLiteral("x.htm"));
    ASSERT_TRUE(BuildCompiledTest());
    const QByteArray qxc = Get(D + QStringLiteral("maths.QXC"));
    const qint32 qo = qFromLittleEndian<qint32>(qxc.constData() + 5432);
    TCompiledEntryBlock block;
    block.Load(qxc.mid(5440, qo - 5440), QStringLiteral("maths.QXC"));
    EXPECT_EQ(block.Count(), 7);

    const QList<QPair<QString, QString>> probes = {
        {QStringLiteral("Q1"), SourceHyper}, {QStringLiteral("q1^info^"), SourceInfo},
        {QStringLiteral("Dup"), QStringLiteral("hyper")}, {QStringLiteral("Q1"), SourceQuest},
        {QStringLiteral("^INTRODUCTION^"), SourceIntro}, {QString(60, u'l') + u'\u00c9', SourceComms},
        {QStringLiteral("Q1"), SourceComms}, {QStringLiteral("none"), SourceHyper}};
    for (const auto& p : probes) {
        QStringList a, b;
        const bool fa = ReadEntry(EntryPath, p.first, p.second, a);
        const bool fb = block.ReadEntry(p.first, p.second, b);
        EXPECT_EQ(fa, fb) << p.first.toStdString();
        EXPECT_EQ(a, b) << p.first.toStdString();
    }
    QStringList a, b;
    EXPECT_EQ(ReadQuestionEntry(EntryPath, QStringLiteral("Q1"), a), block.ReadQuestionText(QStringLiteral("Q1"), b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(b, QStringList({QStringLiteral("{\\rtf1"), QStringLiteral("text}")}));
    EXPECT_FALSE(block.ReadQuestionText(QStringLiteral("q1"), b));
    a.clear();
    b.clear();
    EXPECT_TRUE(ReadIntroEntry(EntryPath, a));
    EXPECT_TRUE(block.ReadIntroduction(b));
    EXPECT_EQ(a, b);
    a.clear();
    b.clear();
    ListEntryNames(a, EntryPath, SourceHyper);
    block.ListEntryNames(b, SourceHyper);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(block.SourceExists(SourceComms));
    EXPECT_FALSE(block.SourceExists(QStringLiteral("OTHER")));
}

TEST_F(CompiledTest, BlockReaderRefusesWhatDoesNotFit)
{
    TCompiledEntryBlock block;
    const QByteArray head = QByteArray("\x03XR1\x00", 5);
    EXPECT_THROW(block.Load(QByteArray(), QStringLiteral("t")), EInOutError);
    EXPECT_THROW(block.Load(QByteArray("\x03XR2\x00", 5) + Le32(0) + Le32(0), QStringLiteral("t")), EInOutError);
    block.Load(head + Le32(0) + Le32(0), QStringLiteral("t"));
    EXPECT_EQ(block.Count(), 0);
    // A count far beyond the size, an index past the end, data outside the block.
    EXPECT_THROW(block.Load(head + Le32(0xFFFFFFFF) + Le32(13), QStringLiteral("t")), EInOutError);
    EXPECT_THROW(block.Load(head + Le32(1) + Le32(0xFFFFFFF0) + QByteArray(80, 0), QStringLiteral("t")), EInOutError);
    QByteArray rec(80, 0);
    rec.replace(61, 8, Le32(13) + Le32(1000));
    EXPECT_THROW(block.Load(head + Le32(1) + Le32(13) + rec, QStringLiteral("t")), EInOutError);
    try {
        block.Load(head + Le32(1) + Le32(13) + rec, QStringLiteral("maths.QXC"));
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("maths.QXC"))) << e.what();
    }
    EXPECT_EQ(block.Count(), 0);
    // An entry of zero bytes: named from its index record.
    rec = QByteArray(80, 0);
    rec[0] = 3;
    rec.replace(1, 3, "[Z]");
    rec.replace(61, 8, Le32(13) + Le32(0));
    rec[69] = 5;
    rec.replace(70, 5, "HYPER");
    block.Load(head + Le32(1) + Le32(13) + rec, QStringLiteral("t"));
    QStringList lines;
    ASSERT_TRUE(block.ReadEntry(QStringLiteral("z"), SourceHyper, lines));
    EXPECT_EQ(lines, QStringList({QStringLiteral("Z"), QStringLiteral("source=HYPER"), QStringLiteral("]")}));
}

} // namespace
