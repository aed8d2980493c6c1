#include "model/testconfig.h"

#include "model/processvalues.h"

TTestConfig TestConfig;
QString ProgramDir;
QString ProjectDir;
QString ProjectPath;
QString EntryPath;
QString QuestionPath;
QString CurrentVersion = QStringLiteral("2.01");
QString HelpFilePath;
QString MediaPrompt;
QString ProgramTitleText;
bool LowColourDisplay = false;
int DesignLeft = 0;
int DesignTop = 0;

void ResetProcessValues()
{
    std::memset(&TestConfig, 0, sizeof TestConfig);
    ProgramDir.clear();
    ProjectDir.clear();
    ProjectPath.clear();
    EntryPath.clear();
    QuestionPath.clear();
    CurrentVersion = QStringLiteral("2.01");
    HelpFilePath.clear();
    MediaPrompt.clear();
    ProgramTitleText.clear();
    LowColourDisplay = false;
    DesignLeft = 0;
    DesignTop = 0;
}
QUENDRA_RESET_ROUTINE(ResetProcessValues)

void SetDefaultTexts(TTestConfig& c)
{
    c.ContinueCaption = QStringLiteral("&Continue");
    c.ReservedCaption = QStringLiteral("&Quit");
    c.NextCaption = QStringLiteral("&Next");
    c.ExplanationCaption = QStringLiteral("&Explanation");
    c.PassCaption = QStringLiteral("&Pass");
    c.QuitSaveCaption = QStringLiteral("Quit && &Sav");
    c.InformationCaption = QStringLiteral("&Information");
    c.ResultsTitleText = QStringLiteral("Test Results");
    c.QuestionsAnsweredText = QStringLiteral("Questions Answered");
    c.CorrectAnswersText = QStringLiteral("Correct Answers");
    c.TotalQuestionsText = QStringLiteral("Total Questions");
    c.QuestionsToTakeText = QStringLiteral("Questions to take");
    c.StartAtQuestionText = QStringLiteral("Start at Question");
    c.MaxStartQuestionText = QStringLiteral("The maximum starting question is ");
    c.AnswerText = QStringLiteral("Answer");
    c.CorrectAnswerIsText = QStringLiteral("The Correct answer is");
    c.ScoreText = QStringLiteral("Score");
    c.AnsweredText = QStringLiteral("Answered");
    c.CorrectText = QStringLiteral("Correct");
    c.AllLostText = QStringLiteral("All results will be lost. Quit anyway?");
    c.CompleteFormText = QStringLiteral("Please complete the form.");
    c.PrintResultsText = QStringLiteral("Would you like to print the Test results ?");
    c.ResultsSavedText = QStringLiteral("The Test results have been saved to");
    c.PassedQuestionsText = QStringLiteral("questions(s) were passed.");
    c.WrongQuestionsText = QStringLiteral("questions(s) were answered incorrectly.");
    c.RetakeText = QStringLiteral("Do you want to retake them?");
}

void SetEntryDisplayDefaults(TEntryDisplay& d)
{
    std::memset(&d, 0, sizeof d);
    d.VPBack = quint32(clWhite);
    d.FullScreen = true;
    d.DisplayType = 1;
    d.SBackColor = quint32(clSilver);
    d.VPLeft = 120;
    d.VPTop = 80;
    d.VPWidth = 400;
    d.VPHeight = 200;
    d.RLTop = 1;
    d.RLLeft = 1;
    d.Print = false;
}

void SetCaptionDefaults(TCaptionSet& c)
{
    c.AboutCaption = QStringLiteral("&About");
    c.HelpCaption = QStringLiteral("&Help");
    c.QuitCaption = QStringLiteral("&Quit");
    c.CloseCaption = QStringLiteral("&Close");
    c.PrintCaption = QStringLiteral("&Print");
    c.FindCaption = QStringLiteral("&Find");
    c.MediaStartText = QStringLiteral("Press the Start button");
    MediaPrompt = c.MediaStartText.str();
}

void SetPresentationDefaults(TPresentation& p)
{
    std::memset(&p, 0, sizeof p);
    p.IntroEnabled = false;
    TIntroDesign& in = p.Intro;
    in.UseTitleBar = false;
    in.TitleBarFont = QStringLiteral("16 0 1 Times New Roman");
    in.TitleBarColor = quint32(clSilver);
    in.UseStatusBar = false;
    in.StatusBarFont = QStringLiteral("8 0 0 Times New Roman");
    in.StatusBarColor = quint32(clSilver);
    SetEntryDisplayDefaults(in.Display);
    in.UseMenuBar = true;
    p.OpeningEnabled = false;
    p.ClosingEnabled = false;
    p.AboutEnabled = false;
    p.About.ShowWhen = 0;
    SetCaptionDefaults(p.Captions);
}

void SetProgramSettingsDefaults(TProgramSettings& s)
{
    std::memset(&s, 0, sizeof s);
    s.HelpContext = 0;
    s.BackgroundKind = 1;
    s.BackgroundColor = quint32(clSilver);
}

void SetConfigDefaults()
{
    TTestConfig& c = TestConfig;
    std::memset(&c, 0, sizeof c);
    c.Version = CurrentVersion;
    SetDefaultTexts(c);
    SetPresentationDefaults(c.Presentation);
    SetProgramSettingsDefaults(c.Program);
    c.TakeAllQuestions = true;
    c.SequentialPresentation = true;
    c.DisplayRightAnswer = false;
    c.AllowRetake = false;
    c.ShowResultsGraph = true;
    c.AllowQuitSave = false;
    c.SaveResultsToDisk = false;
    c.EncryptData = false;
    c.SaveResultsToPrinter = false;
    c.AllowPass = false;
    c.UseSwapFile = false;
    c.PassPercentage = 50;
    c.FailGraphColor = quint32(clRed);
    c.PassGraphColor = quint32(clLime);
    c.QuestionScreen.ReservedColor = quint32(clSilver);
    c.QuestionScreen.AnswerBarColor = quint32(clSilver);
    c.QuestionScreen.DisplayScorePanel = true;
    c.QuestionScreen.ScorePanelColor = quint32(clSilver);
    c.QuestionScreen.ScorePanelTextColor = quint32(clBlack);
    c.QuestionScreen.ScoreBarColor = quint32(clWhite);
    c.QuestionScreen.ScoreProgressColor = quint32(clBlue);
}
