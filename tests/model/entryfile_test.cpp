// Entry-file routines against file contents written out by hand.
#include <gtest/gtest.h>

#include "bytes.h"
#include "../common/failingdisk.h"

#include "model/processvalues.h"
#include "model/entryfile.h"
#include "model/entrytable.h"
#include "model/fileutil.h"
#include "model/errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <vector>

using namespace TestBytes;

namespace {

class EntryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAllProcessValues();
        ASSERT_TRUE(FDir.isValid());
        F = FDir.filePath(QStringLiteral("MATHS.QXR"));
    }
    void Put(const QByteArray& data)
    {
        QFile f(F);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }
    QByteArray Get(const QString& path = QString()) const
    {
        QFile f(path.isEmpty() ? F : path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }
    // Nothing but the entry file (and what a test made on purpose) is left.
    QStringList Files() const { return QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir FDir;
    QString F;
};

TEntryDisplay Display()
{
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    return d;
}

const QByteArray CmdA = "[Alpha]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP,20\r\n]\r\n\r\n";
const QByteArray CmdB = "[Beta]\r\nsource=INFO\r\ntype=10\r\ncommand=page.htm\r\n]\r\n\r\n";

TEST_F(EntryFile, AppendsCreateTheFileAndAddOneEntryWithItsEmptyLine)
{
    EXPECT_FALSE(QFile::exists(F));
    AppendCommandEntry(F, QStringLiteral("Alpha"), 2, QStringLiteral("hyper"), QStringLiteral("PIC.BMP,20"));
    EXPECT_EQ(Get(), CmdA);
    AppendCommandEntry(F, QStringLiteral("Beta"), 10, QStringLiteral("INFO"), QStringLiteral("page.htm"));
    EXPECT_EQ(Get(), CmdA + CmdB);

    TEntryDisplay d = Display();
    d.SBackColor = 0x123456u;
    d.SGraphic = QStringLiteral("back.bmp");
    AppendDisplayEntry(F, QStringLiteral("Q1^INFO^"), 5, QStringLiteral("INFO"),
                       {QStringLiteral("{\\rtf1 x"), QStringLiteral("}")}, d);
    const QByteArray disp = "[Q1^INFO^]\r\nsource=INFO\r\ntype=5\r\ndisplaytype=1\r\nfullscreen=true\r\n"
                            "Sbackcolor=$00123456\r\nSGraphic=back.bmp\r\nSWallpaper=\r\nVPBack=clWhite\r\n"
                            "VPLeft=120\r\nVPTop=80\r\nVPWidth=400\r\nVPHeight=200\r\nRLTop=1\r\nRLLeft=1\r\n"
                            "print=false\r\ntext=\r\n{\\rtf1 x\r\n}\r\n]\r\n\r\n";
    EXPECT_EQ(Get(), CmdA + CmdB + disp);

    AppendIntroEntry(F, {QStringLiteral("intro")});
    AppendQuestionEntry(F, QStringLiteral("Q1"), {QStringLiteral("{\\rtf1 Q}")});
    EXPECT_EQ(Get(), CmdA + CmdB + disp + "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nintro\r\n]\r\n\r\n"
                         "[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1 Q}\r\n]\r\n\r\n");

    // Windows-1252 on disk; a line break inside a value is stored as a space.
    AppendCommandEntry(F, QStringLiteral("\u00e9t\u20ac"), 4, QStringLiteral("HYPER"), QStringLiteral("a\nb"));
    EXPECT_TRUE(Get().endsWith("[\xe9t\x80]\r\nsource=HYPER\r\ntype=4\r\ncommand=a b\r\n]\r\n\r\n"));
    QStringList lines;
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("\u00c9T\u20ac"), QStringLiteral("hyper"), lines));
    EXPECT_EQ(lines, QStringList({QStringLiteral("\u00e9t\u20ac"), QStringLiteral("source=HYPER"),
                                  QStringLiteral("type=4"), QStringLiteral("command=a b"), QStringLiteral("]")}));
}

TEST_F(EntryFile, AppendAfterALastLineWithoutLineEndStartsANewLine)
{
    Put("[A]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]");
    AppendCommandEntry(F, QStringLiteral("B"), 3, QStringLiteral("HYPER"), QStringLiteral("y.wav"));
    EXPECT_EQ(Get(), "[A]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n"
                     "[B]\r\nsource=HYPER\r\ntype=3\r\ncommand=y.wav\r\n]\r\n\r\n");
}

