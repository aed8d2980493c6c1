// The recent tests: the list rule, the stored list, where "Select a Test"
// starts, and a settings file that cannot be written.
#include "harness.h"

#include "../common/failingdisk.h"

#include "app/makedirform.h"
#include "app/projectlifecycle.h"
#include "app/recentprojects.h"
#include "app/usersamples.h"
#include "model/testconfig.h"
#include "platform/testscript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

class RecentProjectsTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        FOldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config.Path()));
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", FOldConfig);
        QuendraTest::TearDown();
    }
    TScratchDir Config;

private:
    QByteArray FOldConfig;
};

QByteArray Project()
{
    const TTestConfig keep = TestConfig;
    SetConfigDefaults();
    const QByteArray out(reinterpret_cast<const char*>(&TestConfig), sizeof TestConfig);
    TestConfig = keep;
    return out;
}

TEST_F(RecentProjectsTest, ListRuleAddsMovesCapsAndDropsMissing)
{
    QStringList list;
    list = WithRecentProject(list, QStringLiteral("/t/A.QXJ"));
    list = WithRecentProject(list, QStringLiteral("/t/B.QXJ"));
    list = WithRecentProject(list, QStringLiteral("/t/C.QXJ"));
    EXPECT_EQ(list, QStringList({"/t/C.QXJ", "/t/B.QXJ", "/t/A.QXJ"}));
    // The same file, written another way, moves to the front once.
    list = WithRecentProject(list, QStringLiteral("/t/x/../A.QXJ"));
    EXPECT_EQ(list, QStringList({"/t/A.QXJ", "/t/C.QXJ", "/t/B.QXJ"}));
    for (int i = 0; i < 10; ++i)
        list = WithRecentProject(list, QStringLiteral("/u/%1.QXJ").arg(i));
    EXPECT_EQ(list.size(), MaxRecentProjects);
    EXPECT_EQ(list.first(), "/u/9.QXJ");
    EXPECT_EQ(list.last(), QStringLiteral("/u/%1.QXJ").arg(10 - MaxRecentProjects));
    EXPECT_EQ(WithRecentProject({"/a", "/b", "/c"}, "/d", 2), QStringList({"/d", "/a"}));

    TScratchDir dir;
    dir.Write("A.QXJ", "x");
    QDir(dir.Path()).mkdir("FOLDER.QXJ");
    EXPECT_EQ(ExistingProjects({dir.File("GONE.QXJ"), dir.File("A.QXJ"), dir.File("FOLDER.QXJ"), QString()}),
              QStringList{dir.File("A.QXJ")});
}

