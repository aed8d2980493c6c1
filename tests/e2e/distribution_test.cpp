// The PLANETS sample gathered for the students: after Compile and Create
// Executable, Prepare Distribution copies the program, every medium the test
// uses and what the program needs to start, and nothing of the author's.
#include "planetstest.h"

#include "app/mainform.h"
#include "distrib/distribform.h"
#include "distrib/distribution.h"
#include "platform/testscript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Every media file of the sample, listed by hand from its questions,
// attachments and presentation.
const QStringList PlanetsMedia = {
    "cheer.wav",   "earth.jpg",       "goodbye.wav",      "jupiter.jpg",  "mars.jpg",     "mars.wav",
    "mercury.jpg", "moons.txt",       "neptune.jpg",      "orbits.avi",   "orbits.sh",    "planet-notes.txt",
    "planets-help.htm", "planets.bmp", "planets.htm",     "right.wav",    "saturn.jpg",   "space.jpg",
    "spheres.mid", "stars.bmp",       "sun.jpg",          "title.jpg",    "venus.jpg",    "welcome.wav",
    "wrong.wav"};

QStringList TopLevelFiles(const QString& folder)
{
    QStringList out = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    out.sort();
    return out;
}

class PlanetsDistributionTest : public PlanetsTest {
protected:
    void Distribute(const QString& target, bool executable)
    {
        OnModal(QStringLiteral("TDistribForm"), [target, executable](QDialog& d) {
            auto& form = static_cast<TDistribForm&>(d);
            form.Edit1->setText(target);
            (executable ? form.RadioButton2 : form.RadioButton1)->setChecked(true);
            form.BitBtn1Click();
            if (d.result() != QDialog::Accepted)
                d.reject();
        });
        PrepareDistribution();
    }
    TScratchDir Out;
};

TEST_F(PlanetsDistributionTest, CompiledExecutableAndPlayerFoldersHoldExactlyWhatTheStudentsNeed)
{
    CopySample();
    Ttestmainform form;
    TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("PLANETS.QXJ")));
    form.SelectBtnClick();
    ExpectMessage(QStringLiteral("Information"));
    form.CompileBtnClick();
    ExpectMessage(QStringLiteral("Confirm"), 0);   // not tried at once
    form.ExecBtnClick();

    // The executable: the program in place of the compiled test and player.
    ExpectMessage(QStringLiteral("Confirm"), 1);   // include the sample's own program orbits.sh
    ExpectMessage(QStringLiteral("Information"));
    const QString exeTarget = Out.File(QStringLiteral("students"));
    Distribute(exeTarget, true);
    ASSERT_EQ(MessageTexts().last(), QStringLiteral("All the files have been copied to the Directory ") + exeTarget + u'/')
        << MessageTexts().join(u'\n').toStdString();
    QStringList expected = PlanetsMedia;
    expected << QStringLiteral("PLANETS.EXE") << QStringLiteral("libquendra_qtmedia.so") << QStringLiteral("qt.conf")
             << QStringLiteral("README.TXT");
    expected.sort();
    EXPECT_EQ(TopLevelFiles(exeTarget), expected);
    for (const QString& f : PlanetsMedia)
        EXPECT_EQ(Dir.Read(f), Out.Read(QStringLiteral("students/") + f)) << f.toStdString();
    EXPECT_TRUE(QFileInfo(exeTarget + QStringLiteral("/PLANETS.EXE")).isExecutable());
    EXPECT_TRUE(QFileInfo(exeTarget + QStringLiteral("/orbits.sh")).isExecutable());
    EXPECT_TRUE(QFileInfo::exists(exeTarget + QStringLiteral("/lib/libQt6Widgets.so.6")));
    EXPECT_TRUE(QFileInfo::exists(exeTarget + QStringLiteral("/plugins/platforms/libqxcb.so")));

    // The compiled test with the player, into a second folder.
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Information"));
    const QString playerTarget = Out.File(QStringLiteral("player"));
    Distribute(playerTarget, false);
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("All the files have been copied to the Directory ") + playerTarget + u'/');
    expected.removeAll(QStringLiteral("PLANETS.EXE"));
    expected << QStringLiteral("PLANETS.QXC") << QStringLiteral("vistrel.exe");
    expected.sort();
    EXPECT_EQ(TopLevelFiles(playerTarget), expected);
    EXPECT_EQ(Dir.Read(QStringLiteral("PLANETS.QXC")), Out.Read(QStringLiteral("player/PLANETS.QXC")));
    EXPECT_TRUE(QFileInfo(playerTarget + QStringLiteral("/vistrel.exe")).isExecutable());

    // Gathering wrote nothing into the project: its files are the sample's.
    for (const char* own : {"PLANETS.QXJ", "PLANETS.QXQ", "PLANETS.QXR"}) {
        QFile f(SampleDir() + QLatin1String(own));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << own;
        EXPECT_EQ(Dir.Read(QLatin1String(own)), f.readAll()) << own;
    }
}

} // namespace