TEST_F(EntryFile, ReplaceKeepsThePlaceAndOneEmptyLine)
{
    const QByteArray c = "[Gamma]\r\nsource=HYPER\r\ntype=13\r\ncommand=notes.txt\r\n]\r\n\r\n";
    Put(CmdA + CmdB + c);
    ReplaceCommandEntry(F, QStringLiteral("Beta2"), QStringLiteral("BETA"), QStringLiteral("info"),
                        QStringLiteral("other.htm"), 10);
    const QByteArray b2 = "[Beta2]\r\nsource=INFO\r\ntype=10\r\ncommand=other.htm\r\n]\r\n\r\n";
    EXPECT_EQ(Get(), CmdA + b2 + c);

    // A command entry becomes a display entry in the same place.
    TEntryDisplay d = Display();
    d.FullScreen = false;
    d.Print = true;
    d.VPBack = 0x80000005u;
    d.DisplayType = 3;
    d.SWallpaper = QStringLiteral("tile.bmp");
    ReplaceDisplayEntry(F, QStringLiteral("Alpha"), QStringLiteral("alpha"), QStringLiteral("HYPER"),
                        {QStringLiteral("t")}, d, 1);
    const QByteArray a2 = "[Alpha]\r\nsource=HYPER\r\ntype=1\r\ndisplaytype=3\r\nfullscreen=false\r\n"
                          "Sbackcolor=clSilver\r\nSGraphic=\r\nSWallpaper=tile.bmp\r\nVPBack=clWindow\r\n"
                          "VPLeft=120\r\nVPTop=80\r\nVPWidth=400\r\nVPHeight=200\r\nRLTop=1\r\nRLLeft=1\r\n"
                          "print=true\r\ntext=\r\nt\r\n]\r\n\r\n";
    EXPECT_EQ(Get(), a2 + b2 + c);

    // A missing target, or the right name under another source, changes nothing.
    ReplaceCommandEntry(F, QStringLiteral("X"), QStringLiteral("Gamma"), QStringLiteral("INFO"),
                        QStringLiteral("z"), 2);
    EXPECT_EQ(Get(), a2 + b2 + c);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("MATHS.QXR")});

    // Display entry round trip: everything but RLTop and RLLeft comes back.
    QStringList lines, text;
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("Alpha"), QStringLiteral("HYPER"), lines));
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(EntryTypeCode(lines), 1);
    TEntryDisplay back;
    std::memset(&back, 0, sizeof back);
    back.RLTop = 7;
    back.RLLeft = 8;
    ParseDisplayEntry(lines, back, text);
    EXPECT_EQ(text, QStringList{QStringLiteral("t")});
    EXPECT_EQ(back.RLTop.get(), 7);
    EXPECT_EQ(back.RLLeft.get(), 8);
    back.RLTop = 1;
    back.RLLeft = 1;
    EXPECT_EQ(std::memcmp(&back.VPBack, &d.VPBack, 13), 0);
    EXPECT_EQ(back.SGraphic.str(), d.SGraphic.str());
    EXPECT_EQ(back.SWallpaper.str(), QStringLiteral("tile.bmp"));
    EXPECT_EQ(back.VPLeft.get(), 120);
    EXPECT_EQ(back.VPHeight.get(), 200);
    EXPECT_TRUE(back.Print);
    EXPECT_FALSE(back.FullScreen);
}

TEST_F(EntryFile, DeleteDownToNoFileAndAppendCreatesItAgain)
{
    Put(CmdA + CmdB);
    DeleteEntry(F, QStringLiteral("alpha"), QStringLiteral("HYPER"));
    EXPECT_EQ(Get(), CmdB);
    DeleteEntry(F, QStringLiteral("Beta"), QStringLiteral("HYPER"));   // other source: kept
    EXPECT_EQ(Get(), CmdB);
    DeleteEntry(F, QStringLiteral("Beta"), QStringLiteral("INFO"));
    EXPECT_FALSE(QFile::exists(F));
    EXPECT_TRUE(Files().isEmpty());
    DeleteEntry(F, QStringLiteral("Beta"), QStringLiteral("INFO"));   // no file: nothing happens
    AppendCommandEntry(F, QStringLiteral("Alpha"), 2, QStringLiteral("HYPER"), QStringLiteral("PIC.BMP,20"));
    EXPECT_EQ(Get(), CmdA);

    // Every matching entry goes; a stray line between entries stays.
    Put(CmdA + "stray\r\n" + CmdA + CmdB);
    DeleteEntry(F, QStringLiteral("Alpha"), QStringLiteral("HYPER"));
    EXPECT_EQ(Get(), "stray\r\n" + CmdB);
}

