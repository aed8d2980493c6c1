#include "distribtest.h"

#include "../common/failingdisk.h"
#include "distrib/distribform.h"
#include "distrib/distribution.h"
#include "distrib/elfdeps.h"
#include "distrib/runtimebundle.h"
#include "model/compiledtest.h"
#include "model/testconfig.h"
#include "platform/help.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

TEST_F(DistribTest, NamesOutsideTheProjectAreRefusedNamingTheEntry)
{
    MakeSample();
    MakePrograms();
    Out.Write(QStringLiteral("secret.txt"), "private");
    QByteArray entries = Dir.Read(QStringLiteral("MATHS.QXR"));
    entries += CommandEntry("leak", "HYPER", 3, "../secret.txt");
    entries += CommandEntry("abs", "INFO", 7, (Out.File(QStringLiteral("secret.txt"))).toUtf8());
    Dir.Write(QStringLiteral("MATHS.QXR"), entries);
    // Refusals are shown, each naming its entry, and nothing is copied.
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    const QString target = Out.File(QStringLiteral("dist"));
    Distribute(target, true);
    const QStringList m = MessageTexts();
    ASSERT_EQ(m.size(), 3);
    EXPECT_TRUE(m[1].startsWith(QStringLiteral("The entry leak names the file \"../secret.txt\""))) << m[1].toStdString();
    EXPECT_TRUE(m[2].startsWith(QStringLiteral("The entry abs names the file"))) << m[2].toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_FALSE(QFileInfo::exists(Out.File(QStringLiteral("dist/secret.txt"))));
    EXPECT_FALSE(IsBareFileName(QStringLiteral("..")));
    EXPECT_FALSE(IsBareFileName(QStringLiteral("a\\b")));
    EXPECT_TRUE(IsBareFileName(QStringLiteral("my picture.bmp")));
}

TEST_F(DistribTest, TruncatedEntryIsReportedAndSkipped)
{
    MakeSample();
    MakePrograms();
    QByteArray entries = Dir.Read(QStringLiteral("MATHS.QXR"));
    entries += "[cut]\r\nsource=HYPER\r\ntype=3\r\n";   // the file ends inside the entry
    Dir.Write(QStringLiteral("MATHS.QXR"), entries);
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Information"));
    const QString target = Out.File(QStringLiteral("dist"));
    Distribute(target, true);
    EXPECT_EQ(MessageTexts().first(), QStringLiteral("The entry cut is incomplete and was skipped."));
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/tune.mid")));
}

