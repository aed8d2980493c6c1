// File and text utilities: the edge cases that callers and stored files rely on.
#include <gtest/gtest.h>

#include "../common/failingdisk.h"

#include "model/processvalues.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class Scratch {
public:
    Scratch() { EXPECT_TRUE(FDir.isValid()); }
    QString Path() const { return QFileInfo(FDir.path()).canonicalFilePath() + u'/'; }
    QString File(const QString& name) const { return Path() + name; }
    void Write(const QString& name, const QByteArray& data) const
    {
        QDir().mkpath(QFileInfo(File(name)).absolutePath());
        QFile f(File(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }
    QByteArray Read(const QString& name) const
    {
        QFile f(name.startsWith(u'/') ? name : File(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private:
    QTemporaryDir FDir;
};

// Some data longer than one copy buffer, and not a multiple of it.
QByteArray Payload(int size)
{
    QByteArray b(size, 0);
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + i / 251) & 0xFF);
    return b;
}

// A device that accepts n bytes and then refuses to write.

TEST(FileUtil, BaseNameTakesBothSeparatorsAndIgnoresDottedDirectories)
{
    EXPECT_EQ(BaseName(QStringLiteral("TEST")), QStringLiteral("TEST"));
    EXPECT_EQ(BaseName(QStringLiteral("C:\\A\\TEST.QXJ")), QStringLiteral("TEST"));
    EXPECT_EQ(BaseName(QStringLiteral("C:\\DIR.X\\TEST")), QStringLiteral("TEST"));
    EXPECT_EQ(BaseName(QStringLiteral("/home/a.b/MATHS.QXJ")), QStringLiteral("MATHS"));
    EXPECT_EQ(BaseName(QStringLiteral("/home/a.b\\c.d/x")), QStringLiteral("x"));
    EXPECT_EQ(BaseName(QStringLiteral("dir.v2/archive.tar.gz")), QStringLiteral("archive.tar"));
    EXPECT_EQ(BaseName(QStringLiteral("dir/")), QString());
    EXPECT_EQ(BaseName(QString()), QString());
}

TEST(FileUtil, IsIntegerAndStrToInt)
{
    for (const char* yes : {"0", "12", "  12", "+7", "-7", "$1F", "$ff", "x1f", "X1F", "0x1F", "0X1f", "-$10",
                            "2147483647", "-2147483648", "$7FFFFFFF", "$FFFFFFFF", "00000000000000000042"})
        EXPECT_TRUE(IsInteger(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", "+", "-", "$", "0x", "12 ", "1 2", "1.5", "1e3", "abc", "$G", "0x1G", "--1",
                           "+-1", "2147483648", "-2147483649", "99999999999999999999", "$100000000", "\t5", "5x"})
        EXPECT_FALSE(IsInteger(QString::fromLatin1(no))) << no;
    EXPECT_EQ(StrToInt(QStringLiteral(" -42")), -42);
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StrToInt(QStringLiteral("0x10")), 16);
    EXPECT_EQ(StrToInt(QStringLiteral("-$10")), -16);
    EXPECT_EQ(StrToInt(QStringLiteral("$FFFFFFFF")), -1);            // the 32-bit pattern
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), INT32_MIN);
    EXPECT_THROW(StrToInt(QStringLiteral("12a")), EConvertError);
    try {
        StrToInt(QStringLiteral("12a"));
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("'12a'"))) << e.what();
    }
}

TEST(FileUtil, IsValidFileName)
{
    EXPECT_TRUE(IsValidFileName(QString()));
    EXPECT_TRUE(IsValidFileName(QStringLiteral("MY TEST.QXJ")));
    EXPECT_TRUE(IsValidFileName(QStringLiteral("a\\b.c-d_e(1)'!&")));
    EXPECT_FALSE(IsValidFileName(QStringLiteral("A+B")));
    EXPECT_FALSE(IsValidFileName(QStringLiteral("MY:TEST")));
    for (QChar c : QStringLiteral("\"*+,/:;<=>?[]|"))
        EXPECT_FALSE(IsValidFileName(QStringLiteral("ab") + c + QStringLiteral("cd"))) << c.toLatin1();
}