TEST_F(EntryFile, NamesUnderTwoSourcesAndLastWins)
{
    const QByteArray infoX = "[X]\r\nsource=INFO\r\ntype=3\r\ncommand=one.wav\r\n]\r\n\r\n";
    const QByteArray hyperX1 = "[X]\r\nsource=HYPER\r\ntype=3\r\ncommand=first.wav\r\n]\r\n\r\n";
    const QByteArray hyperX2 = "[x]\r\nsource=HYPER\r\ntype=3\r\ncommand=second.wav\r\n]\r\n\r\n";
    Put(infoX + hyperX1 + CmdB + hyperX2);
    QStringList lines;
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("X"), QStringLiteral("INFO"), lines));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=one.wav"));
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("X"), QStringLiteral("HYPER"), lines));
    EXPECT_EQ(lines, QStringList({QStringLiteral("x"), QStringLiteral("source=HYPER"), QStringLiteral("type=3"),
                                  QStringLiteral("command=second.wav"), QStringLiteral("]")}));
    EXPECT_FALSE(ReadEntry(F, QStringLiteral("X"), QStringLiteral("COMMS"), lines));
    EXPECT_TRUE(lines.isEmpty());

    QStringList names{QStringLiteral("kept")};
    ListEntryNames(names, F, QStringLiteral("hyper"));
    EXPECT_EQ(names, QStringList({QStringLiteral("kept"), QStringLiteral("X"), QStringLiteral("x")}));
    EXPECT_TRUE(EntrySourceExists(F, QStringLiteral("INFO")));
    EXPECT_FALSE(EntrySourceExists(F, QStringLiteral("COMMS")));

    // No file: empty answers, nothing created.
    const QString none = FDir.filePath(QStringLiteral("NONE.QXR"));
    names.clear();
    ListEntryNames(names, none, QStringLiteral("HYPER"));
    EXPECT_TRUE(names.isEmpty());
    EXPECT_FALSE(ReadEntry(none, QStringLiteral("X"), QStringLiteral("HYPER"), lines));
    EXPECT_FALSE(EntrySourceExists(none, QStringLiteral("HYPER")));
    EXPECT_FALSE(EntryNameTaken(none, QStringLiteral("X"), QString(), QStringLiteral("HYPER")));
    EXPECT_FALSE(QFile::exists(none));

    // Names on disk whose letter case differs from the path given are found.
    const QString lower = FDir.filePath(QStringLiteral("maths.qxr"));
    QFile::rename(F, lower);
    EXPECT_TRUE(ReadEntry(F, QStringLiteral("x"), QStringLiteral("INFO"), lines));
}

TEST_F(EntryFile, NamesAndSourcesCompareWithoutCaseBeyondAscii)
{
    // Windows-1252 names with accented and other letters, a source written in
    // lower case and one the program never writes.
    Put("[\xe9t\xe9]\r\nsource=hyper\r\ntype=3\r\ncommand=one.wav\r\n]\r\n\r\n"
        "[Stra\xdf" "e \x8a]\r\nsource=Custom\r\ntype=3\r\ncommand=two.wav\r\n]\r\n\r\n"
        "[\xc9T\xc9]\r\nsource=INFO\r\ntype=3\r\ncommand=three.wav\r\n]\r\n\r\n");
    QStringList lines;
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("\u00c9t\u00e9"), QStringLiteral("HYPER"), lines));
    EXPECT_EQ(lines.value(0), QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=one.wav"));
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("\u00e9t\u00e9"), QStringLiteral("info"), lines));
    EXPECT_EQ(lines.value(0), QStringLiteral("\u00c9T\u00c9"));
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("stra\u00dfe \u0161"), QStringLiteral("custom"), lines));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=two.wav"));
    EXPECT_FALSE(ReadEntry(F, QStringLiteral("\u00e9t\u00e9"), QStringLiteral("COMMS"), lines));
    EXPECT_FALSE(ReadEntry(F, QStringLiteral("ete"), QStringLiteral("HYPER"), lines));

    QStringList names;
    ListEntryNames(names, F, QStringLiteral("custom"));
    EXPECT_EQ(names, QStringList{QStringLiteral("Stra\u00dfe \u0160")});
    EXPECT_TRUE(EntrySourceExists(F, QStringLiteral("CUSTOM")));
    EXPECT_TRUE(EntrySourceExists(F, QStringLiteral("Hyper")));
    EXPECT_FALSE(EntrySourceExists(F, QStringLiteral("QUEST")));
    EXPECT_TRUE(EntryNameTaken(F, QStringLiteral("\u00c9T\u00e9"), QString(), QStringLiteral("HYPER")));
}

