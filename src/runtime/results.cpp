#include "runtime/results.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "runtime/entrystore.h"
#include "runtime/printform.h"
#include "runtime/reportprint.h"
#include "runtime/resultsform.h"
#include "runtime/runstate.h"
#include "runtime/showentry.h"
#include "runtime/studentform.h"

#include <QApplication>

void ComputeScoreGroup()
{
    const TTestConfig& c = TestConfig;
    if (!c.ScoreGroupsDefined) {
        // Ten-percent groups: 0..10, 100 % alone in group 10.
        ScoreGroup = ScorePercent / 10;
        return;
    }
    // The lowest group up to the top one in use whose bound lies above the
    // score, or the top group when none does.
    int top = 0;
    for (int k = 0; k < 5; ++k)
        if (c.ScoreGroupBound[k] > 0)
            top = k;
    ScoreGroup = top;
    for (int k = top; k >= 0; --k)
        if (ScorePercent < c.ScoreGroupBound[k])
            ScoreGroup = k;
}

void ShowResults()
{
    TTResultsForm form(QApplication::activeWindow());
    ShowModal(form);
}

void ShowGroupFeedback()
{
    ComputeScoreGroup();
    // A score outside 0..100 cannot name a group beyond the eleven there are.
    if (ScoreGroup < 0 || ScoreGroup > 10 || !TestConfig.GroupFeedbackDefined[ScoreGroup])
        return;
    const QString name = QStringLiteral("GROUP %1 FEEDBACK").arg(ScoreGroup);
    const QString source = QStringLiteral("COMMS");
    QStringList lines;
    try {
        const bool found = RunEntries ? RunEntries->ReadEntry(name, source, lines)
                                      : ReadEntry(EntryPath, name, source, lines);
        if (!found || lines.isEmpty())
            return;
        // Without its name the display shows no entry caption.
        lines[0].clear();
        ShowEntry(lines);
    } catch (const EQuendraError& e) {
        // A damaged feedback entry is reported; the end of the run goes on.
        ShowError(e.Message());
    }
}

void OutputResults()
{
    StudentInputGiven = false;
    for (const auto& prompt : TestConfig.StudentInputPrompt)
        if (!prompt.IsEmpty())
            StudentInputGiven = true;
    if (StudentInputGiven)
        AskStudentDetails();
    if (TestConfig.SaveResultsToDisk)
        WriteResultsFile();
    if (TestConfig.SaveResultsToPrinter)
        PrintResults();
}

void PrintResults()
{
    Tprintform form(QApplication::activeWindow());
    if (ShowModal(form) != QDialog::Accepted)
        return;
    const QString base = RunBaseName.isEmpty() ? QStringLiteral("Results") : RunBaseName;
    PrintLinesWithDialog(ResultsReport(false), RunFilePath(base + QStringLiteral(" results.pdf")));
}
