// The results reader: open, unscramble, show, print, help, the centred
// button bar, and files that are not results files at all.
#include "resultstest.h"

#include "platform/testscript.h"
#include "runtime/readdataform.h"
#include "runtime/results.h"
#include "runtime/resultsfile.h"
#include "runtime/resultsreport.h"

#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

namespace {

class ReadDataFormTest : public ResultsTest {};

TEST_F(ReadDataFormTest, OpensUnscramblesAndPrints)
{
    FillRun(true);
    TestConfig.EncryptData = true;
    QString tried;
    const QString file = CreateResultsFile(DefaultResultsName(), tried);
    ASSERT_TRUE(Dir.Read(QStringLiteral("Maths1.QXD")).startsWith("1\r\n"));
    ::chmod(QFile::encodeName(file).constData(), 0444);   // read-only files are read too

    const QString pdf = Dir.File(QStringLiteral("reader.pdf"));
    OnModal(QStringLiteral("TReadDataForm"), [&](QDialog& d) {
        auto& form = static_cast<TReadDataForm&>(d);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Analyze a Test Results .QXD file"));
        EXPECT_FALSE(form.BitBtn1->isEnabled());
        TestScript::Answer(QStringLiteral("open"), file);
        form.BitBtn2->click();
        QStringList expected = ResultsReport(false);
        expected.prepend(QString());
        EXPECT_EQ(form.Lines, expected);
        EXPECT_EQ(form.Memo1->toPlainText(), expected.join(u'\n'));
        EXPECT_TRUE(form.Memo1->isReadOnly());
        EXPECT_TRUE(form.BitBtn1->isEnabled());

        TestScript::Answer(QStringLiteral("print"), pdf);
        form.BitBtn1->click();

        ExpectMessage(QStringLiteral("Error"));   // no help file in the scratch folder
        form.BitBtn4->click();
        EXPECT_EQ(TestScript::Logged(QStringLiteral("help")).size(), 1);
        EXPECT_TRUE(TestScript::Logged(QStringLiteral("help")).value(0).endsWith(QStringLiteral("#345")));

        // The buttons stay centred in the bar at any width.
        for (int width : {419, 700, 1000}) {
            form.resize(width, 300);
            PumpEvents(20);
            const QRect bar = form.ButtonPnl->geometry();
            EXPECT_LE(std::abs(bar.center().x() - form.BottomPnl->width() / 2), 1) << width;
            EXPECT_EQ(form.BottomPnl->width(), form.width());
        }
        form.BitBtn3->click();
    });
    AnalyzeResults();

    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Anne M\u00fcller")));
    EXPECT_TRUE(text.contains(QStringLiteral("PERCENTAGE CORRECT = 25%")));
    EXPECT_TRUE(text.contains(QStringLiteral("\u20ac end")));
}

TEST_F(ReadDataFormTest, OddFilesAreShownAsFarAsTheyDecode)
{
    TReadDataForm form;
    // Empty: nothing to show, nothing broken.
    Dir.Write(QStringLiteral("empty.QXD"), QByteArray());
    EXPECT_TRUE(form.LoadFile(Dir.File(QStringLiteral("empty.QXD"))));
    EXPECT_EQ(form.Memo1->toPlainText(), QString());

    // Plain file with CR LF and a byte-order mark.
    Dir.Write(QStringLiteral("plain.QXD"), "\xEF\xBB\xBF" "0\r\nTITLE = T\r\n");
    EXPECT_TRUE(form.LoadFile(Dir.File(QStringLiteral("plain.QXD"))));
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("\nTITLE = T"));

    // Binary: control characters shown as replacement marks.
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk += char(i % 256);
    Dir.Write(QStringLiteral("junk.QXD"), junk);
    EXPECT_TRUE(form.LoadFile(Dir.File(QStringLiteral("junk.QXD"))));
    EXPECT_FALSE(form.Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(form.Memo1->toPlainText().contains(QChar(0)));

    // One huge line, bigger than the reader takes: its beginning, and a note.
    Dir.Write(QStringLiteral("huge.QXD"), "0\n" + QByteArray(TReadDataForm::MaxFileBytes + 100, 'x'));
    ExpectMessage(QStringLiteral("Information"));
    EXPECT_TRUE(form.LoadFile(Dir.File(QStringLiteral("huge.QXD"))));
    EXPECT_EQ(form.Memo1->document()->blockCount(), 2);
    EXPECT_LE(form.Memo1->toPlainText().size(), TReadDataForm::MaxShownLine + 3);

    // Very many lines: the first ones, and a note.
    Dir.Write(QStringLiteral("lines.QXD"), "0\r\n" + QByteArray(200000, '\n'));
    ExpectMessage(QStringLiteral("Information"));
    EXPECT_TRUE(form.LoadFile(Dir.File(QStringLiteral("lines.QXD"))));
    EXPECT_EQ(form.Memo1->document()->blockCount(), TReadDataForm::MaxShownLines);
    EXPECT_EQ(form.Lines.size(), TReadDataForm::MaxShownLines);

    // Not a file at all.
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_FALSE(form.LoadFile(Dir.Path()));
    // The open dialog cancelled keeps what is shown.
    TestScript::Answer(QStringLiteral("open"), QVariant());
    form.BitBtn2->click();
    EXPECT_EQ(form.Memo1->document()->blockCount(), TReadDataForm::MaxShownLines);
}

} // namespace