TEST_F(EntryFile, EntryNameTakenCaseRules)
{
    Put("[A]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n\r\n");
    EXPECT_TRUE(EntryNameTaken(F, QStringLiteral("A"), QString(), QStringLiteral("HYPER")));
    EXPECT_TRUE(EntryNameTaken(F, QStringLiteral("a"), QString(), QStringLiteral("hyper")));
    EXPECT_FALSE(EntryNameTaken(F, QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("HYPER")));
    EXPECT_TRUE(EntryNameTaken(F, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("HYPER")));
    EXPECT_FALSE(EntryNameTaken(F, QStringLiteral("A"), QString(), QStringLiteral("INFO")));
    EXPECT_FALSE(EntryNameTaken(F, QStringLiteral("C"), QString(), QStringLiteral("HYPER")));
}

TEST_F(EntryFile, QuestionTextsAreMatchedByExactHeaderAndSource)
{
    // A hyperlink named like the question comes first, another question differs in case.
    const QByteArray hyperQ = "[Q1]\r\nsource=HYPER\r\ntype=10\r\ncommand=a.htm\r\n]\r\n\r\n";
    const QByteArray questQ = "[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1\r\nold}\r\n]\r\n\r\n";
    const QByteArray questq = "[q1]\r\nsource=QUEST\r\ntext=\r\nlower\r\n]\r\n\r\n";
    const QByteArray intro = "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nhello\r\n]\r\n\r\n";
    Put(hyperQ + questQ + questq + intro);

    QStringList text{QStringLiteral("kept")};
    ASSERT_TRUE(ReadQuestionEntry(F, QStringLiteral("Q1"), text));
    EXPECT_EQ(text, QStringList({QStringLiteral("kept"), QStringLiteral("{\\rtf1"), QStringLiteral("old}")}));
    text.clear();
    ASSERT_TRUE(ReadQuestionEntry(F, QStringLiteral("q1"), text));
    EXPECT_EQ(text, QStringList{QStringLiteral("lower")});
    EXPECT_FALSE(ReadQuestionEntry(F, QStringLiteral("Q2"), text));

    ReplaceQuestionEntry(F, QStringLiteral("Q1"), {QStringLiteral("new")});
    const QByteArray questNew = "[Q1]\r\nsource=QUEST\r\ntext=\r\nnew\r\n]\r\n\r\n";
    EXPECT_EQ(Get(), hyperQ + questNew + questq + intro);

    text.clear();
    ASSERT_TRUE(ReadIntroEntry(F, text));
    EXPECT_EQ(text, QStringList{QStringLiteral("hello")});
    ReplaceIntroEntry(F, {QStringLiteral("one"), QStringLiteral("two")});
    EXPECT_EQ(Get(), hyperQ + questNew + questq
                         + "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\none\r\ntwo\r\n]\r\n\r\n");
    EXPECT_EQ(Files(), QStringList{QStringLiteral("MATHS.QXR")});

    // A hyperlink whose name starts like the introduction is not the introduction.
    Put("[^INTROS]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n\r\n");
    EXPECT_FALSE(ReadIntroEntry(F, text));
}

