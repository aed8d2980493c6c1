// The windows at the end of a test run, driven by scripted answers: the
// results graph, the group feedback, the student form, the print question
// and the printout itself (to PDF, read back with pdftotext).
#include "resultstest.h"
#include "../common/failingdisk.h"

#include "model/entryfile.h"
#include "platform/testscript.h"
#include "runtime/entrystore.h"
#include "runtime/printform.h"
#include "runtime/reportprint.h"
#include "runtime/results.h"
#include "runtime/resultsform.h"
#include "runtime/resultsreport.h"
#include "runtime/scorebar.h"
#include "runtime/showentry.h"
#include "runtime/studentform.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>

namespace {

class ResultsFormsTest : public ResultsTest {};

// The text of a PDF as pdftotext gives it, pages separated by form feeds.
QString PdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The non-blank printed lines, trimmed.
QStringList PrintedLines(const QString& pdf)
{
    QStringList out;
    for (QString line : PdfText(pdf).split(u'\n')) {
        line.remove(u'\f');
        if (!line.trimmed().isEmpty())
            out << line.trimmed();
    }
    return out;
}

QStringList NonBlank(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty())
            out << l.trimmed();
    return out;
}

TEST_F(ResultsFormsTest, ResultsWindowTakesThePassColourAtThePassMark)
{
    TestConfig.PassPercentage = 50;
    TakeCount = 4;
    CorrectCount = 2;
    for (int percent : {50, 49}) {
        ScorePercent = percent;
        bool ran = false;
        OnModal(QStringLiteral("TTResultsForm"), [&](QDialog& d) {
            auto& form = static_cast<TTResultsForm&>(d);
            ran = true;
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Test Results"));
            EXPECT_EQ(form.Gauge1->Look().Orientation, Qt::Vertical);
            EXPECT_EQ(form.Gauge1->Look().ForeColor, percent == 50 ? QColor(Qt::green) : QColor(Qt::red));
            EXPECT_EQ(form.Gauge1->MaxValue(), 4);
            EXPECT_EQ(form.Gauge1->Progress(), 2);
            EXPECT_EQ(form.Gauge1->size(), QSize(73, 145));
            EXPECT_EQ(form.Label1->text(), QStringLiteral("Questions Answered"));
            EXPECT_EQ(form.Label2->text(), QStringLiteral("4"));
            EXPECT_EQ(form.Label3->text(), QStringLiteral("Correct Answers"));
            EXPECT_EQ(form.Label4->text(), QStringLiteral("2"));
            EXPECT_EQ(form.OKBtn->text(), QStringLiteral("&OK"));
            form.OKBtn->click();
        });
        ShowResults();
        EXPECT_TRUE(ran);
    }
}

QStringList gShownText;
int gShownCode = 0;
void CaptureDisplay(int code, const TEntryDisplay&, const QStringList& text)
{
    gShownCode = code;
    gShownText = text;
}

TEST_F(ResultsFormsTest, GroupFeedbackShowsTheGroupsEntry)
{
    TEntryDisplay display;
    SetEntryDisplayDefaults(display);
    AppendDisplayEntry(EntryPath, QStringLiteral("GROUP 2 FEEDBACK"), 1, QStringLiteral("COMMS"),
                       {QStringLiteral("Keep practising.")}, display);
    AppendDisplayEntry(EntryPath, QStringLiteral("GROUP 10 FEEDBACK"), 1, QStringLiteral("COMMS"),
                       {QStringLiteral("Full marks!")}, display);
    SetTextEntryDisplay(CaptureDisplay);
    gShownText.clear();

    // No groups defined: 25 % is group 2, its feedback is shown without a
    // caption.
    TestConfig.GroupFeedbackDefined[2] = true;
    ScorePercent = 25;
    CurrentEntryName = QStringLiteral("old");
    ShowGroupFeedback();
    EXPECT_EQ(ScoreGroup, 2);
    EXPECT_EQ(gShownCode, 1);
    EXPECT_TRUE(gShownText.join(u' ').contains(QStringLiteral("Keep practising."))) << gShownText.join(u'|').toStdString();
    EXPECT_EQ(CurrentEntryName, QString());

    // Through the entry store of the run, as the runtime programs read it.
    gShownText.clear();
    RunEntries = std::make_shared<TFileEntryStore>(EntryPath);
    TestConfig.GroupFeedbackDefined[10] = true;
    ScorePercent = 100;
    ShowGroupFeedback();
    EXPECT_TRUE(gShownText.join(u' ').contains(QStringLiteral("Full marks!")));

    // Feedback not marked as defined, or marked but missing: nothing.
    gShownText.clear();
    ScorePercent = 35;
    ShowGroupFeedback();
    TestConfig.GroupFeedbackDefined[3] = true;
    ShowGroupFeedback();
    // A score beyond 100 names no group and shows nothing.
    ScorePercent = 250;
    ShowGroupFeedback();
    EXPECT_TRUE(gShownText.isEmpty());
    SetTextEntryDisplay(nullptr);
}

