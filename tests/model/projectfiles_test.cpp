// Project file, earlier-version conversion, question file and record list,
// against bytes written by hand in the tests.
#include <gtest/gtest.h>

#include "bytes.h"
#include "../common/failingdisk.h"

#include "model/processvalues.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>

#include <unistd.h>

using namespace TestBytes;

namespace {


QByteArray ConfigBytes(const TTestConfig& c) { return QByteArray(reinterpret_cast<const char*>(&c), sizeof c); }

// A question record as the file holds it.
QByteArray Record(const QByteArray& id, int answers, int correct, bool deleted = false)
{
    QByteArray r;
    r += char(deleted ? 1 : 0);      // Deleted
    r += char(0);                    // Answered
    r += Le32(0);                    // ChosenAnswer
    r += Short(id, 32);              // Identifier
    r += Le32(quint32(answers));     // AnswerCount
    r += Le32(quint32(correct));     // CorrectAnswer
    r += Le32(0xFFFFFF);             // TextBackColor
    r += QByteArray::fromHex("01000100");
    return r;
}

class ProjectFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        ResetAllProcessValues();
        Path = QFileInfo(Dir.path()).canonicalFilePath() + u'/';
        ProjectDir = Path;
        ProjectPath = Path + QStringLiteral("MATHS.QXJ");
        EntryPath = Path + QStringLiteral("MATHS.QXR");
        QuestionPath = Path + QStringLiteral("MATHS.QXQ");
        QDir::setCurrent(Path);
    }
    void TearDown() override
    {
        QDir::setCurrent(QDir::tempPath());
    }
    void Write(const QString& name, const QByteArray& data)
    {
        QFile f(Path + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }
    QByteArray Read(const QString& name)
    {
        QFile f(Path + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Files() { return QDir(Path).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir Dir;
    QString Path;
};

TEST_F(ProjectFiles, SaveThenLoadGivesBackTheSameBytes)
{
    SetConfigDefaults();
    TestConfig.PassPercentage = 75;
    TestConfig.Presentation.Captions.MediaStartText = QStringLiteral("Go on");
    TestConfig.Program.ProgramTitle = QStringLiteral("Fractions");
    const QByteArray saved = ConfigBytes(TestConfig);
    SaveConfig();
    EXPECT_EQ(Read("MATHS.QXJ"), saved);
    EXPECT_EQ(Read("MATHS.QXJ").size(), 5428);

    // Saving again replaces the file and leaves nothing beside it.
    TestConfig.PassPercentage = 60;
    SaveConfig();
    EXPECT_EQ(Files(), QStringList{"MATHS.QXJ"});
    EXPECT_EQ(Read("MATHS.QXJ").mid(77, 4), Le32(60));

    std::memset(&TestConfig, 0x5A, sizeof TestConfig);
    MediaPrompt.clear();
    Write("MATHS.QXJ", saved);
    LoadConfig();
    EXPECT_EQ(ConfigBytes(TestConfig), saved);
    EXPECT_EQ(MediaPrompt, QStringLiteral("Go on"));
}

TEST_F(ProjectFiles, LowerCaseProjectFileIsFound)
{
    SetConfigDefaults();
    const QByteArray saved = ConfigBytes(TestConfig);
    Write("maths.qxj", saved);
    std::memset(&TestConfig, 0, sizeof TestConfig);
    LoadConfig();   // ProjectPath names MATHS.QXJ
    EXPECT_EQ(ConfigBytes(TestConfig), saved);
    TestConfig.PassPercentage = 10;
    SaveConfig();   // rewrites the file that exists, creates no second one
    EXPECT_EQ(Files(), QStringList{"maths.qxj"});
    EXPECT_EQ(Read("maths.qxj").mid(77, 4), Le32(10));
    EXPECT_EQ(ReadProjectVersion(), QStringLiteral("2.01"));
}

TEST_F(ProjectFiles, BrokenProjectFileLeavesTheRecordAlone)
{
    SetConfigDefaults();
    TestConfig.PassPercentage = 42;
    const QByteArray before = ConfigBytes(TestConfig);
    MediaPrompt = QStringLiteral("kept");

    const QList<QByteArray> broken = {QByteArray(), QByteArray(100, 'x'), QByteArray(5427, 0),
                                      QByteArray(5429, 0), QByteArray(20000, 'Z')};
    for (const QByteArray& content : broken) {
        Write("MATHS.QXJ", content);
        EXPECT_THROW(LoadConfig(), EInOutError) << content.size();
        EXPECT_EQ(ConfigBytes(TestConfig), before) << content.size();
        EXPECT_EQ(Read("MATHS.QXJ"), content) << "nothing is written to a bad file";
        EXPECT_THROW(ConvertEarlierConfig(), EInOutError) << content.size();
        EXPECT_EQ(ConfigBytes(TestConfig), before);
        EXPECT_EQ(Read("MATHS.QXJ"), content);
    }
    QFile::remove(Path + "MATHS.QXJ");
    EXPECT_THROW(LoadConfig(), EInOutError);
    EXPECT_THROW(ReadProjectVersion(), EInOutError);
    EXPECT_EQ(MediaPrompt, QStringLiteral("kept"));
    Write("MATHS.QXJ", "\x04" "1.0");
    EXPECT_THROW(ReadProjectVersion(), EInOutError);

    try {
        Write("MATHS.QXJ", QByteArray(300, 0));
        LoadConfig();
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains("MATHS.QXJ")) << e.Message().toStdString();
    }
}

// An earlier-version record built from its layout tables.
QByteArray EarlierRecord()
{
    QByteArray b(3248, 0);
    b.replace(0, 5, Short("1.00", 4));
    // Offsets 5..1382 hold the same fields as the current record: a pattern
    // that must come through unchanged.
    for (int i = 5; i < 1383; ++i)
        b[i] = char((i * 7) % 253);

    const int P = 1383;   // earlier presentation record
    b[P + 0] = 1;                                                  // introduction flag
    for (int i = 1; i < 275; ++i)                                  // title and status bars
        b[P + i] = char((i * 3) % 251);
    const int D = P + 275;                                         // earlier display record
    b.replace(D + 0, 4, Le32(0x112233));                           // VPBack
    b[D + 4] = 0;                                                  // FullScreen
    b.replace(D + 5, 4, Le32(5));                                  // DisplayType
    b.replace(D + 9, 4, Le32(0x445566));                           // SBackColor
    b.replace(D + 13, 13, Short("BACKDROP.BMP", 12));              // SGraphic
    b.replace(D + 26, 13, Short("TILE.BMP", 12));                  // SWallpaper
    b.replace(D + 39, 16, Le32(11) + Le32(22) + Le32(333) + Le32(444));
    b.replace(D + 55, 12, QByteArray(12, char(0x77)));             // not carried over
    b[D + 67] = 1;                                                 // Print
    b[P + 343] = 0;                                                // menu bar flag
    b[P + 344] = 1;                                                // opening flag
    const int O = P + 345;                                         // opening command
    b.replace(O + 0, 2, Le16(2));
    b.replace(O + 2, 13, Short("OPEN.BMP", 12));
    b.replace(O + 15, 13, Short("MIX.BMP", 12));
    b.replace(O + 28, 13, Short("HELLO.WAV", 12));
    b.replace(O + 41, 13, Short("MIX.WAV", 12));
    b.replace(O + 54, 51, Short("NOTEPAD README.TXT", 50));
    b.replace(O + 105, 2, Le16(50));
    b.replace(O + 107, 61, Short("OPEN.BMP 50", 60));
    b[P + 513] = 1;                                                // closing flag
    const int C = P + 514;                                         // closing command
    b.replace(C + 0, 2, Le16(3));
    b.replace(C + 28, 13, Short("BYE.WAV", 12));
    b.replace(C + 105, 2, Le16(-1));
    b.replace(C + 107, 61, Short("BYE.WAV", 60));
    b[P + 682] = 1;                                                // about flag
    const int A = P + 683;                                         // about record
    b.replace(A + 0, 2, Le16(2));
    b.replace(A + 2, 41, Short("About the fractions test", 40));
    b[A + 43] = 1;
    b.replace(A + 44, 13, Short("ABOUTPIC.BMP", 12));
    b.replace(A + 57, 33, Short("Fractions", 32));
    b.replace(A + 90, 43, Short("1.2", 42));
    b.replace(A + 133, 43, Short("J. Smith", 42));
    for (int i = 0; i < 4; ++i)
        b.replace(A + 176 + 66 * i, 66, Short("Comment " + QByteArray::number(i + 1), 65));
    const int K = P + 1123;                                        // captions
    for (int i = 0; i < 128; ++i)
        b[K + i] = char(200 - i);

    const int G = 2634;                                            // earlier program settings
    b.replace(G + 0, 81, Short("Fractions for year five", 80));
    b[G + 81] = 1;
    b.replace(G + 82, 13, Short("ABCDEFGH.ICO", 12));
    b[G + 95] = 1;
    b.replace(G + 96, 13, Short("FRACT.HLP", 12));
    b.replace(G + 109, 4, Le32(1234));
    b[G + 113] = 1;
    b.replace(2748, 500, QByteArray(500, char(0xEE)));             // not carried over
    return b;
}

TEST_F(ProjectFiles, EarlierRecordConvertsFieldByField)
{
    const QByteArray old = EarlierRecord();
    Write("MATHS.QXJ", old);
    EXPECT_EQ(ReadProjectVersion(), QStringLiteral("1.00"));
    std::memset(&TestConfig, 0x33, sizeof TestConfig);   // nothing of the previous record survives
    ConvertEarlierConfig();

    const QByteArray file = Read("MATHS.QXJ");
    ASSERT_EQ(file.size(), 5428);
    EXPECT_EQ(file, ConfigBytes(TestConfig));
    EXPECT_EQ(file.left(5), Short("2.01", 4));
    EXPECT_EQ(file.mid(5, 1378), old.mid(5, 1378));

    const TTestConfig& c = TestConfig;
    const TPresentation& p = c.Presentation;
    EXPECT_TRUE(p.IntroEnabled);
    EXPECT_EQ(file.mid(1383 + 1, 274), old.mid(1383 + 1, 274));
    const TEntryDisplay& d = p.Intro.Display;
    EXPECT_EQ(d.VPBack.u(), 0x112233u);
    EXPECT_FALSE(d.FullScreen);
    EXPECT_EQ(int(d.DisplayType), 5);
    EXPECT_EQ(d.SBackColor.u(), 0x445566u);
    EXPECT_EQ(d.SGraphic.str(), "BACKDROP.BMP");
    EXPECT_EQ(d.SWallpaper.str(), "TILE.BMP");
    EXPECT_EQ(int(d.VPLeft), 11);
    EXPECT_EQ(int(d.VPTop), 22);
    EXPECT_EQ(int(d.VPWidth), 333);
    EXPECT_EQ(int(d.VPHeight), 444);
    EXPECT_EQ(int(d.RLTop), 1);
    EXPECT_EQ(int(d.RLLeft), 1);
    EXPECT_TRUE(d.Print);
    EXPECT_FALSE(p.Intro.UseMenuBar);

    EXPECT_TRUE(p.OpeningEnabled);
    EXPECT_EQ(int(p.Opening.CommandType), 2);
    EXPECT_EQ(p.Opening.Graphic.str(), "OPEN.BMP");
    EXPECT_EQ(p.Opening.MixGraphic.str(), "MIX.BMP");
    EXPECT_EQ(p.Opening.Voice.str(), "HELLO.WAV");
    EXPECT_EQ(p.Opening.MixSound.str(), "MIX.WAV");
    EXPECT_EQ(p.Opening.ProgramText.str(), "NOTEPAD README.TXT");
    EXPECT_EQ(int(p.Opening.Duration), 50);
    EXPECT_EQ(p.Opening.CommandValue.str(), "OPEN.BMP,50");
    EXPECT_TRUE(p.ClosingEnabled);
    EXPECT_EQ(int(p.Closing.CommandType), 3);
    EXPECT_EQ(p.Closing.Voice.str(), "BYE.WAV");
    EXPECT_EQ(int(p.Closing.Duration), -1);
    EXPECT_EQ(p.Closing.CommandValue.str(), "BYE.WAV");   // no space: unchanged

    EXPECT_TRUE(p.AboutEnabled);
    EXPECT_EQ(int(p.About.ShowWhen), 2);
    EXPECT_EQ(p.About.Caption.str(), "About the fractions test");
    EXPECT_TRUE(p.About.UseIcon);
    EXPECT_EQ(p.About.IconFile.str(), "ABOUTPIC.BMP");
    EXPECT_EQ(p.About.ProgramName.str(), "Fractions");
    EXPECT_EQ(p.About.VersionText.str(), "1.2");
    EXPECT_EQ(p.About.AuthorText.str(), "J. Smith");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.About.Comment[i].str(), QStringLiteral("Comment %1").arg(i + 1));
    EXPECT_EQ(file.mid(1383 + 3217, 128), old.mid(1383 + 1123, 128));

    const TProgramSettings& g = c.Program;
    EXPECT_EQ(g.ProgramTitle.str(), "Fractions for year five");
    EXPECT_TRUE(g.UseIcon);
    EXPECT_EQ(g.IconFile.str(), "ABCDEFGH.ICO");
    EXPECT_TRUE(g.UseHelpFile);
    EXPECT_EQ(g.HelpFile.str(), "FRACT.HLP");
    EXPECT_EQ(int(g.HelpContext), 1234);
    EXPECT_TRUE(g.VideoAdvisory);
    EXPECT_EQ(int(g.BackgroundKind), 1);
    EXPECT_EQ(g.BackgroundColor.u(), 0xC0C0C0u);
    EXPECT_TRUE(g.BackgroundGraphic.IsEmpty());
    EXPECT_TRUE(g.BackgroundWallpaper.IsEmpty());
    // Every byte of the new fields past their text is zero.
    EXPECT_EQ(file.mid(4728 + 82 + 13, 138), QByteArray(138, 0));
    EXPECT_EQ(file.mid(4728 + 398, 302), QByteArray(302, 0));

    EXPECT_EQ(Files(), QStringList{"MATHS.QXJ"});
    LoadConfig();
    EXPECT_EQ(ConfigBytes(TestConfig), file);
}

TEST_F(ProjectFiles, EarlierCommandValuesTakeCommas)
{
    QByteArray old = EarlierRecord();
    const int O = 1383 + 345, C = 1383 + 514;
    old.replace(O + 0, 2, Le16(6));
    old.replace(O + 107, 61, Short("A.BMP B.WAV 30", 60));
    old.replace(C + 0, 2, Le16(9));
    old.replace(C + 107, 61, Short("EDIT.EXE NOTES.TXT", 60));
    // A damaged length byte beyond the old capacity reads as the capacity.
    old.replace(2634 + 82, 13, QByteArray(1, char(200)) + "ICONFILE.ICO");
    Write("MATHS.QXJ", old);
    ConvertEarlierConfig();
    EXPECT_EQ(TestConfig.Presentation.Opening.CommandValue.str(), "A.BMP,B.WAV,30");
    EXPECT_EQ(TestConfig.Presentation.Closing.CommandValue.str(), "EDIT.EXE NOTES.TXT");
    EXPECT_EQ(TestConfig.Program.IconFile.str(), "ICONFILE.ICO");
}

TEST_F(ProjectFiles, ConversionRewritesTheEntryCommands)
{
    Write("MATHS.QXJ", EarlierRecord());
    const QByteArray entries = "[PIC]\r\nsource=INFO\r\ntype=2\r\nPIC.BMP 50\r\n]\r\n\r\n"
                               "[MIX]\r\nsource=HYPER\r\ntype=6\r\nA.BMP B.WAV 30\r\n]\r\n\r\n";
    Write("maths.qxr", entries);   // found in any letter case
    ConvertEarlierConfig();
    EXPECT_EQ(Read("maths.qxr"), QByteArray("[PIC]\r\nsource=INFO\r\ntype=2\r\nPIC.BMP,50\r\n]\r\n\r\n"
                                            "[MIX]\r\nsource=HYPER\r\ntype=6\r\nA.BMP,B.WAV,30\r\n]\r\n\r\n"));
    EXPECT_EQ(Read("MATHS.QXJ").size(), 5428);
    EXPECT_EQ(Files(), (QStringList{"MATHS.QXJ", "maths.qxr"}));
}

TEST_F(ProjectFiles, QuestionFileAppendReadWrite)
{
    QStringList ids{"kept"};
    EXPECT_FALSE(ListIdentifiers(ids));
    EXPECT_EQ(QuestionCount(), 0);
    EXPECT_THROW(ReadQuestion(0), EInOutError);

    std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
    QuestionBuffer.Identifier = QStringLiteral("Q1");
    QuestionBuffer.AnswerCount = 4;
    QuestionBuffer.CorrectAnswer = 2;
    QuestionBuffer.TextBackColor = quint32(0xFFFFFF);
    QuestionBuffer.HasExplanation = true;
    QuestionBuffer.HasRightFeedback = true;
    WriteQuestion(-1);
    EXPECT_EQ(Read("MATHS.QXQ"), Record("Q1", 4, 2));

    QuestionBuffer.Identifier = QStringLiteral("Q2");
    QuestionBuffer.AnswerCount = 3;
    QuestionBuffer.CorrectAnswer = 3;
    WriteQuestion(-1);
    EXPECT_EQ(Read("MATHS.QXQ"), Record("Q1", 4, 2) + Record("Q2", 3, 3));
    EXPECT_EQ(QuestionCount(), 2);

    ReadQuestion(0);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), "Q1");
    EXPECT_EQ(int(QuestionBuffer.AnswerCount), 4);
    QuestionBuffer.Deleted = 1;
    WriteQuestion(0);
    EXPECT_EQ(Read("MATHS.QXQ"), Record("Q1", 4, 2, true) + Record("Q2", 3, 3));
    ReadQuestion(1);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), "Q2");

    EXPECT_THROW(ReadQuestion(2), EInOutError);
    EXPECT_THROW(ReadQuestion(-1), EInOutError);
    EXPECT_THROW(WriteQuestion(3), EInOutError);
    EXPECT_THROW(WriteQuestion(-2), EInOutError);
    EXPECT_EQ(Read("MATHS.QXQ").size(), 110);

    EXPECT_TRUE(ListIdentifiers(ids));
    EXPECT_EQ(ids, (QStringList{"kept", "Q1", "Q2"}));   // deleted ones too, appended

    // A lower-case question file is the project's question file.
    QFile::rename(Path + "MATHS.QXQ", Path + "maths.qxq");
    ReadQuestion(1);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), "Q2");
    WriteQuestion(-1);
    EXPECT_EQ(Files(), QStringList{"maths.qxq"});
    EXPECT_EQ(Read("maths.qxq").size(), 165);
}