TEST_F(EntryFile, ColourNamesAndDollarForms)
{
    EXPECT_EQ(ColorToText(0x000000), QStringLiteral("clBlack"));
    EXPECT_EQ(ColorToText(0x000080), QStringLiteral("clMaroon"));
    EXPECT_EQ(ColorToText(0x008080), QStringLiteral("clOlive"));
    EXPECT_EQ(ColorToText(0x808000), QStringLiteral("clTeal"));
    EXPECT_EQ(ColorToText(0xC0C0C0), QStringLiteral("clSilver"));
    EXPECT_EQ(ColorToText(0x0000FF), QStringLiteral("clRed"));
    EXPECT_EQ(ColorToText(0x00FFFF), QStringLiteral("clYellow"));
    EXPECT_EQ(ColorToText(0xFF00FF), QStringLiteral("clFuchsia"));
    EXPECT_EQ(ColorToText(0xFFFF00), QStringLiteral("clAqua"));
    EXPECT_EQ(ColorToText(0xFFFFFF), QStringLiteral("clWhite"));
    EXPECT_EQ(ColorToText(0x80000000), QStringLiteral("clScrollBar"));
    EXPECT_EQ(ColorToText(0x8000000F), QStringLiteral("clBtnFace"));
    EXPECT_EQ(ColorToText(0x80000018), QStringLiteral("clInfoBk"));
    EXPECT_EQ(ColorToText(0x1FFFFFFF), QStringLiteral("clNone"));
    EXPECT_EQ(ColorToText(0x00ABCDEF), QStringLiteral("$00ABCDEF"));
    EXPECT_EQ(ColorToText(0x80000019), QStringLiteral("$80000019"));
    EXPECT_EQ(ColorToText(0x00000001), QStringLiteral("$00000001"));

    EXPECT_EQ(TextToColor(QStringLiteral("clNavy")), 0x800000u);
    EXPECT_EQ(TextToColor(QStringLiteral("CLNAVY")), 0x800000u);
    EXPECT_EQ(TextToColor(QStringLiteral("cl3ddkshadow")), 0x80000015u);
    EXPECT_EQ(TextToColor(QStringLiteral("clInactiveCaptionText")), 0x80000013u);
    EXPECT_EQ(TextToColor(QStringLiteral("$00ABCDEF")), 0x00ABCDEFu);
    EXPECT_EQ(TextToColor(QStringLiteral("$80000019")), 0x80000019u);
    EXPECT_EQ(TextToColor(QStringLiteral("255")), 0xFFu);
    EXPECT_THROW(TextToColor(QStringLiteral("clMauve")), EConvertError);
    EXPECT_THROW(TextToColor(QString()), EConvertError);
    EXPECT_THROW(TextToColor(QStringLiteral("$1G")), EConvertError);
    // Every value written reads back.
    for (quint32 v : {0x0u, 0x808080u, 0xFF0000u, 0x00FF00u, 0x80000012u, 0x1FFFFFFFu, 0x00102030u})
        EXPECT_EQ(TextToColor(ColorToText(v)), v);
}

TEST_F(EntryFile, EarlierCommandFormatIsConverted)
{
    const QByteArray disp = "[D]\r\nsource=INFO\r\ntype=1\r\ndisplaytype=1\r\nfullscreen=true\r\n"
                            "Sbackcolor=clSilver\r\nSGraphic=\r\nSWallpaper=\r\nVPBack=clWhite\r\nVPLeft=1\r\n"
                            "VPTop=1\r\nVPWidth=1\r\nVPHeight=1\r\nRLTop=1\r\nRLLeft=1\r\nprint=false\r\n"
                            "text=\r\ntype=2\r\na b c\r\n]\r\n\r\n";
    Put("[G]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP 50\r\n]\r\n\r\n"
        "[S]\r\nsource=INFO\r\ntype=6\r\ncommand=PIC.BMP TUNE.WAV 30 x\r\n]\r\n\r\n"
        "[P]\r\nsource=HYPER\r\ntype=4\r\ncommand=prog a b\r\n]\r\n\r\n"
        "[N]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP,50\r\n]\r\n\r\n"
        + disp);
    ConvertEntryCommands(F);
    EXPECT_EQ(Get(), "[G]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP,50\r\n]\r\n\r\n"
                     "[S]\r\nsource=INFO\r\ntype=6\r\ncommand=PIC.BMP,TUNE.WAV,30 x\r\n]\r\n\r\n"
                     "[P]\r\nsource=HYPER\r\ntype=4\r\ncommand=prog a b\r\n]\r\n\r\n"
                     "[N]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP,50\r\n]\r\n\r\n"
                     + disp);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("MATHS.QXR")});
    ConvertEntryCommands(FDir.filePath(QStringLiteral("NONE.QXR")));   // no file: nothing
    EXPECT_EQ(Files(), QStringList{QStringLiteral("MATHS.QXR")});
}

