#include "distribtest.h"

#include "distrib/distribform.h"
#include "distrib/distribution.h"
#include "model/compiledtest.h"
#include "model/testconfig.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

const QStringList DistribTest::SampleMedia = {
    // configuration: opening (type 6), closing (type 2 without a comma),
    // about icon, introduction wallpaper, program icon, help file, background
    "open.jpg", "open.wav", "close.bmp", "about.ico", "introwall.bmp", "prog.ico", "help.htm", "back.jpg",
    // HYPER: type 5 with a wallpaper, type 6, type 13 notes
    "hypwall.bmp", "h6.bmp", "h6.mid",
    "notes.txt",
    // INFO: 2, 3, 4 (answered Yes), 7, 8, 9 (file), 10
    "pic.bmp", "voice.wav", "run.sh", "movie.avi", "tune.mid", "letter.txt", "page.htm",
    // COMMS: type 5 with a graphic
    "groupback.jpg",
};

void DistribTest::SetUp()
{
    QuendraTest::SetUp();
    Dir.UseAsProject(QStringLiteral("MATHS"));
    ProgramDir = QStringLiteral(QUENDRA_BIN_DIR) + u'/';
}

QByteArray DistribTest::CommandEntry(const QByteArray& name, const QByteArray& source, int type,
                                     const QByteArray& command)
{
    return "[" + name + "]\r\nsource=" + source + "\r\ntype=" + QByteArray::number(type) + "\r\ncommand=" + command
        + "\r\n]\r\n\r\n";
}

QByteArray DistribTest::DisplayEntry(const QByteArray& name, const QByteArray& source, int type, int displayType,
                                     const QByteArray& graphic, const QByteArray& wallpaper)
{
    return "[" + name + "]\r\nsource=" + source + "\r\ntype=" + QByteArray::number(type)
        + "\r\ndisplaytype=" + QByteArray::number(displayType) + "\r\nfullscreen=false\r\nSbackcolor=clSilver\r\n"
        + "SGraphic=" + graphic + "\r\nSWallpaper=" + wallpaper + "\r\nVPBack=clWhite\r\nVPLeft=120\r\n"
        + "VPTop=80\r\nVPWidth=400\r\nVPHeight=200\r\nRLTop=1\r\nRLLeft=1\r\nprint=false\r\ntext=\r\n"
        + "{\\rtf1 x}\r\n]\r\n\r\n";
}

void DistribTest::MakeSample()
{
    SetConfigDefaults();
    TPresentation& p = TestConfig.Presentation;
    p.OpeningEnabled = true;
    p.Opening.CommandType = 6;
    p.Opening.CommandValue = QStringLiteral("open.jpg,open.wav,20");
    p.Opening.Graphic = QStringLiteral("stale-unused.bmp");   // from an earlier type: not there
    p.ClosingEnabled = true;
    p.Closing.CommandType = 2;
    p.Closing.CommandValue = QStringLiteral("close.bmp");
    p.AboutEnabled = true;
    p.About.UseIcon = true;
    p.About.IconFile = QStringLiteral("about.ico");
    p.IntroEnabled = true;
    p.Intro.Display.DisplayType = 3;
    p.Intro.Display.SWallpaper = QStringLiteral("introwall.bmp");
    p.Intro.Display.SGraphic = QStringLiteral("old-intro.jpg");   // not shown, not there
    TProgramSettings& g = TestConfig.Program;
    g.ProgramTitle = QStringLiteral("Maths Test");
    g.UseIcon = true;
    g.IconFile = QStringLiteral("prog.ico");
    g.UseHelpFile = true;
    g.HelpFile = QStringLiteral("help.htm");
    g.BackgroundKind = 2;
    g.BackgroundGraphic = QStringLiteral("back.jpg");

    QByteArray entries;
    entries += "[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1 x}\r\n]\r\n\r\n";
    entries += DisplayEntry("wall", "HYPER", 5, 3, "", "hypwall.bmp");
    entries += CommandEntry("both", "HYPER", 6, "h6.bmp,h6.mid,20");
    entries += CommandEntry("pad", "HYPER", 13, "notes.txt");
    entries += CommandEntry("Q1^INFO^", "INFO", 2, "pic.bmp,0");
    entries += CommandEntry("Q1^EXP^", "INFO", 3, "voice.wav");
    entries += CommandEntry("Q1^RT^", "INFO", 4, "run.sh,-x");
    entries += CommandEntry("Q2^INFO^", "INFO", 7, "movie.avi");
    entries += CommandEntry("Q2^EXP^", "INFO", 8, "tune.mid");
    entries += CommandEntry("Q2^RT^", "INFO", 9, "gedit letter.txt");
    entries += CommandEntry("Q2^WG^", "INFO", 10, "page.htm");
    entries += CommandEntry("Q3^INFO^", "INFO", 2, "pic.bmp,5");      // the same picture again
    entries += CommandEntry("Q3^EXP^", "INFO", 9, "gedit absent.txt"); // not there: nothing, no message
    entries += CommandEntry("Q3^RT^", "INFO", 10, "https://example.org/a.htm");
    entries += DisplayEntry("GROUP 1 FEEDBACK", "COMMS", 5, 2, "groupback.jpg", "");
    entries += DisplayEntry("GROUP 2 FEEDBACK", "COMMS", 1, 2, "textonly.jpg", "");
    Dir.Write(QStringLiteral("MATHS.QXR"), entries);
    for (const QString& m : SampleMedia)
        Dir.Write(m, "media " + m.toLatin1());
    QFile::setPermissions(Dir.File(QStringLiteral("run.sh")),
                          QFile::permissions(Dir.File(QStringLiteral("run.sh"))) | QFile::ExeOwner);
    Dir.Write(QStringLiteral("unrelated.bmp"), "not named by the test");
}

void DistribTest::MakePrograms()
{
    QByteArray question(55, '\0');
    question[6] = 2;
    question[7] = 'Q';
    question[8] = '1';
    question[39] = 4;
    question[43] = 1;
    Dir.Write(QStringLiteral("MATHS.QXQ"), question);
    ASSERT_TRUE(BuildCompiledTest());
    WriteExecutable(ProgramDir + QStringLiteral("quedrix.bin"), CompiledTestPath(), ExecutablePath());
}

void DistribTest::Distribute(const QString& target, bool executable)
{
    OnModal(QStringLiteral("TDistribForm"), [target, executable](QDialog& d) {
        auto& form = static_cast<TDistribForm&>(d);
        EXPECT_TRUE(form.RadioButton2->isChecked());   // the executable, when it opens
        form.Edit1->setText(target);
        (executable ? form.RadioButton2 : form.RadioButton1)->setChecked(true);
        form.BitBtn1Click();
        if (d.result() != QDialog::Accepted)
            d.reject();
    });
    PrepareDistribution();
}

QStringList DistribTest::FilesUnder(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}