TEST_F(ProjectFiles, CompactionDropsDeletedRecords)
{
    Write("MATHS.QXQ", Record("A", 2, 1) + Record("B", 2, 1, true) + Record("C", 3, 2));
    CompactQuestionFile();
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1) + Record("C", 3, 2));
    EXPECT_EQ(Files(), QStringList{"MATHS.QXQ"});

    // Nothing left alive: the file goes (also with more than one record).
    Write("MATHS.QXQ", Record("A", 2, 1, true) + Record("C", 3, 2, true));
    CompactQuestionFile();
    EXPECT_TRUE(Files().isEmpty());
    Write("MATHS.QXQ", Record("A", 2, 1, true));
    CompactQuestionFile();
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_THROW(CompactQuestionFile(), EInOutError);   // no question file

    // Any non-zero Deleted byte counts.
    QByteArray odd = Record("X", 2, 1);
    odd[0] = char(0x80);
    Write("MATHS.QXQ", Record("A", 2, 1) + odd);
    CompactQuestionFile();
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1));
}

TEST_F(ProjectFiles, FailingDiskDuringCompactionKeepsTheOldFile)
{
    const QByteArray before = Record("A", 2, 1) + Record("B", 2, 1, true) + Record("C", 3, 2);
    Write("MATHS.QXQ", before);
    Write("MATHS.QXJ", QByteArray(5428, 0));
    // The compacted records do not fit: the old file is whole, nothing else is left.
    const TLimitedRun run = RunWithFileSizeLimit(60, [] { CompactQuestionFile(); });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("MATHS.QXQ"))) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(Read("MATHS.QXQ"), before);
    EXPECT_EQ(Files(), (QStringList{"MATHS.QXJ", "MATHS.QXQ"}));   // no scratch file left

    CompactQuestionFile();
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1) + Record("C", 3, 2));
    EXPECT_EQ(Files(), (QStringList{"MATHS.QXJ", "MATHS.QXQ"}));
}