TEST_F(EntryFile, CompiledBlockOfHyperThenInfo)
{
    Put("[X]\r\nsource=HYPER\r\ntype=3\r\ncommand=x.wav\r\n]\r\n\r\n"
        "between\r\n"
        "[Y]\r\nsource=INFO\r\ntype=10\r\ncommand=y.htm\r\n]\r\n\r\n");
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    const QByteArray x = "[X]\r\nHYPER\r\ntype=3\r\ncommand=x.wav\r\n";   // 5 + 7 + 8 + 15
    const QByteArray y = "[Y]\r\nINFO\r\ntype=10\r\ncommand=y.htm\r\n";   // 5 + 6 + 9 + 15
    ASSERT_EQ(x.size(), 35);
    ASSERT_EQ(y.size(), 35);
    const QByteArray expected = QByteArray("\x03XR1\x00", 5) + Le32(2) + Le32(83) + x + y
        + Short("[X]", 60) + Le32(13) + Le32(35) + Short("HYPER", 10)
        + Short("[Y]", 60) + Le32(48) + Le32(35) + Short("INFO", 10);
    EXPECT_EQ(Get(FDir.filePath(QStringLiteral("MATHS.$$$"))), expected);

    // Compiling again gives the same bytes; no entry file gives nothing.
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    EXPECT_EQ(Get(FDir.filePath(QStringLiteral("MATHS.$$$"))), expected);
    EXPECT_FALSE(CompileEntryFile(FDir.filePath(QStringLiteral("NONE.QXR")), QStringLiteral("$$$")));
    EXPECT_FALSE(QFile::exists(FDir.filePath(QStringLiteral("NONE.$$$"))));

    // A file without entries gives the 13-byte header alone; long headers are cut to 60.
    Put("\r\nnothing\r\n");
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    EXPECT_EQ(Get(FDir.filePath(QStringLiteral("MATHS.$$$"))), QByteArray("\x03XR1\x00", 5) + Le32(0) + Le32(0));
    const QByteArray longName(70, 'n');
    Put("[" + longName + "]\r\nsource=HYPER\r\n]\r\n");
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    const QByteArray block = Get(FDir.filePath(QStringLiteral("MATHS.$$$")));
    const QByteArray data = "[" + longName + "]\r\nHYPER\r\n";
    EXPECT_EQ(block, QByteArray("\x03XR1\x00", 5) + Le32(1) + Le32(13 + data.size()) + data
                         + Short("[" + longName.left(59), 60) + Le32(13) + Le32(data.size()) + Short("HYPER", 10));
}