TEST(FileUtil, CopyFileStatuses)
{
    Scratch d;
    const QByteArray data = Payload(5000);
    d.Write(QStringLiteral("src.bin"), data);
    const QString src = d.File(QStringLiteral("src.bin"));

    // 0: copied, also across several buffers and onto an existing longer file.
    d.Write(QStringLiteral("dst.bin"), Payload(9000));
    EXPECT_EQ(CopyFile(src, d.File(QStringLiteral("dst.bin"))), 0);
    EXPECT_EQ(d.Read(QStringLiteral("dst.bin")), data);

    // An empty file gives an empty copy.
    d.Write(QStringLiteral("empty"), QByteArray());
    EXPECT_EQ(CopyFile(d.File(QStringLiteral("empty")), d.File(QStringLiteral("empty2"))), 0);
    EXPECT_TRUE(QFileInfo::exists(d.File(QStringLiteral("empty2"))));
    EXPECT_EQ(d.Read(QStringLiteral("empty2")), QByteArray());

    // 1: the same file, by the same text and by different texts. The source stays whole.
    QDir::setCurrent(d.Path());
    EXPECT_EQ(CopyFile(src, src), 1);
    EXPECT_EQ(CopyFile(QStringLiteral("src.bin"), src), 1);
    EXPECT_EQ(CopyFile(QStringLiteral("./src.bin"), QStringLiteral("src.bin")), 1);
    ASSERT_TRUE(QDir().mkpath(d.File(QStringLiteral("sub"))));
    EXPECT_EQ(CopyFile(src, d.Path() + QStringLiteral("./sub/../src.bin")), 1);
    ASSERT_EQ(::symlink(QFile::encodeName(src).constData(), QFile::encodeName(d.File(QStringLiteral("link"))).constData()), 0);
    EXPECT_EQ(CopyFile(src, d.File(QStringLiteral("link"))), 1);
    EXPECT_EQ(CopyFile(d.File(QStringLiteral("link")), src), 1);
    EXPECT_EQ(CopyFile(src, d.File(QStringLiteral("SRC.BIN"))), 1);    // found ignoring case
    EXPECT_EQ(d.Read(QStringLiteral("src.bin")), data);

    // 2: the source cannot be opened (missing, or a directory).
    EXPECT_EQ(CopyFile(d.File(QStringLiteral("none")), d.File(QStringLiteral("x"))), 2);
    EXPECT_EQ(CopyFile(d.File(QStringLiteral("sub")), d.File(QStringLiteral("x"))), 2);
    EXPECT_FALSE(QFileInfo::exists(d.File(QStringLiteral("x"))));

    // 3: the target cannot be created.
    EXPECT_EQ(CopyFile(src, d.File(QStringLiteral("nodir/x"))), 3);
    EXPECT_EQ(CopyFile(src, d.File(QStringLiteral("sub"))), 3);

    // 4: a full disk; never reported as a copy.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        int status = -1;
        try {
            status = CopyFile(src, QStringLiteral("/dev/full"));
        } catch (const EInOutError&) {
            status = 4;
        }
        EXPECT_EQ(status, 4);
    }
    QDir::setCurrent(QDir::tempPath());
}