TEST_F(ProjectFiles, FailingDiskNeverCostsTheProjectOrAQuestion)
{
    // The project file: the old record stays, the error names the file.
    TestConfig.Version.assign(CurrentVersion);
    SaveConfig();
    const QByteArray project = Read("MATHS.QXJ");
    TestConfig.Program.ProgramTitle.assign(QStringLiteral("A new title"));
    TLimitedRun run = RunWithFileSizeLimit(1000, [] { SaveConfig(); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("MATHS.QXJ"))) << run.Message.toStdString();
    EXPECT_EQ(Read("MATHS.QXJ"), project);
    EXPECT_EQ(Files(), (QStringList{"MATHS.QXJ"}));

    // An appended question that does not fit: no part of it stays, and a
    // damaged tail it would have overwritten is put back.
    const QByteArray questions = Record("A", 2, 1) + Record("B", 3, 2) + "tail";
    Write("MATHS.QXQ", questions);
    std::memcpy(&QuestionBuffer, Record("NEW", 4, 4).constData(), sizeof QuestionBuffer);
    run = RunWithFileSizeLimit(questions.size() + 10, [] { WriteQuestion(-1); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("MATHS.QXQ"))) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(Read("MATHS.QXQ"), questions);

    // A question rewritten in place fits whatever the limit.
    run = RunWithFileSizeLimit(questions.size(), [] { WriteQuestion(1); });
    EXPECT_FALSE(run.Threw) << run.Message.toStdString();
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1) + Record("NEW", 4, 4) + "tail");
    EXPECT_EQ(Files(), (QStringList{"MATHS.QXJ", "MATHS.QXQ"}));
}