TEST_F(DistribTest, GatheringFollowsTheCommandAndDisplayTypes)
{
    MakeSample();
    // Stale fields of an earlier type do not count: only the command value.
    TCommandSpec c{};
    c.CommandType = 3;
    c.CommandValue = QStringLiteral("voice.wav");
    c.Graphic = QStringLiteral("gone.bmp");
    c.MixSound = QStringLiteral("gone.wav");
    QStringList list;
    GatherPresentationFiles(list, c);
    EXPECT_EQ(list, QStringList{QStringLiteral("voice.wav")});
    EXPECT_EQ(CommandFiles(2, QStringLiteral("close.bmp")), QStringList{QStringLiteral("close.bmp")});
    EXPECT_EQ(CommandFiles(6, QStringLiteral("a.jpg,b.wav,30")), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.wav")}));
    EXPECT_EQ(CommandFiles(9, QStringLiteral("gedit letter.txt")), QStringList{QStringLiteral("letter.txt")});
    EXPECT_TRUE(CommandFiles(9, QStringLiteral("gedit absent.txt")).isEmpty());
    EXPECT_TRUE(CommandFiles(10, QStringLiteral("http://example.org/")).isEmpty());
    bool program = false;
    EXPECT_EQ(CommandFiles(4, QStringLiteral("\"my prog\",-x"), &program), QStringList{QStringLiteral("my prog")});
    EXPECT_TRUE(program);
    // "./" names a file of the project directory, as the run resolves it.
    list.clear();
    ExpectMessage(QStringLiteral("Confirm"), 1);
    TCommandSpec run{};
    run.CommandType = 4;
    run.CommandValue = QStringLiteral("./run.sh");
    GatherPresentationFiles(list, run);
    c.CommandValue = QStringLiteral("./voice.wav");
    GatherPresentationFiles(list, c);
    EXPECT_EQ(list, (QStringList{QStringLiteral("run.sh"), QStringLiteral("voice.wav")}));

    list.clear();
    GatherEntryFiles(list, QStringLiteral("HYPER"));
    EXPECT_EQ(list, (QStringList{QStringLiteral("hypwall.bmp"), QStringLiteral("h6.bmp"), QStringLiteral("h6.mid"),
                                 QStringLiteral("notes.txt")}));
    list.clear();
    GatherEntryFiles(list, QStringLiteral("COMMS"));
    EXPECT_EQ(list, QStringList{QStringLiteral("groupback.jpg")});   // the text-only entry names none
}

TEST_F(DistribTest, ExistingTargetWithOlderFilesIsBroughtUpToDate)
{
    MakeSample();
    MakePrograms();
    const QString target = Out.File(QStringLiteral("old"));
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral("/lib")));
    Out.Write(QStringLiteral("old/pic.bmp"), "an older picture");
    Out.Write(QStringLiteral("old/MATHS.EXE"), "an older program");
    QFile::setPermissions(target + QStringLiteral("/MATHS.EXE"), QFile::ReadOwner | QFile::WriteOwner);
    Out.Write(QStringLiteral("old/keep.txt"), "the author's own file");
    // Links an earlier copy left behind are replaced, never followed.
    Out.Write(QStringLiteral("outside.bmp"), "a file outside the folder");
    ASSERT_TRUE(QFile::link(Out.File(QStringLiteral("outside.bmp")), target + QStringLiteral("/voice.wav")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Information"));
    Distribute(target, true);
    EXPECT_EQ(Out.Read(QStringLiteral("old/pic.bmp")), Dir.Read(QStringLiteral("pic.bmp")));
    EXPECT_EQ(Out.Read(QStringLiteral("old/MATHS.EXE")), Dir.Read(QStringLiteral("MATHS.EXE")));
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/MATHS.EXE")).isExecutable());
    EXPECT_EQ(Out.Read(QStringLiteral("old/keep.txt")), QByteArray("the author's own file"));
    EXPECT_EQ(Out.Read(QStringLiteral("outside.bmp")), QByteArray("a file outside the folder"));
    EXPECT_FALSE(QFileInfo(target + QStringLiteral("/voice.wav")).isSymLink());
    EXPECT_EQ(Out.Read(QStringLiteral("old/voice.wav")), Dir.Read(QStringLiteral("voice.wav")));
    for (const QString& f : FilesUnder(target))
        EXPECT_FALSE(QFileInfo(f).fileName().startsWith(u'.')) << f.toStdString();   // no temporary copies
}

TEST_F(DistribTest, LinkedFolderInTheTargetIsRefused)
{
    MakeSample();
    MakePrograms();
    const QString target = Out.File(QStringLiteral("linked"));
    ASSERT_TRUE(QDir().mkpath(target));
    ASSERT_TRUE(QDir().mkpath(Out.File(QStringLiteral("elsewhere"))));
    ASSERT_TRUE(QFile::link(Out.File(QStringLiteral("elsewhere")), target + QStringLiteral("/lib")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Error"));
    Distribute(target, true);
    EXPECT_TRUE(MessageTexts().last().startsWith(QStringLiteral("Unable to create the directory")));
    EXPECT_TRUE(QDir(Out.File(QStringLiteral("elsewhere"))).isEmpty());
}

TEST_F(DistribTest, FullDiskLeavesNoPartialFileAndTheOldTargetWhole)
{
    QByteArray big(300 * 1024, 'm');
    for (int i = 0; i < big.size(); i += 97)
        big[i] = char(i);
    Dir.Write(QStringLiteral("movie.avi"), big);
    Out.Write(QStringLiteral("movie.avi"), "older movie");
    const QString source = Dir.File(QStringLiteral("movie.avi"));
    const QString target = Out.File(QStringLiteral("movie.avi"));
    const TLimitedRun run = RunWithFileSizeLimit(100 * 1024, [&] { CopyDistributionFile(source, target); });
    ASSERT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(target)) << run.Message.toStdString();
    EXPECT_EQ(Out.Read(QStringLiteral("movie.avi")), QByteArray("older movie"));
    EXPECT_TRUE(StrayFiles(Out.Path(), {QStringLiteral("movie.avi")}).isEmpty());
    // A copy onto itself is refused, not truncated.
    EXPECT_THROW(CopyDistributionFile(source, Dir.Path() + QStringLiteral("./movie.avi")), EInOutError);
    EXPECT_EQ(Dir.Read(QStringLiteral("movie.avi")), big);
    // And with room, the copy is whole.
    CopyDistributionFile(source, target);
    EXPECT_EQ(Out.Read(QStringLiteral("movie.avi")), big);
}

TEST_F(DistribTest, ProgramsCarryTheirSearchPathAndTheBundleIsClosed)
{
    const TElfDynamic elf = ReadElfDynamic(ProgramDir + QStringLiteral("quedrix.bin"));
    ASSERT_TRUE(elf.Valid);
    EXPECT_TRUE(elf.Needed.contains(QStringLiteral("libQt6Widgets.so.6")));
    EXPECT_EQ(elf.RPath, QStringList{QStringLiteral("$ORIGIN/lib")});
    // Broken files are not ELF dynamic sections.
    Dir.Write(QStringLiteral("short"), QByteArray("\x7f" "ELF\x02\x01", 6));
    EXPECT_FALSE(ReadElfDynamic(Dir.File(QStringLiteral("short"))).Valid);
    QFile stub(ProgramDir + QStringLiteral("quedrix.bin"));
    ASSERT_TRUE(stub.open(QIODevice::ReadOnly));
    Dir.Write(QStringLiteral("cut"), stub.read(4096));
    EXPECT_FALSE(ReadElfDynamic(Dir.File(QStringLiteral("cut"))).Valid);

    // Every Qt library any shipped file needs is shipped too.
    const TRuntimeBundle b = CollectRuntimeBundle({ProgramDir + QStringLiteral("quedrix.bin")}, ProgramDir);
    QStringList libs;
    for (const TBundleFile& f : b.Files)
        if (f.Target.startsWith(QLatin1String("lib/")))
            libs << f.Target.mid(4);
    for (const TBundleFile& f : b.Files)
        for (const QString& n : ReadElfDynamic(f.Source).Needed)
            EXPECT_TRUE(!IsShippedLibrary(n) || libs.contains(n)) << n.toStdString() << " for " << f.Target.toStdString();
    for (const QString& base : {QStringLiteral("libc.so.6"), QStringLiteral("libX11.so.6"), QStringLiteral("libfontconfig.so.1")})
        EXPECT_TRUE(b.BaseLibraries.contains(base)) << base.toStdString();
    QStringList targets;
    for (const TBundleFile& f : b.Files)
        targets << f.Target;
    // The plugins of the modules reached, and only the ones the programs use.
    EXPECT_TRUE(targets.contains(QStringLiteral("plugins/platforms/libqxcb.so")));
    EXPECT_TRUE(targets.contains(QStringLiteral("plugins/multimedia/libgstreamermediaplugin.so")));
    EXPECT_FALSE(targets.contains(QStringLiteral("plugins/multimedia/libffmpegmediaplugin.so")));
    EXPECT_FALSE(targets.contains(QStringLiteral("plugins/platforms/libqoffscreen.so")));
    EXPECT_TRUE(targets.contains(QStringLiteral("libquendra_qtmedia.so")));
    EXPECT_FALSE(IsShippedLibrary(QStringLiteral("libgstreamer-1.0.so.0")));
    EXPECT_FALSE(IsShippedLibrary(QStringLiteral("libpulse.so.0")));
}

TEST_F(DistribTest, DistributedProgramTakesEveryQtLibraryFromItsFolder)
{
    // A plain test: one question, no media.
    SetConfigDefaults();
    TestConfig.Program.ProgramTitle = QStringLiteral("Student Machine");
    Dir.Write(QStringLiteral("MATHS.QXR"),
              "[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Two and two make?\\par}\r\n]\r\n\r\n");
    MakePrograms();
    ExpectMessage(QStringLiteral("Information"));
    const QString target = Out.File(QStringLiteral("student"));
    Distribute(target, true);
    const QString program = target + QStringLiteral("/MATHS.EXE");

    // The loader's answer, with the system's search path turned away.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral("/nonexistent"));
    QProcess ldd;
    ldd.setProcessEnvironment(env);
    ldd.start(QStringLiteral("ldd"), {program});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    int qt = 0;
    for (const QString& line : QString::fromLocal8Bit(ldd.readAllStandardOutput()).split(u'\n')) {
        const QString name = line.trimmed().section(u' ', 0, 0);
        if (!IsShippedLibrary(name))
            continue;
        ++qt;
        EXPECT_TRUE(line.contains(QStringLiteral("=> ") + target + QStringLiteral("/lib/") + name)) << line.toStdString();
    }
    EXPECT_GE(qt, 5);

    // The plugins open further libraries by name when the program runs: on a
    // display, start it and watch the loader.
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return;   // no display to start the program on: the loader's listing above stands
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("QT_PLUGIN_PATH"));
    QProcess run;
    run.setProcessEnvironment(env);
    run.setWorkingDirectory(target);
    run.start(program, {});
    ASSERT_TRUE(run.waitForStarted(10000));
    run.waitForFinished(4000);
    if (!qEnvironmentVariableIsEmpty("QUENDRA_KEEP_DISTRIBUTION"))
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), target, qEnvironmentVariable("QUENDRA_KEEP_DISTRIBUTION")});
    run.kill();
    run.waitForFinished(5000);
    const QStringList log = QString::fromLocal8Bit(run.readAllStandardError()).split(u'\n');
    QStringList loaded;
    for (const QString& line : log) {
        const qsizetype at = line.indexOf(QStringLiteral("calling init: "));
        if (at >= 0)
            loaded << line.mid(at + 14).trimmed();
    }
    int qtLoaded = 0;
    bool xcb = false;
    for (const QString& path : loaded) {
        const QString name = QFileInfo(path).fileName();
        if (name == QLatin1String("libqxcb.so"))
            xcb = path.startsWith(target + QStringLiteral("/plugins/"));
        if (!IsShippedLibrary(name))
            continue;
        ++qtLoaded;
        EXPECT_EQ(path, target + QStringLiteral("/lib/") + name);
    }
    EXPECT_TRUE(xcb) << loaded.join(u'\n').toStdString();
    EXPECT_GE(qtLoaded, 7);
    EXPECT_TRUE(loaded.contains(target + QStringLiteral("/lib/libQt6XcbQpa.so.6")));
}

