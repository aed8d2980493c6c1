// The run engine: start, question order, the main, retake and resume
// cycles, the end of the run.
#include "runtime/runengine.h"
#include "model/processvalues.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "runtime/entrystore.h"
#include "runtime/multimedia.h"
#include "runtime/questionstate.h"
#include "runtime/runscreens.h"
#include "runtime/runstate.h"
#include "runtime/savedrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("RunEngine", text); }

} // namespace

QString TestHelpFile()
{
    const QString file = TestConfig.Program.HelpFile.str();
    if (file.isEmpty() || !QDir::isRelativePath(file) || ProjectDir.isEmpty())
        return ResolveCase(file);
    return ResolveCase(ProjectDir + file);
}

QIcon TestWindowIcon()
{
    if (!TestConfig.Program.UseIcon)
        return {};
    const QString name = TestConfig.Program.IconFile.str();
    if (name.isEmpty() || !IsValidFileName(name))
        return {};
    const QString path = ResolveCase(QDir::isRelativePath(name) && !ProjectDir.isEmpty() ? ProjectDir + name : name);
    // Every picture of the file (an icon file holds several sizes).
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QIcon icon;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

namespace {

void RunCommand(TRunScreens& screens, const TCommandSpec& command)
{
    const QString value = command.CommandValue.str();
    switch (command.CommandType.get()) {
    case 2:
    case 3:
    case 6:
        screens.ShowMultimedia(ProgramTitleText, value);
        break;
    case 4:
    case 9:
        screens.RunProgramAndWait(command.CommandType.get(), value);
        break;
    case 10:
        screens.OpenDocument(value);
        break;
    default:
        break;
    }
}

// Fetches run record index, shows it and stores it back. A record that is
// not a question (answer count or correct answer out of range) is refused
// with a message and left not completed.
void PresentRunRecord(TRunScreens& screens, int index)
{
    RunList.Get(index, &CurrentQuestion, sizeof CurrentQuestion);
    const QString fault = RunRecordFault(CurrentQuestion);
    if (!fault.isEmpty()) {
        screens.ShowError(Tr("The question \"%1\" cannot be shown: %2.")
                              .arg(CurrentQuestion.Identifier.str(), fault));
        return;
    }
    QStringList lines;
    if (RunEntries)
        RunEntries->ReadQuestionText(CurrentQuestion.Identifier.str(), lines);
    screens.ShowQuestion(lines);
    RunList.Put(index, &CurrentQuestion, sizeof CurrentQuestion);
}

void MainCycle(TRunScreens& screens)
{
    CorrectCount = 0;
    QuitRequested = QuitSaveRequested = false;
    for (int i = 1; i <= TakeCount; ++i) {
        AnsweredCount = i;
        PresentRunRecord(screens, i - 1);
        if (QuitRequested || QuitSaveRequested)
            break;
    }
}

enum class TCycleKind { NotCompleted, NotCorrect };

// The pass retake, the wrong retake and the resume share one walk over the
// run list.
void TakeAgainCycle(TRunScreens& screens, TCycleKind kind)
{
    QuitRequested = QuitSaveRequested = false;
    TQuestionRecord r;
    for (int i = 0; i < RunList.Count(); ++i) {
        RunList.Get(i, &r, sizeof r);
        const bool take = kind == TCycleKind::NotCompleted ? r.Answered == 0 : r.Deleted == 0;
        if (!take)
            continue;
        AnsweredCount += 1;
        PresentRunRecord(screens, i);
        if (QuitRequested || QuitSaveRequested)
            break;
    }
}

void RetakeCycle(TRunScreens& screens, TCycleKind kind)
{
    InRetakeCycle = true;
    try {
        TakeAgainCycle(screens, kind);
    } catch (...) {
        InRetakeCycle = false;
        throw;
    }
    InRetakeCycle = false;
}

void PassRetakeOffer(TRunScreens& screens)
{
    TestConfig.AllowPass = false;
    const int completed = RecountRun();
    const int n = TakeCount - completed;
    if (n == 0 || !screens.Confirm(RetakeQuestion(n, TestConfig.PassedQuestionsText.str())))
        return;
    AnsweredCount = completed;
    RetakeCycle(screens, TCycleKind::NotCompleted);
}

void WrongRetakeOffer(TRunScreens& screens)
{
    TestConfig.AllowRetake = false;
    RecountRun();
    const int n = TakeCount - CorrectCount;
    if (n == 0 || !screens.Confirm(RetakeQuestion(n, TestConfig.WrongQuestionsText.str())))
        return;
    AnsweredCount = CorrectCount;
    RetakeCycle(screens, TCycleKind::NotCorrect);
}

// Reads the saved run into the run list. False when there is none, or when
// it is damaged (after telling the student; the run then starts afresh).
bool LoadSavedRun(TRunScreens& screens)
{
    std::vector<TQuestionRecord> records;
    QString reason;
    const TSavedRunState state = ReadSavedRun(records, reason);
    if (state == TSavedRunState::Damaged)
        screens.ShowError(Tr("The saved test run %1 is damaged and cannot be resumed: %2.\n\rThe test starts again.")
                              .arg(QDir::toNativeSeparators(SavedRunPath()), reason));
    if (state != TSavedRunState::Valid)
        return false;
    RunList.Clear();
    for (const TQuestionRecord& r : records)
        RunList.Add(&r, sizeof r);
    TakeCount = int(records.size());
    AnsweredCount = RecountRun();
    return true;
}

void StartNewRun(TRunScreens& screens)
{
    if (TestConfig.Presentation.OpeningEnabled)
        RunCommand(screens, TestConfig.Presentation.Opening);
    const int showWhen = TestConfig.Presentation.About.ShowWhen.get();
    if (TestConfig.Presentation.AboutEnabled && (showWhen == 0 || showWhen == 2))
        screens.ShowAbout(TestConfig.Presentation.About);
    if (TestConfig.Presentation.IntroEnabled) {
        QStringList intro;
        if (RunEntries)
            RunEntries->ReadIntroduction(intro);
        screens.ShowIntroduction(intro);
    }

    AvailableCount = TestQuestionList.Count();
    TakeCount = AvailableCount;
    StartQuestion = 1;
    if (!TestConfig.TakeAllQuestions) {
        screens.AskTakeCount();
        TakeCount = std::clamp(TakeCount, std::min(1, AvailableCount), AvailableCount);
        if (TestConfig.SequentialPresentation && TakeCount < AvailableCount) {
            screens.AskStartQuestion();
            StartQuestion = std::clamp(StartQuestion, 1, std::max(1, MaxStartQuestion()));
        }
    }
    if (!TestConfig.SequentialPresentation)
        StartQuestion = 1;
    const int last = StartQuestion + TakeCount - 1;
    BuildQuestionOrder();
    TQuestionRecord r;
    for (int n = StartQuestion; n <= last; ++n) {
        TestQuestionList.Get(QuestionOrder[size_t(n)] - 1, &r, sizeof r);
        r.Deleted = 0;
        r.Answered = 0;
        r.ChosenAnswer = 0;
        RunList.Add(&r, sizeof r);
    }
    MainCycle(screens);
}

void EndOfRun(TRunScreens& screens)
{
    DeleteSavedRun();
    if (!QuitRequested && !QuitSaveRequested) {
        if (TestConfig.AllowPass)
            PassRetakeOffer(screens);
        if (TestConfig.AllowRetake)
            WrongRetakeOffer(screens);
        if (TestConfig.ShowResultsGraph) {
            screens.ShowResults();
            screens.ShowGroupFeedback();
        }
        if (TestConfig.SaveResultsToPrinter || TestConfig.SaveResultsToDisk)
            screens.OutputResults();
        if (TestConfig.UseSwapFile)
            screens.WriteSwapFile();
    }
    if (QuitSaveRequested)
        WriteSavedRun();
    const int showWhen = TestConfig.Presentation.About.ShowWhen.get();
    if (TestConfig.Presentation.AboutEnabled && (showWhen == 1 || showWhen == 2))
        screens.ShowAbout(TestConfig.Presentation.About);
    if (TestConfig.Presentation.ClosingEnabled)
        RunCommand(screens, TestConfig.Presentation.Closing);
}

} // namespace

int MaxStartQuestion() { return AvailableCount - TakeCount + 1; }

QString MaxStartQuestionMessage()
{
    return TestConfig.MaxStartQuestionText.str() + u' ' + QString::number(MaxStartQuestion());
}

QString RetakeQuestion(int n, const QString& countText)
{
    return QString::number(n) + u' ' + countText + QStringLiteral("\r\n\r\r") + TestConfig.RetakeText.str();
}

int RecountRun()
{
    int completed = 0;
    CorrectCount = 0;
    TQuestionRecord r;
    for (int i = 0; i < RunList.Count(); ++i) {
        RunList.Get(i, &r, sizeof r);
        if (r.Deleted != 0)
            ++CorrectCount;
        if (r.Answered != 0)
            ++completed;
    }
    TQuestionScreenState().Close();   // ScorePercent from the new counts
    return completed;
}

void BuildQuestionOrder()
{
    QuestionOrder.assign(size_t(AvailableCount) + 1, 0);
    for (int k = 1; k <= AvailableCount; ++k)
        QuestionOrder[size_t(k)] = k;
    if (TestConfig.SequentialPresentation)
        return;
    std::vector<qint32> p(size_t(AvailableCount) + 1);
    for (int k = 1; k <= AvailableCount; ++k)
        p[size_t(k)] = k;
    Randomize();
    for (int j = AvailableCount; j >= 2; --j) {
        const int r = Random(j) + 1;
        std::swap(p[size_t(j)], p[size_t(r)]);
    }
    for (int k = 1; k <= TakeCount; ++k)
        QuestionOrder[size_t(k)] = p[size_t(k)];
}

void ResetRunEngine()
{
    InRetakeCycle = false;
    TestQuestionList.Clear();
    RunEntries.reset();
    RunBaseName.clear();
    RunFileDir.clear();
    SetRunBackdrop(nullptr);
}

QUENDRA_RESET_ROUTINE(ResetRunEngine)

void RunTest(TRunScreens& screens)
{
    RunList.Clear();
    QuestionOrder.clear();
    CurrentQuestion = TQuestionRecord {};
    AvailableCount = TakeCount = AnsweredCount = CorrectCount = ScorePercent = ScoreGroup = 0;
    StartQuestion = 1;
    QuitRequested = QuitSaveRequested = false;
    InRetakeCycle = false;

    // The test's icon on every window of the run, the backdrop included.
    const QIcon toolIcon = QGuiApplication::windowIcon();
    const QIcon testIcon = TestWindowIcon();
    if (!testIcon.isNull())
        QGuiApplication::setWindowIcon(testIcon);
    std::unique_ptr<QWidget> backdrop(screens.CreateBackdrop());
    if (backdrop)
        backdrop->show();
    SetRunBackdrop(backdrop.get());
    ProgramTitleText = TestConfig.Program.ProgramTitle.str();
    MediaPrompt = TestConfig.Presentation.Captions.MediaStartText.str();
    AdvisoryOn = TestConfig.Program.VideoAdvisory;
    AdvisoryShown = false;
    if (TestConfig.Program.UseHelpFile)
        SetCurrentHelpFile(TestHelpFile());

    const auto cleanUp = [&] {
        SetCurrentHelpFile(HelpFilePath);
        if (!testIcon.isNull())
            QGuiApplication::setWindowIcon(toolIcon);
        InRetakeCycle = false;
        SetRunBackdrop(nullptr);
        backdrop.reset();
        QuestionOrder.clear();
        QuestionOrder.shrink_to_fit();
        RunList.Clear();
    };
    try {
        if (LoadSavedRun(screens))
            TakeAgainCycle(screens, TCycleKind::NotCompleted);
        else
            StartNewRun(screens);
        EndOfRun(screens);
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
}