TEST_F(ProjectFiles, ReadersOnBuffers)
{
    // Whole records give their identifiers; the damaged tail is not one.
    QBuffer questions;
    questions.setData(Record("A", 2, 1) + Record("Bee", 3, 2) + "xyz");
    questions.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadIdentifiers(questions, QStringLiteral("buffer")), (QStringList{"A", "Bee"}));

    // Exactly one project record, else an error naming what was read.
    SetConfigDefaults();
    const QByteArray record = ConfigBytes(TestConfig);
    TTestConfig read;
    for (const QByteArray& bytes : {record.left(100), record + "x"}) {
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        try {
            ReadConfigRecord(in, QStringLiteral("T.QXJ"), read);
            ADD_FAILURE() << bytes.size();
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("T.QXJ"))) << e.what();
        }
    }
    QBuffer in;
    in.setData(record);
    in.open(QIODevice::ReadOnly);
    ReadConfigRecord(in, QStringLiteral("T.QXJ"), read);
    EXPECT_EQ(ConfigBytes(read), record);
}

TEST_F(ProjectFiles, DamagedQuestionFileTail)
{
    const QByteArray tail("\x01garbage!!", 10);
    Write("MATHS.QXQ", Record("A", 2, 1) + Record("B", 4, 4) + tail);
    EXPECT_EQ(QuestionCount(), 2);
    EXPECT_EQ(QuestionFileTrailingBytes(), 10);
    EXPECT_TRUE(QuestionFileDamageText(10).contains("MATHS.QXQ"));
    QStringList ids;
    EXPECT_TRUE(ListIdentifiers(ids));
    EXPECT_EQ(ids, (QStringList{"A", "B"}));
    ReadQuestion(1);
    EXPECT_EQ(QuestionBuffer.Identifier.str(), "B");
    EXPECT_THROW(ReadQuestion(2), EInOutError);   // the tail is never a record

    // An append takes the place of the tail.
    QuestionBuffer.Identifier = QStringLiteral("C");
    WriteQuestion(-1);
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1) + Record("B", 4, 4) + Record("C", 4, 4));
    EXPECT_EQ(QuestionFileTrailingBytes(), 0);

    // Compaction drops a tail even when nothing is marked deleted.
    Write("MATHS.QXQ", Record("A", 2, 1) + tail);
    CompactQuestionFile();
    EXPECT_EQ(Read("MATHS.QXQ"), Record("A", 2, 1));
    // A file shorter than one record holds no question and compacts away.
    Write("MATHS.QXQ", tail);
    EXPECT_EQ(QuestionCount(), 0);
    ids.clear();
    EXPECT_TRUE(ListIdentifiers(ids));
    EXPECT_TRUE(ids.isEmpty());
    CompactQuestionFile();
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ProjectFiles, ProjectBaseNameFollowsProjectPath)
{
    EXPECT_EQ(ProjectBaseName(), "MATHS");
    ProjectPath = Path + "maths.qxj";
    SetProjectBaseName("MATHS");
    EXPECT_EQ(ProjectBaseName(), "MATHS");
    ProjectPath = Path + "other.qxj";   // set elsewhere: the stale name is not used
    EXPECT_EQ(ProjectBaseName(), "other");
    ProjectPath.clear();
    EXPECT_EQ(ProjectBaseName(), "");
}