TEST_F(RecentProjectsTest, StoredInTheUsersConfigurationNewestFirst)
{
    EXPECT_EQ(RecentProjectsFile(), Config.File("quendra/quendra.conf"));
    EXPECT_TRUE(RecentProjects().isEmpty());
    TScratchDir dir;
    for (int i = 1; i <= MaxRecentProjects + 2; ++i) {
        dir.Write(QStringLiteral("T%1.QXJ").arg(i), "x");
        AddRecentProject(dir.File(QStringLiteral("T%1.QXJ").arg(i)));
    }
    QStringList recent = RecentProjects();
    ASSERT_EQ(recent.size(), MaxRecentProjects);
    EXPECT_EQ(recent.first(), dir.File(QStringLiteral("T%1.QXJ").arg(MaxRecentProjects + 2)));
    EXPECT_EQ(recent.last(), dir.File("T3.QXJ"));
    EXPECT_TRUE(Config.Exists("quendra/quendra.conf"));

    // A project that no longer exists drops off; the others keep their order.
    QFile::remove(dir.File("T7.QXJ"));
    recent = RecentProjects();
    EXPECT_EQ(recent.size(), MaxRecentProjects - 1);
    EXPECT_FALSE(recent.contains(dir.File("T7.QXJ")));
    EXPECT_EQ(recent.first(), dir.File("T8.QXJ"));
    EXPECT_EQ(recent.at(1), dir.File("T6.QXJ"));
    // Opening one again brings it to the front.
    AddRecentProject(dir.File("T4.QXJ"));
    EXPECT_EQ(RecentProjects().first(), dir.File("T4.QXJ"));
    EXPECT_EQ(RecentProjects().size(), MaxRecentProjects - 1);

    // Names with the characters the settings format quotes come back whole.
    const QStringList odd{"a, b.QXJ", "say \"hi\".QXJ", "back\\slash.QXJ", "Pl\u00e4net @1; x=2.QXJ"};
    for (const QString& name : odd) {
        dir.Write(name, "x");
        AddRecentProject(dir.File(name));
    }
    recent = RecentProjects();
    ASSERT_GE(recent.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(recent.at(i), dir.File(odd.at(3 - i)));
}

TEST_F(RecentProjectsTest, SelectTestStartsInTheRightFolderAndRemembersProjects)
{
    TScratchDir dir;
    QDir(dir.Path()).mkpath("progs/samples");
    QDir(dir.Path()).mkpath("one");
    const QString home = dir.File("home/");
    // The rule: open project, newest recent, samples, home.
    EXPECT_EQ(SelectTestStartFolder(dir.File("one/A.QXJ"), dir.File("one/"), {}, QString(), home), dir.File("one/"));
    EXPECT_EQ(SelectTestStartFolder(QString(), dir.File("progs/"), {dir.File("one/A.QXJ")}, dir.File("progs/samples"),
                                    home),
              dir.File("one/"));
    EXPECT_EQ(SelectTestStartFolder(QString(), dir.File("progs/"), {dir.File("gone/A.QXJ")},
                                    dir.File("progs/samples"), home),
              dir.File("progs/samples/"));
    EXPECT_EQ(SelectTestStartFolder(QString(), dir.File("progs/"), {}, QString(), home), home);
    EXPECT_EQ(SelectTestStartFolder(QString(), dir.File("progs/"), {}, dir.File("nosuch"), home), home);

    // Through "Select a Test": without a project or a recent one it starts in
    // the samples beside the program, not in the program's folder.
    ProgramDir = ProjectDir = dir.File("progs/");
    TestScript::Answer("open", QVariant());
    SelectTest();
    EXPECT_EQ(TestScript::Logged("open-request"), QStringList{dir.File("progs/samples/|")});
    EXPECT_TRUE(ProjectPath.isEmpty());

    // A project opened goes into the list, which the next chooser offers.
    dir.Write("one/maths.qxj", Project());
    TestScript::Answer("open", dir.File("one/maths.qxj"));
    SelectTest();
    EXPECT_EQ(RecentProjects(), QStringList{dir.File("one/maths.qxj")});
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [&](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        f.Edit1->setText(dir.File("two"));
        f.Edit2->setText("HISTORY");
        f.BitBtn1->click();
    });
    StartNewTest();
    EXPECT_EQ(RecentProjects(), QStringList({dir.File("two/HISTORY.QXJ"), dir.File("one/maths.qxj")}));
    TestScript::Answer("open", QVariant());
    SelectTest();
    EXPECT_EQ(TestScript::Logged("open-request").last(),
              dir.File("two/|") + dir.File("two/HISTORY.QXJ") + ";" + dir.File("one/maths.qxj"));
}

TEST_F(RecentProjectsTest, AFullDiskLeavesTheOldListWhole)
{
    TScratchDir dir;
    for (int i = 1; i <= 4; ++i) {
        dir.Write(QStringLiteral("T%1.QXJ").arg(i), "x");
        AddRecentProject(dir.File(QStringLiteral("T%1.QXJ").arg(i)));
    }
    const QString file = RecentProjectsFile();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    dir.Write("A-MUCH-LONGER-NAME-THAT-MAKES-THE-LIST-GROW.QXJ", "x");
    const TLimitedRun run = RunWithFileSizeLimit(before.size(), [&] {
        AddRecentProject(dir.File("A-MUCH-LONGER-NAME-THAT-MAKES-THE-LIST-GROW.QXJ"));
    });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(file)) << run.Message.toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), before.toStdString());
    EXPECT_EQ(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"quendra.conf"});
}

} // namespace

namespace {

TEST_F(RecentProjectsTest, InstalledSamplesAreCopiedForTheUserOnce)
{
    TScratchDir prefix, data;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.Path()));
    ProgramDir = prefix.File("lib/quendra/");
    QDir().mkpath(ProgramDir);
    EXPECT_TRUE(UserSamplesDir().isEmpty());   // no samples at all

    QDir().mkpath(prefix.File("share/quendra/samples/PLANETS"));
    prefix.Write("share/quendra/samples/PLANETS/PLANETS.QXJ", Project());
    prefix.Write("share/quendra/samples/PLANETS/mars.bmp", "BM");
    const QString copy = data.File("quendra/samples/");
    EXPECT_EQ(UserSamplesCopyDir(), copy);
    EXPECT_EQ(UserSamplesDir(), copy);
    EXPECT_EQ(data.Read("quendra/samples/PLANETS/PLANETS.QXJ"), Project());
    EXPECT_EQ(data.Read("quendra/samples/PLANETS/mars.bmp"), "BM");
    EXPECT_FALSE(data.Exists("quendra/samples.partial"));
    // Made once: the user's changes stay.
    data.Write("quendra/samples/PLANETS/mars.bmp", "changed");
    EXPECT_EQ(UserSamplesDir(), copy);
    EXPECT_EQ(data.Read("quendra/samples/PLANETS/mars.bmp"), "changed");

    // Samples beside the programs (a build tree) are used where they are.
    QDir().mkpath(ProgramDir + "samples");
    EXPECT_EQ(UserSamplesDir(), ProgramDir + "samples/");
    qputenv("XDG_DATA_HOME", oldData);
}

} // namespace