TEST(FileUtil, CopyFileTo)
{
    Scratch d;
    const QByteArray data = Payload(8192 * 2);                       // an exact multiple of the buffer
    d.Write(QStringLiteral("pic.bmp"), data);
    const QString src = d.File(QStringLiteral("pic.bmp"));
    ASSERT_TRUE(QDir().mkpath(d.File(QStringLiteral("out"))));

    CopyFileTo(src, d.File(QStringLiteral("out")));
    EXPECT_EQ(d.Read(QStringLiteral("out/pic.bmp")), data);
    CopyFileTo(src, d.File(QStringLiteral("out/")));                 // again, replacing it
    EXPECT_EQ(d.Read(QStringLiteral("out/pic.bmp")), data);
    CopyFileTo(src, d.File(QStringLiteral("out/other.bmp")));
    EXPECT_EQ(d.Read(QStringLiteral("out/other.bmp")), data);

    // Onto itself through a symbolic link, or into its own directory: an
    // error naming the file, and the source intact.
    ASSERT_EQ(::symlink(QFile::encodeName(src).constData(), QFile::encodeName(d.File(QStringLiteral("alias.bmp"))).constData()), 0);
    for (const QString& target : {d.File(QStringLiteral("alias.bmp")), d.Path(), src}) {
        try {
            CopyFileTo(src, target);
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("pic.bmp")) || e.Message().contains(QStringLiteral("alias.bmp")))
                << e.what();
        }
        EXPECT_EQ(d.Read(QStringLiteral("pic.bmp")), data);
    }

    try {
        CopyFileTo(d.File(QStringLiteral("missing.bmp")), d.File(QStringLiteral("out")));
        ADD_FAILURE() << "no error for a missing source";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot open file ") + d.File(QStringLiteral("missing.bmp")));
    }
    try {
        CopyFileTo(src, d.File(QStringLiteral("nodir/x.bmp")));
        ADD_FAILURE() << "no error for an uncreatable target";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot create file "))) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("nodir/x.bmp"))) << e.what();
    }
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        EXPECT_THROW(CopyFileTo(src, QStringLiteral("/dev/full")), EInOutError);
    }
}

TEST(FileUtil, AppendFileToOutput)
{
    Scratch d;
    const QByteArray data = Payload(4500);
    d.Write(QStringLiteral("part"), data);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    out.write("HEAD");
    SetAppendOutput(&out);
    EXPECT_EQ(AppendFileToOutput(d.File(QStringLiteral("part"))), 0);
    EXPECT_EQ(AppendFileToOutput(d.File(QStringLiteral("PART"))), 0);   // found ignoring case
    EXPECT_EQ(out.data(), QByteArray("HEAD") + data + data);
    EXPECT_EQ(AppendFileToOutput(d.File(QStringLiteral("none"))), 2);

    TFailDevice full(3000);
    SetAppendOutput(&full);
    EXPECT_EQ(AppendFileToOutput(d.File(QStringLiteral("part"))), 4);
    EXPECT_EQ(full.Data, data.left(3000));
    SetAppendOutput(nullptr);
    EXPECT_NE(AppendFileToOutput(d.File(QStringLiteral("part"))), 0);   // no output open
}

TEST(FileUtil, FindProjectFileIgnoresCase)
{
    Scratch d;
    ResetAllProcessValues();
    ProjectDir = d.Path();
    d.Write(QStringLiteral("Pic.BMP"), "x");
    d.Write(QStringLiteral("tune.mid"), "x");
    d.Write(QStringLiteral("readme"), "x");
    d.Write(QStringLiteral("a[1].txt"), "x");
    QString name;
    EXPECT_TRUE(FindProjectFile(QStringLiteral("PIC.bmp"), name));
    EXPECT_EQ(name, QStringLiteral("Pic.BMP"));
    EXPECT_TRUE(FindProjectFile(QStringLiteral("*.MID"), name));
    EXPECT_EQ(name, QStringLiteral("tune.mid"));
    EXPECT_TRUE(FindProjectFile(QStringLiteral("T?NE.*"), name));
    EXPECT_EQ(name, QStringLiteral("tune.mid"));
    EXPECT_TRUE(FindProjectFile(QStringLiteral("README.*"), name));      // ".*" also matches no extension
    EXPECT_EQ(name, QStringLiteral("readme"));
    EXPECT_TRUE(FindProjectFile(QStringLiteral("A[1].TXT"), name));      // brackets are literal
    EXPECT_EQ(name, QStringLiteral("a[1].txt"));
    name = QStringLiteral("before");
    EXPECT_FALSE(FindProjectFile(QStringLiteral("none.*"), name));
    EXPECT_EQ(name, QStringLiteral("before"));
    EXPECT_FALSE(FindProjectFile(QStringLiteral("Pic"), name));          // no wildcard: the whole name

    name.clear();
    EXPECT_TRUE(FindProjectFileEither(QStringLiteral("none.*"), QStringLiteral("TUNE.MID"), name));
    EXPECT_EQ(name, QStringLiteral("tune.mid"));
    EXPECT_TRUE(FindProjectFileEither(QStringLiteral("pic.bmp"), QStringLiteral("TUNE.MID"), name));
    EXPECT_EQ(name, QStringLiteral("tune.mid"));                       // a name already set stays
    name.clear();
    EXPECT_FALSE(FindProjectFileEither(QStringLiteral("x.*"), QStringLiteral("y.*"), name));
    EXPECT_TRUE(name.isEmpty());
    ResetAllProcessValues();
}

