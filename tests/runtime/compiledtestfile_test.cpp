// The runtime's reader of compiled tests and executables, and the entry
// stores over the entry file and over the compiled block.
#include "harness.h"

#include "model/processvalues.h"
#include "model/compiledtest.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "runtime/compiledtestfile.h"
#include "runtime/entrystore.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>

namespace {

class CompiledTestFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAllProcessValues();
        ProjectDir = Dir.Path();
        ProjectPath = Dir.File(QStringLiteral("GEO.QXJ"));
        EntryPath = Dir.File(QStringLiteral("GEO.QXR"));
        QuestionPath = Dir.File(QStringLiteral("GEO.QXQ"));
        SetConfigDefaults();
        TestConfig.Program.ProgramTitle = QStringLiteral("Geography");
        for (int i = 0; i < 4; ++i) {
            std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
            QuestionBuffer.Identifier = QStringLiteral("G%1").arg(i + 1);
            QuestionBuffer.AnswerCount = 3;
            QuestionBuffer.CorrectAnswer = 2;
            QByteArray rec(reinterpret_cast<const char*>(&QuestionBuffer), 55);
            Questions += rec;
        }
        Dir.Write(QStringLiteral("GEO.QXQ"), Questions);
    }
    void WithEntries()
    {
        TEntryDisplay d;
        SetEntryDisplayDefaults(d);
        AppendIntroEntry(EntryPath, {QStringLiteral("{\\rtf1 Welcome}")});
        AppendQuestionEntry(EntryPath, QStringLiteral("G1"), {QStringLiteral("{\\rtf1"), QStringLiteral("Where?}")});
        AppendCommandEntry(EntryPath, QStringLiteral("Andes"), 2, SourceHyper, QStringLiteral("andes.bmp,30"));
        AppendDisplayEntry(EntryPath, QStringLiteral("G1^EXP^"), 5, SourceInfo, {QStringLiteral("because")}, d);
        AppendCommandEntry(EntryPath, QStringLiteral("GROUP 1 FEEDBACK"), 13, SourceComms, QStringLiteral("n.txt"));
    }

    TScratchDir Dir;
    QByteArray Questions;
};

TEST_F(CompiledTestFileTest, OpensWhatTheToolCompiled)
{
    WithEntries();
    ASSERT_TRUE(BuildCompiledTest());
    TCompiledTestFile test;
    test.Open(Dir.File(QStringLiteral("geo.qxc")));   // letter case of the name does not matter
    EXPECT_EQ(std::memcmp(&test.Config, &TestConfig, sizeof TestConfig), 0);
    EXPECT_EQ(test.Config.Program.ProgramTitle.str(), QStringLiteral("Geography"));
    ASSERT_EQ(test.Questions.size(), 4u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(test.Questions.data()), 4 * 55), Questions);
    EXPECT_EQ(test.Header.EntryBlockOffset.get(), 5440);
    ASSERT_TRUE(test.Entries);
    EXPECT_EQ(test.Entries->Count(), 5);

    // Both stores answer alike.
    const TFileEntryStore file(EntryPath);
    const TCompiledEntryStore compiled(test.Entries);
    for (const auto& [name, source] : QList<QPair<QString, QString>>{
             {QStringLiteral("andes"), SourceHyper}, {QStringLiteral("G1^EXP^"), SourceInfo},
             {QStringLiteral("group 1 feedback"), SourceComms}, {QStringLiteral("G1"), SourceQuest},
             {QStringLiteral("G1"), SourceHyper}}) {
        QStringList a, b;
        EXPECT_EQ(file.ReadEntry(name, source, a), compiled.ReadEntry(name, source, b)) << name.toStdString();
        EXPECT_EQ(a, b) << name.toStdString();
    }
    QStringList a, b;
    EXPECT_TRUE(file.ReadQuestionText(QStringLiteral("G1"), a));
    EXPECT_TRUE(compiled.ReadQuestionText(QStringLiteral("G1"), b));
    EXPECT_EQ(a, b);
    a.clear();
    b.clear();
    EXPECT_TRUE(file.ReadIntroduction(a));
    EXPECT_TRUE(compiled.ReadIntroduction(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(b, QStringList{QStringLiteral("{\\rtf1 Welcome}")});
    a.clear();
    b.clear();
    file.ListEntryNames(a, SourceInfo);
    compiled.ListEntryNames(b, SourceInfo);
    EXPECT_EQ(a, b);

    // Without an entry file: no entry block, an empty store.
    QFile::remove(EntryPath);
    ASSERT_TRUE(BuildCompiledTest());
    test.Open(Dir.File(QStringLiteral("GEO.QXC")));
    EXPECT_FALSE(test.HasEntries);
    EXPECT_FALSE(test.Entries);
    EXPECT_EQ(test.Questions.size(), 4u);
    const TCompiledEntryStore none(test.Entries);
    EXPECT_FALSE(none.ReadIntroduction(a));
}

TEST_F(CompiledTestFileTest, FindsTheTestAppendedToTheStub)
{
    WithEntries();
    ASSERT_TRUE(BuildCompiledTest());
    const QString stub = QStringLiteral(QUENDRA_BIN_DIR "/quedrix.bin");
    ASSERT_TRUE(QFile::exists(stub));
    const QString exe = Dir.File(QStringLiteral("GEO.EXE"));
    WriteExecutable(stub, Dir.File(QStringLiteral("GEO.QXC")), exe);
    EXPECT_EQ(QFileInfo(exe).size(), QFileInfo(stub).size() + QFileInfo(Dir.File(QStringLiteral("GEO.QXC"))).size());
    TCompiledTestFile test;
    test.OpenAppended(exe);
    EXPECT_EQ(test.Questions.size(), 4u);
    ASSERT_TRUE(test.Entries);
    QStringList text;
    EXPECT_TRUE(test.Entries->ReadQuestionText(QStringLiteral("G1"), text));

    // The stub alone holds no test; something that is not a program is refused.
    try {
        test.OpenAppended(stub);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("holds no test"))) << e.what();
    }
    EXPECT_THROW(test.OpenAppended(Dir.File(QStringLiteral("GEO.QXC"))), EInOutError);
}

