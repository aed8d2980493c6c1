// Screenshots of the end-of-run windows for a person to look at. Runs only
// when QUENDRA_SCREENSHOTS names a folder, on a real display (e.g. Xvfb).
#include "resultstest.h"

#include "platform/testscript.h"
#include "runtime/printform.h"
#include "runtime/reportprint.h"
#include "runtime/readdataform.h"
#include "runtime/results.h"
#include "runtime/resultsfile.h"
#include "runtime/studentform.h"

#include "model/entryfile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace {

class ResultsScreensTest : public ResultsTest {};

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(800);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

TEST_F(ResultsScreensTest, EndOfRunWindows)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    FillRun(true);
    TakeCount = 20;
    CorrectCount = 13;
    TestConfig.PassPercentage = 65;
    for (int percent : {65, 64}) {
        ScorePercent = percent;
        CorrectCount = percent == 65 ? 13 : 12;
        OnModal(QStringLiteral("TTResultsForm"), [percent](QDialog& d) {
            Shoot(QStringLiteral("results-%1").arg(percent == 65 ? "pass" : "fail"));
            d.accept();
        });
        ShowResults();
    }

    TestConfig.StudentInputPrompt[0] = QStringLiteral("Your name :");
    TestConfig.StudentInputPrompt[1] = QStringLiteral("Your class :");
    TestConfig.StudentInputPrompt[2] = QString();
    TestConfig.StudentInputPrompt[3] = QStringLiteral("Teacher :");
    OnModal(QStringLiteral("TStudentForm"), [](QDialog& d) {
        auto& form = static_cast<TStudentForm&>(d);
        form.Edit1->setText(QStringLiteral("Anne M\u00fcller"));
        form.Edit2->setFocus();
        Shoot(QStringLiteral("studentform"));
        form.Edit2->setText(QStringLiteral("7B"));
        form.Edit4->setText(QStringLiteral("Mr Brown"));
        form.OKBtn->click();
    });
    AskStudentDetails();

    OnModal(QStringLiteral("Tprintform"), [](QDialog& d) {
        Shoot(QStringLiteral("printform"));
        static_cast<Tprintform&>(d).NoBtn->click();
    });
    PrintResults();

    TestConfig.EncryptData = true;
    StudentInputGiven = true;
    QString tried;
    const QString file = CreateResultsFile(DefaultResultsName(), tried);
    OnModal(QStringLiteral("TReadDataForm"), [&](QDialog& d) {
        auto& form = static_cast<TReadDataForm&>(d);
        form.LoadFile(file);
        form.resize(560, 420);
        Shoot(QStringLiteral("reader"));
        form.BitBtn3->click();
    });
    AnalyzeResults();

    // Group feedback of the graphic kind (the text kinds need the display
    // of the presentation screens).
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(QColor(255, 240, 200));
    {
        QPainter p(&picture);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
        p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Well done!\nGroup 6 feedback"));
    }
    ASSERT_TRUE(picture.save(Dir.File(QStringLiteral("well.bmp")), "BMP"));
    AppendCommandEntry(EntryPath, QStringLiteral("GROUP 6 FEEDBACK"), 2, QStringLiteral("COMMS"),
                       QStringLiteral("well.bmp,0"));
    TestConfig.GroupFeedbackDefined[6] = true;
    ScorePercent = 64;
    OnModal(QStringLiteral("TShowMultForm"), [](QDialog& d) {
        Shoot(QStringLiteral("groupfeedback"));
        d.accept();
    });
    ShowGroupFeedback();

    // A printed report of 500 lines, one of them wider than the page.
    QStringList lines;
    for (int i = 1; i <= 500; ++i)
        lines << QStringLiteral("Q%1 - [%2]").arg(i).arg(i % 6 + 1);
    lines.insert(3, QString(30, u'x') + QStringLiteral(" a line wider than the page ") + QString(120, u'y'));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ShotDir() + QStringLiteral("/report500.pdf"));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    PrintReportLines(printer, lines);
}

} // namespace