TEST_F(EntryFile, MalformedFilesNeverBreakTheReaders)
{
    // Missing terminator: the entry ends at the next entry, which stays intact.
    Put("[A]\r\nsource=HYPER\r\ntype=3\r\ncommand=a.wav\r\n"
        "[B]\r\nsource=HYPER\r\ntype=3\r\ncommand=b.wav\r\n]\r\n\r\n");
    QStringList lines;
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("A"), QStringLiteral("HYPER"), lines));
    EXPECT_EQ(lines, QStringList({QStringLiteral("A"), QStringLiteral("source=HYPER"), QStringLiteral("type=3"),
                                  QStringLiteral("command=a.wav"), QStringLiteral("]")}));
    DeleteEntry(F, QStringLiteral("A"), QStringLiteral("HYPER"));
    EXPECT_EQ(Get(), "[B]\r\nsource=HYPER\r\ntype=3\r\ncommand=b.wav\r\n]\r\n\r\n");

    // A header without a source line is an ordinary line; a line "[...]" in a
    // text does not end it unless a source line follows.
    Put("[Lost]\r\nno source\r\n]\r\n\r\n[Q]\r\nsource=QUEST\r\ntext=\r\n[bracket]\r\n]x\r\n]\r\n\r\n");
    EXPECT_FALSE(ReadEntry(F, QStringLiteral("Lost"), QString(), lines));
    QStringList text;
    ASSERT_TRUE(ReadQuestionEntry(F, QStringLiteral("Q"), text));
    EXPECT_EQ(text, QStringList({QStringLiteral("[bracket]"), QStringLiteral("]x")}));

    // A display entry with too few lines, a bad number or a bad colour: an error naming the entry.
    TEntryDisplay d = Display();
    QStringList shortEntry{QStringLiteral("Short"), QStringLiteral("source=INFO"), QStringLiteral("type=1")};
    try {
        ParseDisplayEntry(shortEntry, d, text);
        ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("\"Short\""))) << e.what();
    }
    Put("[Bad]\r\nsource=INFO\r\ntype=1\r\ndisplaytype=1z\r\nfullscreen=true\r\nSbackcolor=clPink\r\n"
        "SGraphic=\r\nSWallpaper=\r\nVPBack=clWhite\r\nVPLeft=1\r\nVPTop=1\r\nVPWidth=1\r\nVPHeight=1\r\n"
        "RLTop=1\r\nRLLeft=1\r\nprint=false\r\ntext=\r\n]\r\n\r\n");
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("Bad"), QStringLiteral("INFO"), lines));
    const TEntryDisplay before = d;
    try {
        ParseDisplayEntry(lines, d, text);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("\"Bad\""))) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("1z"))) << e.what();
    }
    EXPECT_EQ(std::memcmp(&before, &d, sizeof d), 0);
    lines[3] = QStringLiteral("displaytype=2");
    EXPECT_THROW(ParseDisplayEntry(lines, d, text), EConvertError);   // clPink
    lines[2] = QStringLiteral("type=z");
    EXPECT_THROW(EntryTypeCode(lines), EConvertError);
    lines[2] = QStringLiteral("type=135");   // two characters at most
    EXPECT_EQ(EntryTypeCode(lines), 13);

    // Empty, garbage and LF-only files.
    Put("");
    EXPECT_FALSE(ReadEntry(F, QStringLiteral(""), QString(), lines));
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    Put(QByteArray("\x00\xff[\r\r\n]\n[", 9));
    EXPECT_FALSE(EntrySourceExists(F, QStringLiteral("HYPER")));
    ASSERT_TRUE(CompileEntryFile(F, QStringLiteral("$$$")));
    Put("[L]\nsource=HYPER\ntype=8\ncommand=m.mid\n]\n\n");
    ASSERT_TRUE(ReadEntry(F, QStringLiteral("l"), QStringLiteral("HYPER"), lines));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=m.mid"));
}

TEST_F(EntryFile, IndexFollowsChangesMadeBehindItsBack)
{
    QStringList lines;
    const auto command = [&] {
        EXPECT_TRUE(ReadEntry(F, QStringLiteral("Alpha"), QStringLiteral("HYPER"), lines));
        return lines.value(3);
    };
    // Same-size rewrites of the command, by this process's writers (Put notes
    // its write) or by another program (nothing noted).
    QByteArray text = CmdA;
    const auto rewrite = [&](const char* from, const char* to, bool noted) {
        text.replace(from, to);
        if (noted) {
            Put(text);
            return;
        }
        QFile f(F);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(text), text.size());
    };
    Put(text);
    command();
    // At once, and after the file has aged.
    rewrite("PIC.BMP,20", "PIC.BMP,99", true);
    EXPECT_EQ(command(), QStringLiteral("command=PIC.BMP,99"));
    QThread::msleep(120);
    command();
    rewrite("PIC.BMP,99", "PIC.BMP,42", true);
    EXPECT_EQ(command(), QStringLiteral("command=PIC.BMP,42"));

    // Another program's change is seen at once: the table is checked
    // against the file's identity on every call, never trusted for a while.
    QThread::msleep(120);
    command();
    rewrite("PIC.BMP,42", "PIC.BMP,17", false);
    EXPECT_EQ(command(), QStringLiteral("command=PIC.BMP,17"));

    // A snapshot keeps answering from the bytes it was built from.
    QThread::msleep(120);
    const TEntryTablePtr snapshot = EntryTableOf(F);
    ASSERT_TRUE(snapshot);
    rewrite("PIC.BMP,17", "PIC.BMP,55", false);
    EXPECT_EQ(command(), QStringLiteral("command=PIC.BMP,55"));
    ASSERT_TRUE(snapshot->ReadEntry(QStringLiteral("alpha"), QStringLiteral("hyper"), lines));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=PIC.BMP,17"));
    // And a table read from a buffer answers as the file does.
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    const TEntryTablePtr fromBuffer = ReadEntryTable(buffer, QStringLiteral("buffer"));
    ASSERT_TRUE(fromBuffer->ReadEntry(QStringLiteral("Alpha"), QStringLiteral("HYPER"), lines));
    EXPECT_EQ(lines.value(3), QStringLiteral("command=PIC.BMP,55"));

    QFile::remove(F);
    EXPECT_FALSE(ReadEntry(F, QStringLiteral("Alpha"), QStringLiteral("HYPER"), lines));
}