TEST_F(CompiledTestFileTest, BrokenCompiledTestsAreRefused)
{
    WithEntries();
    ASSERT_TRUE(BuildCompiledTest());
    const QByteArray good = Dir.Read(QStringLiteral("GEO.QXC"));
    auto load = [](const QByteArray& bytes) {
        QBuffer buf;
        buf.setData(bytes);
        buf.open(QIODevice::ReadOnly);
        TCompiledTestFile t;
        t.Load(buf, 0, bytes.size(), QStringLiteral("GEO.QXC"));
    };
    ASSERT_NO_THROW(load(good));
    // Every truncation, and one extra byte.
    for (qsizetype n = 0; n < good.size(); n += (n < 5500 ? 97 : 1))
        EXPECT_THROW(load(good.left(n)), EInOutError) << n;
    EXPECT_THROW(load(good + 'x'), EInOutError);
    // Header numbers that do not fit.
    auto patched = [&](int at, quint32 v) {
        QByteArray b = good;
        qToLittleEndian<quint32>(v, b.data() + at);
        return b;
    };
    for (quint32 v : {0u, 1u, 5439u, 0x7FFFFFFFu, 0xFFFFFFFFu, quint32(good.size() + 1)}) {
        EXPECT_THROW(load(patched(5432, v)), EInOutError) << v;
        EXPECT_THROW(load(patched(5436, v)), EInOutError) << v;
    }
    EXPECT_THROW(load(patched(5428, 1)), EInOutError);
    EXPECT_THROW(load(patched(5428, 0xFFFFFFFF)), EInOutError);
    // Entry block counts and offsets inside it.
    EXPECT_THROW(load(patched(5440 + 5, 0x40000000)), EInOutError);
    EXPECT_THROW(load(patched(5440 + 9, 0xFFFFFF00)), EInOutError);
    EXPECT_THROW(load(patched(5440 + 9, 3)), EInOutError);
    // Random damage never crashes: an error or a loaded test.
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray b = good;
        for (int k = 0; k < 4; ++k)
            b[rng.bounded(int(b.size()))] = char(rng.bounded(256));
        if (round % 3 == 0)
            b[5440 + 13 + 80 * 0 + rng.bounded(200)] = char(rng.bounded(256));
        try {
            load(b);
        } catch (const EInOutError&) {
        }
    }
    // Garbage and an oversized file of zeros.
    QByteArray garbage(20000, 0);
    for (char& c : garbage)
        c = char(rng.bounded(256));
    EXPECT_THROW(load(garbage), EInOutError);
    EXPECT_THROW(load(QByteArray(1 << 20, 0)), EInOutError);
    EXPECT_THROW(TCompiledTestFile().Open(Dir.File(QStringLiteral("NONE.QXC"))), EInOutError);
}

TEST_F(CompiledTestFileTest, BrokenProgramImagesAreRefused)
{
    const QByteArray stub = [] {
        QFile f(QStringLiteral(QUENDRA_BIN_DIR "/quedrix.bin"));
        return f.open(QIODevice::ReadOnly) ? f.read(64) : QByteArray();
    }();
    ASSERT_EQ(stub.size(), 64);
    auto end = [](const QByteArray& bytes) {
        QBuffer buf;
        buf.setData(bytes);
        buf.open(QIODevice::ReadOnly);
        return ElfImageEnd(buf, QStringLiteral("x"));
    };
    EXPECT_THROW(end(QByteArray()), EInOutError);
    EXPECT_THROW(end(stub.left(40)), EInOutError);
    EXPECT_THROW(end(stub), EInOutError);   // its section table lies past these 64 bytes
    QByteArray fake = stub + QByteArray(64 * 3, 0);
    qToLittleEndian<quint64>(64, fake.data() + 0x28);   // table right after the header
    qToLittleEndian<quint16>(64, fake.data() + 0x3A);
    qToLittleEndian<quint16>(3, fake.data() + 0x3C);
    EXPECT_EQ(end(fake), 64 + 3 * 64);
    qToLittleEndian<quint16>(4, fake.data() + 0x3C);
    EXPECT_THROW(end(fake), EInOutError);
    qToLittleEndian<quint16>(0, fake.data() + 0x3C);   // count in section 0's size: zero there
    EXPECT_EQ(end(fake), 64);
    qToLittleEndian<quint64>(0xFFFFFFFFFFFFFF00ull, fake.data() + 0x28);
    EXPECT_THROW(end(fake), EInOutError);
}

} // namespace