TEST(FileUtil, SplitFirstWord)
{
    QString t = QStringLiteral("16 0 1 Times New Roman");
    EXPECT_EQ(SplitFirstWord(t), QStringLiteral("16"));
    EXPECT_EQ(t, QStringLiteral("0 1 Times New Roman"));
    t = QStringLiteral("single");
    EXPECT_EQ(SplitFirstWord(t), QString());
    EXPECT_EQ(t, QStringLiteral("single"));
    t = QStringLiteral(" lead");
    EXPECT_EQ(SplitFirstWord(t), QString());
    EXPECT_EQ(t, QStringLiteral("lead"));
    t = QStringLiteral("a  b");
    EXPECT_EQ(SplitFirstWord(t), QStringLiteral("a"));
    EXPECT_EQ(t, QStringLiteral(" b"));
}

TEST(FileUtil, ResolveCaseFindsUpperCasedPaths)
{
    Scratch d;
    d.Write(QStringLiteral("Proj/Media/maths.qxr"), "entries");
    const QString real = d.File(QStringLiteral("Proj/Media/maths.qxr"));
    EXPECT_EQ(ResolveCase(real), real);
    EXPECT_EQ(ResolveCase(d.Path() + QStringLiteral("PROJ/MEDIA/MATHS.QXR")), real);
    EXPECT_EQ(ResolveCase(d.Path() + QStringLiteral("proj\\MEDIA\\Maths.QXR")), real);
    // A file that does not exist yet is placed in the real directory.
    EXPECT_EQ(ResolveCase(d.Path() + QStringLiteral("PROJ/MEDIA/NEW.QXQ")), d.File(QStringLiteral("Proj/Media/NEW.QXQ")));
    EXPECT_EQ(ResolveCase(d.Path() + QStringLiteral("PROJ/NONE/X")), d.File(QStringLiteral("Proj/NONE/X")));
    // Relative to the current directory.
    QDir::setCurrent(d.File(QStringLiteral("Proj")));
    EXPECT_EQ(ResolveCase(QStringLiteral("MEDIA/MATHS.QXR")), QStringLiteral("Media/maths.qxr"));
    EXPECT_EQ(ResolveCase(QStringLiteral("./media/MATHS.qxr")), QStringLiteral("./Media/maths.qxr"));
    // Two names that differ only in case: neither is guessed.
    d.Write(QStringLiteral("Proj/a.txt"), "1");
    d.Write(QStringLiteral("Proj/A.txt"), "2");
    EXPECT_EQ(ResolveCase(QStringLiteral("A.TXT")), QStringLiteral("A.TXT"));
    EXPECT_EQ(ResolveCase(QStringLiteral("a.txt")), QStringLiteral("a.txt"));
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(ResolveCase(QString()), QString());
}