TEST_F(ResultsFormsTest, StudentFormCannotBeLeftIncomplete)
{
    TestConfig.StudentInputPrompt[0] = QStringLiteral("Your name");
    TestConfig.StudentInputPrompt[2] = QStringLiteral("Your class");
    StudentAnswers[1] = QStringLiteral("stale");
    OnModal(QStringLiteral("TStudentForm"), [](QDialog& d) {
        auto& form = static_cast<TStudentForm&>(d);
        EXPECT_EQ(form.windowTitle(), QString());
        EXPECT_FALSE(form.Edit1->isHidden());
        EXPECT_TRUE(form.Edit2->isHidden());
        EXPECT_FALSE(form.Edit3->isHidden());
        EXPECT_TRUE(form.Edit4->isHidden() && form.Edit5->isHidden());
        EXPECT_EQ(form.Label3->text(), QStringLiteral("Your class"));
        EXPECT_EQ(form.Edit3->accessibleName(), QStringLiteral("Your class"));
        EXPECT_EQ(form.Edit1->maxLength(), 60);

        // Esc, the close box and OK are all refused while a shown edit is empty.
        ExpectMessage(QStringLiteral("Error"));
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&form, &esc);
        EXPECT_TRUE(form.isVisible());
        ExpectMessage(QStringLiteral("Error"));
        form.close();
        EXPECT_TRUE(form.isVisible());
        form.Edit1->setText(QStringLiteral("Anne"));
        ExpectMessage(QStringLiteral("Error"));
        form.OKBtn->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.Edit3);
        form.Edit3->setText(QStringLiteral("   "));
        ExpectMessage(QStringLiteral("Error"));
        form.OKBtn->click();
        EXPECT_TRUE(form.isVisible());
        form.Edit3->setText(QStringLiteral("7B"));
        form.OKBtn->click();
    });
    AskStudentDetails();
    EXPECT_EQ(MessageTexts(), QStringList(4, QStringLiteral("Please complete the form.")));
    EXPECT_EQ(StudentAnswers[0], QStringLiteral("Anne"));
    EXPECT_EQ(StudentAnswers[1], QString());
    EXPECT_EQ(StudentAnswers[2], QStringLiteral("7B"));
}

TEST_F(ResultsFormsTest, OutputWritesThenPrints)
{
    FillRun(false);
    TestConfig.StudentInputPrompt[0] = QStringLiteral("Name");
    TestConfig.SaveResultsToDisk = true;
    TestConfig.SaveResultsToPrinter = true;
    OnModal(QStringLiteral("TStudentForm"), [](QDialog& d) {
        auto& form = static_cast<TStudentForm&>(d);
        form.Edit1->setText(QStringLiteral("Zo\u00eb"));
        form.OKBtn->click();
    });
    ExpectMessage(QStringLiteral("Information"));
    OnModal(QStringLiteral("Tprintform"), [](QDialog& d) {
        auto& form = static_cast<Tprintform&>(d);
        EXPECT_EQ(form.Panel1->text(), QStringLiteral("Would you like to print the Test results ?"));
        form.YesBtn->click();
    });
    const QString pdf = Dir.File(QStringLiteral("printout.pdf"));
    TestScript::Answer(QStringLiteral("print"), pdf);
    OutputResults();

    EXPECT_TRUE(StudentInputGiven);
    const QByteArray file = Dir.Read(QStringLiteral("Maths1.QXD"));
    EXPECT_TRUE(file.startsWith("0\r\nTITLE = Biology Quiz \x96 Cells of the body, caf\xE9 edition\r\n\r\nZo\xEB\r\n\r\n\r\n\r\n\r\n\r\nNUMBER"))
        << file.toStdString();
    // The printout: the report lines without the flag line.
    EXPECT_EQ(PrintedLines(pdf), NonBlank(ResultsReport(false)));
    EXPECT_TRUE(PrintedLines(pdf).contains(QStringLiteral("Zo\u00eb")));
}

