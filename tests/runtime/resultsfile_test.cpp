// Naming and writing the results data file and the swap file: numbering,
// folders in either separator style, failures that must not stop the end of
// a test run, two students racing for one number, and failing disks.
#include "resultstest.h"
#include "../common/failingdisk.h"

#include "model/errors.h"
#include "platform/testscript.h"
#include "runtime/results.h"
#include "runtime/resultsfile.h"
#include "runtime/resultsreport.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

class ResultsFileTest : public ResultsTest {
protected:
    void ExpectSaved(const QString& fileName)
    {
        ASSERT_TRUE(QFile::exists(fileName)) << fileName.toStdString();
        const QStringList texts = MessageTexts();
        ASSERT_FALSE(texts.isEmpty());
        EXPECT_EQ(texts.last(), QStringLiteral("The Test results have been saved to ") + fileName);
    }
};

TEST_F(ResultsFileTest, ConfiguredNameWithFolderIsNumbered)
{
    FillRun(false);
    ASSERT_TRUE(QDir(Dir.Path()).mkdir(QStringLiteral("Res")));
    Dir.Write(QStringLiteral("Res/Jan1.QXD"), "earlier results");

    // Backslashes and a drive letter, as the design dialogs store it.
    QString configured = Dir.Path() + QStringLiteral("Res/Jan.qxd");
    configured.replace(u'/', u'\\');
    TestConfig.ResultsFileName = QStringLiteral("C:") + configured;
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(Dir.File(QStringLiteral("Res/Jan2.QXD")));
    EXPECT_EQ(Dir.Read(QStringLiteral("Res/Jan1.QXD")), QByteArray("earlier results"));
    EXPECT_EQ(Dir.Read(QStringLiteral("Res/Jan2.QXD")), ResultsLinesToBytes(ResultsFileLines()));

    // A relative folder lies in the run-file folder; slashes work too; the
    // stem is cut to six characters; the next run takes the next number.
    TestConfig.ResultsFileName = QStringLiteral("Res/January.results.qxd");
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(Dir.File(QStringLiteral("Res/Januar1.QXD")));
    TestConfig.ResultsFileName = QStringLiteral("Res\\January.qxd");
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(Dir.File(QStringLiteral("Res/Januar2.QXD")));
    // A folder that happens to carry the next name is skipped, not opened.
    ASSERT_TRUE(QDir(Dir.Path()).mkdir(QStringLiteral("Res/Januar3.QXD")));
    TestConfig.ResultsFileName = QStringLiteral("Res\\January.qxd");
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(Dir.File(QStringLiteral("Res/Januar4.QXD")));
}

TEST_F(ResultsFileTest, LongConfiguredNameIsTestedAndCreatedWhole)
{
    FillRun(false);
    // 56 characters configured; the numbered name has 61, one more than
    // the settings field holds.
    const QString folder = QStringLiteral("Results_of_the_class_of_the_year_2026_term_one_AB");
    ASSERT_TRUE(QDir(Dir.Path()).mkdir(folder));
    const QString configured56 = folder + QStringLiteral("\\Januar");
    ASSERT_EQ(configured56.size(), 56);
    RunFileDir.clear();   // the current directory, the bare names of the tool
    const QString first = folder + QStringLiteral("/Januar1.QXD");
    const QString second = folder + QStringLiteral("/Januar2.QXD");
    ASSERT_GT(first.size(), 60);

    TestConfig.ResultsFileName = configured56;
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(first);
    EXPECT_EQ(TestConfig.ResultsFileName.str(), first.left(60));

    // A second run (with the settings re-read) does not overwrite the first.
    TestConfig.ResultsFileName = configured56;
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(second);
    EXPECT_EQ(Dir.Read(first), Dir.Read(second));
}

TEST_F(ResultsFileTest, DefaultNameIsNumberedToo)
{
    FillRun(false);
    Dir.Write(QStringLiteral("Maths1.QXD"), "first student");
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ExpectSaved(Dir.File(QStringLiteral("Maths2.QXD")));
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths1.QXD")), QByteArray("first student"));
    // Only the in-memory copy of the settings keeps the name.
    EXPECT_EQ(TestConfig.ResultsFileName.str(), Dir.File(QStringLiteral("Maths2.QXD")).left(60));
}