TEST(FileUtil, FontTextRoundTrip)
{
    TFontDesc f;
    FontFromText(QStringLiteral("16 0 1 Times New Roman"), f);
    EXPECT_EQ(f.Size, 16);
    EXPECT_EQ(f.Color, 0u);
    EXPECT_EQ(f.Style, fsBold);
    EXPECT_EQ(f.Name, QStringLiteral("Times New Roman"));

    TFontDesc g;
    g.Size = 12;
    g.Color = 0x00FF8040;
    g.Style = fsItalic | fsUnderline | fsStrikeOut;
    g.Name = QStringLiteral("DejaVu Sans  Mono");
    EXPECT_EQ(FontToText(g), QStringLiteral("12 16744512 14 DejaVu Sans  Mono"));
    TFontDesc back;
    FontFromText(FontToText(g), back);
    EXPECT_EQ(back, g);

    g.Color = 0x80000005;                                            // a system colour: negative when stored
    EXPECT_EQ(FontToText(g), QStringLiteral("12 -2147483643 14 DejaVu Sans  Mono"));
    FontFromText(FontToText(g), back);
    EXPECT_EQ(back, g);

    TFontDesc keep;
    EXPECT_THROW(FontFromText(QStringLiteral("big 0 1 Arial"), keep), EConvertError);
    EXPECT_THROW(FontFromText(QStringLiteral("10 red 1 Arial"), keep), EConvertError);
    EXPECT_THROW(FontFromText(QStringLiteral("10 0 1"), keep), EConvertError);   // no face name field
    EXPECT_THROW(FontFromText(QString(), keep), EConvertError);
}

TEST(FileUtil, WholeFileWritesReplaceAtomically)
{
    Scratch d;
    d.Write(QStringLiteral("MATHS.QXJ"), "old");
    WriteWholeFile(d.File(QStringLiteral("maths.qxj")), "new contents");   // through the existing name
    EXPECT_EQ(d.Read(QStringLiteral("MATHS.QXJ")), QByteArray("new contents"));
    EXPECT_FALSE(QFileInfo::exists(d.File(QStringLiteral("maths.qxj"))));
    EXPECT_EQ(ReadWholeFile(d.File(QStringLiteral("Maths.Qxj"))), QByteArray("new contents"));
    EXPECT_EQ(QDir(d.Path()).entryList(QDir::Files), QStringList({"MATHS.QXJ"}));
    try {
        WriteWholeFile(d.File(QStringLiteral("nodir/x")), "x");
        ADD_FAILURE();
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("x"))) << e.what();
    }
    EXPECT_THROW(ReadWholeFile(d.File(QStringLiteral("none"))), EInOutError);
}

TEST(FileUtil, CopiesKeepExecuteBitsAndNeverTruncateTheOldTarget)
{
    Scratch d;
    const QByteArray program = QByteArray("\x7f" "ELF", 4) + Payload(70000);
    d.Write(QStringLiteral("prog"), program);
    ::chmod(QFile::encodeName(d.File(QStringLiteral("prog"))).constData(), 0755);
    EXPECT_EQ(CopyFile(d.File(QStringLiteral("prog")), d.File(QStringLiteral("copy"))), 0);
    EXPECT_TRUE(QFileInfo(d.File(QStringLiteral("copy"))).isExecutable());
    CopyFileTo(d.File(QStringLiteral("prog")), d.File(QStringLiteral("copy2")));
    EXPECT_TRUE(QFileInfo(d.File(QStringLiteral("copy2"))).isExecutable());
    EXPECT_EQ(d.Read(QStringLiteral("copy2")), program);

    // A full disk: the old copy stays byte for byte, the error names the
    // target with the system's reason, no temporary file is left.
    const QByteArray old = Payload(300);
    d.Write(QStringLiteral("old"), old);
    const QStringList files = QDir(d.Path()).entryList(QDir::Files | QDir::Hidden);
    const QString src = d.File(QStringLiteral("prog"));
    const QString dst = d.File(QStringLiteral("old"));
    TLimitedRun run = RunWithFileSizeLimit(4096, [&] {
        throw EInOutError(QStringLiteral("status %1").arg(CopyFile(src, dst)));
    });
    EXPECT_EQ(run.Message, QStringLiteral("status 4"));   // a write stored fewer bytes
    EXPECT_EQ(d.Read(QStringLiteral("old")), old);
    run = RunWithFileSizeLimit(4096, [&] { CopyFileTo(src, dst); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(dst)) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(d.Read(QStringLiteral("old")), old);
    EXPECT_TRUE(StrayFiles(d.Path(), files).isEmpty()) << StrayFiles(d.Path(), files).join(u' ').toStdString();
}

} // namespace