TEST_F(DistribTest, DialogOpensOnTheProjectAndAnswersAnAbsoluteFolder)
{
    QString target;
    bool executable = true;
    OnModal(QStringLiteral("TDistribForm"), [this](QDialog& d) {
        auto& form = static_cast<TDistribForm&>(d);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(HelpContextOf(&form), 290);
        EXPECT_EQ(form.Edit1->text() + u'/', Dir.Path());
        EXPECT_TRUE(form.RadioButton2->isChecked());
        EXPECT_EQ(form.RadioButton1->accessibleName(), QStringLiteral("Compiled Test"));
        EXPECT_EQ(form.GroupBox1->title(), QStringLiteral(" Program to Distribute "));
        form.Edit1->setText(QStringLiteral("dist"));   // relative: inside the project folder
        form.RadioButton1->setChecked(true);
        form.BitBtn1Click();
    });
    ASSERT_TRUE(RunDistribDialog(target, executable));
    EXPECT_EQ(target, Dir.Path() + QStringLiteral("dist/"));
    EXPECT_FALSE(executable);
    OnModal(QStringLiteral("TDistribForm"), [](QDialog& d) { static_cast<TDistribForm&>(d).BitBtn2->click(); });
    EXPECT_FALSE(RunDistribDialog(target, executable));
}