TEST_F(ResultsFormsTest, NoPromptsNoStudentForm)
{
    FillRun(false);
    TestConfig.SaveResultsToDisk = true;
    StudentInputGiven = true;   // left over: recomputed from the prompts
    ExpectMessage(QStringLiteral("Information"));
    OutputResults();   // an unscripted student form would fail the test
    EXPECT_FALSE(StudentInputGiven);
    EXPECT_TRUE(Dir.Read(QStringLiteral("Maths1.QXD")).startsWith(
        "0\r\nTITLE = Biology Quiz \x96 Cells of the body, caf\xE9 edition\r\n\r\n\r\nNUMBER OF QUESTIONS = 4\r\n"));
}

TEST_F(ResultsFormsTest, PrintQuestionNoCancelAndFailure)
{
    FillRun(false);
    // No: nothing printed.
    OnModal(QStringLiteral("Tprintform"), [](QDialog& d) { static_cast<Tprintform&>(d).NoBtn->click(); });
    PrintResults();
    // Yes, then the print dialog cancelled.
    OnModal(QStringLiteral("Tprintform"), [](QDialog& d) { static_cast<Tprintform&>(d).YesBtn->click(); });
    TestScript::Answer(QStringLiteral("print"), QVariant());
    PrintResults();
    // Yes, and the file cannot be written: shown, not thrown, nothing left.
    Dir.Write(QStringLiteral("old.pdf"), "old printout");
    OnModal(QStringLiteral("Tprintform"), [](QDialog& d) { static_cast<Tprintform&>(d).YesBtn->click(); });
    TestScript::Answer(QStringLiteral("print"), Dir.File(QStringLiteral("missing/out.pdf")));
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_NO_THROW(PrintResults());
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().contains(QStringLiteral("out.pdf")));
    EXPECT_EQ(StrayFiles(Dir.Path(), {"old.pdf"}), QStringList());
}

TEST_F(ResultsFormsTest, LongReportPrintsOnSeveralPages)
{
    QStringList lines;
    for (int i = 1; i <= 500; ++i)
        lines << QStringLiteral("Line %1 of the report").arg(i, 3, 10, QLatin1Char('0'));
    // One line far wider than the page is wrapped, not cut off.
    QString wide;
    for (int i = 0; i < 40; ++i)
        wide += QStringLiteral("word%1 ").arg(i, 2, 10, QLatin1Char('0'));
    lines.insert(250, wide.trimmed());
    const QString pdf = Dir.File(QStringLiteral("long.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    PrintReportLines(printer, lines);
    EXPECT_GE(PdfPages(pdf), 8);

    const QStringList printed = PrintedLines(pdf);
    QStringList expected = lines;
    expected.removeAt(250);
    QStringList printedWithoutWide;
    QString wideBack;
    for (const QString& l : printed) {
        if (l.startsWith(QStringLiteral("word")))
            wideBack += l + u' ';
        else
            printedWithoutWide << l;
    }
    EXPECT_EQ(printedWithoutWide, expected);
    EXPECT_EQ(wideBack.trimmed(), wide.trimmed());
    EXPECT_GT(PdfText(pdf).count(QStringLiteral("word")), 0);

    // A full disk keeps an older printout of that name whole.
    const QByteArray old = Dir.Read(QStringLiteral("long.pdf"));
    const TLimitedRun run = RunWithFileSizeLimit(4096, [&] { PrintReportLines(printer, lines); });
    EXPECT_TRUE(run.Exited);
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("long.pdf"))) << run.Message.toStdString();
    EXPECT_EQ(Dir.Read(QStringLiteral("long.pdf")), old);
    EXPECT_EQ(StrayFiles(Dir.Path(), {"long.pdf"}), QStringList());

    // Wrapping rules on their own.
    EXPECT_EQ(WrapPrintLine(QString(), 10), QStringList({QString()}));
    EXPECT_EQ(WrapPrintLine(QStringLiteral("abcdefghijKLM"), 10), QStringList({"abcdefghij", "KLM"}));
    EXPECT_EQ(WrapPrintLine(QStringLiteral("abcdef ghij klm"), 10), QStringList({"abcdef ", "ghij klm"}));
    EXPECT_EQ(WrapPrintLine(QStringLiteral("a\tb"), 80), QStringList({"a       b"}));
}

} // namespace