TEST(RecList, OwnsCopiesOfRecords)
{
    TRecList list;
    const char a[5] = {1, 2, 3, 4, 5};
    char b[3] = {9, 9, 9};
    EXPECT_EQ(list.Add(a, 5), 0);
    EXPECT_EQ(list.Add(b, 3), 1);
    EXPECT_EQ(list.Count(), 2);
    b[0] = 7;   // the list holds its own copy
    char out[8];
    std::memset(out, 0, sizeof out);
    list.Get(1, out, 8);   // copies the element's size only
    EXPECT_EQ(QByteArray(out, 8), QByteArray::fromHex("0909090000000000"));
    list.Get(0, out, 2);   // or the buffer's
    EXPECT_EQ(QByteArray(out, 3), QByteArray::fromHex("010209"));
    const char big[7] = {6, 6, 6, 6, 6, 6, 6};
    list.Put(1, big, 7);
    list.Get(1, out, 8);
    EXPECT_EQ(QByteArray(out, 4), QByteArray::fromHex("06060600"));
    list.Get(0, out, -4);   // a negative size copies nothing
    EXPECT_THROW(list.Get(2, out, 1), EListError);
    EXPECT_THROW(list.Put(-1, out, 1), EListError);
    EXPECT_THROW(list.Add(a, -1), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THROW(list.Get(0, out, 1), EListError);
}

} // namespace