TEST_F(ResultsFileTest, UnusableFoldersAreReportedAndTheRunGoesOn)
{
    FillRun(false);
    // The configured folder is missing: told, then the default name.
    TestConfig.ResultsFileName = QStringLiteral("NoSuchFolder\\Jan.qxd");
    ExpectMessage(QStringLiteral("Information"));
    ExpectMessage(QStringLiteral("Information"));
    WriteResultsFile();
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_EQ(MessageTexts().at(0), QStringLiteral("Unable to create Test Results file ")
                                        + Dir.File(QStringLiteral("NoSuchFolder/Jan1.QXD")));
    ExpectSaved(Dir.File(QStringLiteral("Maths1.QXD")));

    // Both unusable: a file stands where the folders should be. Two
    // messages, nothing thrown, nothing written.
    TestScript::ShownMessages().clear();
    Dir.Write(QStringLiteral("blocker"), "x");
    RunFileDir = Dir.File(QStringLiteral("blocker/"));
    TestConfig.ResultsFileName = QStringLiteral("blocker\\sub\\Jan.qxd");
    ExpectMessage(QStringLiteral("Information"));
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_NO_THROW(WriteResultsFile());
    ASSERT_EQ(TestScript::ShownMessages().size(), 2);
    EXPECT_EQ(TestScript::ShownMessages().at(0).Kind, QStringLiteral("Information"));
    EXPECT_TRUE(TestScript::ShownMessages().at(1).Text.contains(QStringLiteral("Maths1.QXD")));
    EXPECT_EQ(StrayFiles(Dir.Path(), {"Maths1.QXD", "blocker"}), QStringList());
    EXPECT_EQ(Dir.Read(QStringLiteral("blocker")), QByteArray("x"));

    // Nothing configured and the folder unusable: one error.
    TestScript::ShownMessages().clear();
    TestConfig.ResultsFileName = QString();
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_NO_THROW(WriteResultsFile());
    EXPECT_EQ(TestScript::ShownMessages().size(), 1);
}

TEST_F(ResultsFileTest, TwoWritersRacingGetDifferentNumbers)
{
    FillRun(false);
    // Eight processes start together on one shared folder.
    constexpr int Writers = 8;
    int gate[2], results[2];
    ASSERT_EQ(::pipe(gate), 0);
    ASSERT_EQ(::pipe(results), 0);
    const TResultsName name {Dir.File(QStringLiteral("")), QStringLiteral("Jan")};
    for (int i = 0; i < Writers; ++i) {
        if (::fork() == 0) {
            ::close(gate[1]);
            char c;
            (void)::read(gate[0], &c, 1);   // waits until the gate opens
            QString tried, written;
            try {
                written = CreateResultsFile(name, tried);
            } catch (...) {
                written = QStringLiteral("failed");
            }
            const QByteArray line = written.toUtf8() + '\n';
            (void)::write(results[1], line.constData(), size_t(line.size()));
            ::_exit(0);
        }
    }
    ::close(gate[0]);
    ::close(gate[1]);   // opens the gate for all at once
    ::close(results[1]);
    QByteArray all;
    char buffer[512];
    for (ssize_t n; (n = ::read(results[0], buffer, sizeof buffer)) > 0;)
        all.append(buffer, n);
    ::close(results[0]);
    while (::wait(nullptr) > 0) {}
    QSet<QByteArray> names;
    for (const QByteArray& l : all.split('\n'))
        if (!l.isEmpty())
            names.insert(l);
    EXPECT_EQ(names.size(), Writers) << all.toStdString();
    for (int n = 1; n <= Writers; ++n)
        EXPECT_EQ(Dir.Read(QStringLiteral("Jan%1.QXD").arg(n)).size(), ResultsLinesToBytes(ResultsFileLines()).size()) << n;
    EXPECT_FALSE(Dir.Exists(QStringLiteral("Jan9.QXD")));
}

TEST_F(ResultsFileTest, FailingDiskLeavesNothingBehind)
{
    FillRun(true);
    Dir.Write(QStringLiteral("Maths1.QXD"), "first student");
    const TResultsName name = DefaultResultsName();
    const TLimitedRun run = RunWithFileSizeLimit(20, [&] {
        QString tried;
        CreateResultsFile(name, tried);
    });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("Maths2.QXD"))) << run.Message.toStdString();
    EXPECT_EQ(StrayFiles(Dir.Path(), {"Maths1.QXD"}), QStringList()) << "the reservation is removed too";
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths1.QXD")), QByteArray("first student"));
}

TEST_F(ResultsFileTest, SwapFile)
{
    ScorePercent = 59;
    WriteSwapFile();
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths.QXS")), QByteArray("5\r\n"));
    ScorePercent = 100;
    WriteSwapFile();
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths.QXS")), QByteArray("10\r\n"));
    TestConfig.ScoreGroupsDefined = true;
    TestConfig.ScoreGroupBound[0] = 40;
    TestConfig.ScoreGroupBound[1] = 60;
    TestConfig.ScoreGroupBound[2] = 80;
    TestConfig.ScoreGroupBound[3] = 100;
    ScorePercent = 79;
    WriteSwapFile();
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths.QXS")), QByteArray("2\r\n"));
    EXPECT_EQ(ScoreGroup, 2);

    // A full disk keeps the old swap file whole.
    ScorePercent = 100;
    const TLimitedRun run = RunWithFileSizeLimit(1, [] { SaveSwapFile(); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("Maths.QXS"))) << run.Message.toStdString();
    EXPECT_EQ(Dir.Read(QStringLiteral("Maths.QXS")), QByteArray("2\r\n"));
    EXPECT_EQ(StrayFiles(Dir.Path(), {"Maths.QXS"}), QStringList());

    // An unusable folder is shown and the end of the run goes on.
    RunFileDir = Dir.File(QStringLiteral("missing/"));
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_NO_THROW(WriteSwapFile());
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().contains(QStringLiteral("Maths.QXS")));
}

} // namespace
