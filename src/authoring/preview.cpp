// Pre-View: the whole test taken inside the tool, exactly as a student takes
// it; and the question screen of View a Question.
#include "authoring/preview.h"
#include "authoring/questionlist.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "runtime/entrystore.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runengine.h"
#include "runtime/runstate.h"
#include "runtime/savedrun.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Preview", text); }

// Every whole record of the question file, in file order, as run records.
void LoadTestQuestions()
{
    TestQuestionList.Clear();
    const QString path = ResolveCase(QuestionPath);
    if (!QFileInfo::exists(path))
        return;
    const QByteArray data = ReadWholeFile(path);
    const qint64 n = data.size() / qint64(sizeof(TQuestionRecord));
    TQuestionRecord r;
    for (qint64 i = 0; i < n; ++i) {
        std::memcpy(&r, data.constData() + i * qint64(sizeof r), sizeof r);
        AddTestQuestion(r);
    }
}

// What a run in the tool reads and writes: the project's entry file, run
// files named after the project in its folder.
void UseProjectForRun()
{
    RunEntries = std::make_shared<TFileEntryStore>(EntryPath);
    RunBaseName = BaseName(ProjectPath);
    RunFileDir = ProjectDir;
}

void EndProjectRun()
{
    SetCurrentHelpFile(HelpFilePath);
    TestQuestionList.Clear();
    RunEntries.reset();
}

} // namespace

void PreviewTest()
{
    LoadTestQuestions();
    UseProjectForRun();
    try {
        RunTest();
    } catch (...) {
        EndProjectRun();
        // Nothing the run changed in memory survives it, even when it failed.
        try {
            LoadConfig();
            MediaPrompt = TestConfig.Presentation.Captions.MediaStartText.str();
        } catch (...) {
        }
        throw;
    }
    EndProjectRun();
    LoadConfig();
    MediaPrompt = TestConfig.Presentation.Captions.MediaStartText.str();
}

void ShowQuestionForView(const QStringList& lines)
{
    CurrentQuestion = QuestionBuffer;
    CurrentQuestion.Deleted = 0;
    CurrentQuestion.Answered = 0;
    CurrentQuestion.ChosenAnswer = 0;
    const QString fault = RunRecordFault(CurrentQuestion);
    if (!fault.isEmpty()) {
        ShowError(Tr("The question \"%1\" cannot be shown: %2.").arg(CurrentQuestion.Identifier.str(), fault));
        return;
    }
    // One question in this run, the first, nothing correct yet.
    TakeCount = 1;
    AnsweredCount = 1;
    CorrectCount = 0;
    QuitRequested = QuitSaveRequested = false;
    ProgramTitleText = TestConfig.Program.ProgramTitle.str();
    UseProjectForRun();
    try {
        ShowQuestion(lines);
    } catch (...) {
        EndProjectRun();
        throw;
    }
    EndProjectRun();
}