TEST_F(EntryFile, FailingDiskNeverCostsAnEntry)
{
    AppendQuestionEntry(F, QStringLiteral("Q1"), {QStringLiteral("first text")});
    AppendCommandEntry(F, QStringLiteral("Alpha"), 2, SourceHyper, QStringLiteral("PIC.BMP,20"));
    AppendIntroEntry(F, {QStringLiteral("welcome")});
    const QByteArray before = Get();
    const QStringList files = Files();
    const QString file = F;
    const qint64 limit = before.size() + 8;
    const QString big(400, u'x');

    // Each writer fails on a disk with 8 bytes to spare: an error naming the
    // file with the system's reason, the file byte for byte as it was, and
    // no temporary file left behind.
    const std::vector<std::function<void()>> writers = {
        [&] { AppendQuestionEntry(file, QStringLiteral("Q2"), {big}); },
        [&] { AppendCommandEntry(file, QStringLiteral("Beta"), 2, SourceHyper, big); },
        [&] { AppendDisplayEntry(file, QStringLiteral("Gamma"), 3, SourceInfo, {big}, Display()); },
        [&] { AppendIntroEntry(file, {big}); },
        [&] { ReplaceQuestionEntry(file, QStringLiteral("Q1"), {big}); },
        [&] { ReplaceIntroEntry(file, {big}); },
        [&] { ReplaceCommandEntry(file, QStringLiteral("Alpha"), QStringLiteral("Alpha"), SourceHyper, big, 2); },
        [&] { ReplaceDisplayEntry(file, QStringLiteral("Alpha"), QStringLiteral("Alpha"), SourceHyper, {big}, Display(), 3); },
        [&] { DeleteEntry(file, QStringLiteral("Q1"), SourceQuest); },
    };
    for (size_t i = 0; i < writers.size(); ++i) {
        // A deletion makes the file shorter: only a disk that takes nothing fails it.
        const TLimitedRun run = RunWithFileSizeLimit(i + 1 == writers.size() ? 0 : limit, writers[i]);
        EXPECT_TRUE(run.Exited) << i;
        EXPECT_TRUE(run.Threw) << i;
        EXPECT_TRUE(run.Message.contains(QStringLiteral("MATHS.QXR"))) << i << run.Message.toStdString();
        EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << i << run.Message.toStdString();
        EXPECT_EQ(Get(), before) << i;
        EXPECT_EQ(Files(), files) << i;
    }

    // A new file that cannot be written is not left behind empty.
    const QString fresh = FDir.filePath(QStringLiteral("NEW.QXR"));
    const TLimitedRun run = RunWithFileSizeLimit(4, [&] { AppendIntroEntry(fresh, {big}); });
    EXPECT_TRUE(run.Threw);
    EXPECT_FALSE(QFileInfo::exists(fresh));

    // Earlier command formats: converted only when the whole file fits.
    Put("[Alpha]\r\nsource=HYPER\r\ntype=2\r\ncommand=PIC.BMP 20\r\n]\r\n\r\n");
    const QByteArray earlier = Get();
    const TLimitedRun convert = RunWithFileSizeLimit(0, [&] { ConvertEntryCommands(file); });
    EXPECT_TRUE(convert.Threw);
    EXPECT_TRUE(convert.Message.contains(QStringLiteral("MATHS.QXR"))) << convert.Message.toStdString();
    EXPECT_EQ(Get(), earlier);
}

} // namespace
