#pragma once
// The test configuration record and its sub-records, exactly as they lie in
// the project file and at the start of a compiled test, plus the
// process-wide values shared by the whole program.

#include <QString>
#include <QtEndian>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "model/ansi.h"

#pragma pack(push, 1)

// A length byte followed by N bytes of single-byte text. A longer text is cut
// to N characters; bytes after the text are left as they were.
template <int N>
struct ShortString {
    quint8 Len;
    char Text[N];

    static constexpr int Capacity = N;
    // A length byte above the capacity (a damaged file) reads as the capacity.
    int Length() const { return Len > N ? N : Len; }
    QString str() const { return AnsiToString(Text, Length()); }
    void assign(const QString& text)
    {
        const QByteArray bytes = StringToAnsi(text);
        const int n = bytes.size() < N ? int(bytes.size()) : N;
        std::memcpy(Text, bytes.constData(), size_t(n));
        Len = quint8(n);
    }
    ShortString& operator=(const QString& text) { assign(text); return *this; }
    bool IsEmpty() const { return Length() == 0; }
};

// One byte; any non-zero value reads as true, true is written as 1.
struct Flag {
    quint8 Value;
    operator bool() const { return Value != 0; }
    Flag& operator=(bool b) { Value = b ? 1 : 0; return *this; }
};

struct Int16LE {
    quint8 B[2];
    qint16 get() const { return qFromLittleEndian<qint16>(B); }
    operator int() const { return get(); }
    Int16LE& operator=(int v) { qToLittleEndian<qint16>(qint16(v), B); return *this; }
};

struct Int32LE {
    quint8 B[4];
    qint32 get() const { return qFromLittleEndian<qint32>(B); }
    quint32 u() const { return qFromLittleEndian<quint32>(B); }
    operator qint32() const { return get(); }
    Int32LE& operator=(qint32 v) { qToLittleEndian<qint32>(v, B); return *this; }
    Int32LE& operator=(quint32 v) { qToLittleEndian<quint32>(v, B); return *this; }
};

// 0x00BBGGRR: red in the low byte.
using Colour = Int32LE;

enum : quint32 {
    clRed = 0x0000FF, clLime = 0x00FF00, clBlue = 0xFF0000, clSilver = 0xC0C0C0,
    clWhite = 0xFFFFFF, clBlack = 0x000000,
};

struct TQuestionScreenColors {
    Colour ReservedColor;          // written for a new test, never read
    Colour AnswerBarColor;
    Flag DisplayScorePanel;
    Colour ScorePanelColor;
    Colour ScorePanelTextColor;
    Colour ScoreBarColor;
    Colour ScoreProgressColor;
};

struct TEntryDisplay {
    Colour VPBack;
    Flag FullScreen;
    Int32LE DisplayType;
    Colour SBackColor;
    ShortString<150> SGraphic;
    ShortString<150> SWallpaper;
    Int32LE VPLeft;
    Int32LE VPTop;
    Int32LE VPWidth;
    Int32LE VPHeight;
    Int32LE RLTop;
    Int32LE RLLeft;
    Flag Print;
};

struct TIntroDesign {
    Flag UseTitleBar;
    ShortString<80> TitleBarText;
    ShortString<50> TitleBarFont;
    Colour TitleBarColor;
    Flag UseStatusBar;
    ShortString<80> StatusBarText;
    ShortString<50> StatusBarFont;
    Colour StatusBarColor;
    TEntryDisplay Display;
    Flag UseMenuBar;
};

struct TCommandSpec {
    Int16LE CommandType;
    ShortString<150> Graphic;
    ShortString<150> MixGraphic;
    ShortString<150> Voice;
    ShortString<150> MixSound;
    ShortString<200> ProgramText;
    Int16LE Duration;
    ShortString<200> CommandValue;
};

struct TAboutSpec {
    Int16LE ShowWhen;
    ShortString<40> Caption;
    Flag UseIcon;
    ShortString<150> IconFile;
    ShortString<32> ProgramName;
    ShortString<42> VersionText;
    ShortString<42> AuthorText;
    ShortString<65> Comment[4];
};

struct TCaptionSet {
    ShortString<16> AboutCaption;
    ShortString<16> HelpCaption;
    ShortString<16> QuitCaption;
    ShortString<16> CloseCaption;
    ShortString<16> PrintCaption;
    ShortString<16> FindCaption;
    ShortString<25> MediaStartText;
};

struct TPresentation {
    Flag IntroEnabled;
    TIntroDesign Intro;
    Flag OpeningEnabled;
    TCommandSpec Opening;
    Flag ClosingEnabled;
    TCommandSpec Closing;
    Flag AboutEnabled;
    TAboutSpec About;
    TCaptionSet Captions;
};

struct TProgramSettings {
    ShortString<80> ProgramTitle;
    Flag UseIcon;
    ShortString<150> IconFile;
    Flag UseHelpFile;
    ShortString<150> HelpFile;
    Int32LE HelpContext;
    Flag VideoAdvisory;
    Int32LE BackgroundKind;
    Colour BackgroundColor;
    ShortString<150> BackgroundGraphic;
    ShortString<150> BackgroundWallpaper;
};

struct TTestConfig {
    ShortString<4> Version;
    Flag TakeAllQuestions;
    Flag SequentialPresentation;
    Flag DisplayRightAnswer;
    Flag AllowRetake;
    Flag ShowResultsGraph;
    Flag AllowQuitSave;
    Flag SaveResultsToDisk;
    Flag EncryptData;
    Flag SaveResultsToPrinter;
    Flag AllowPass;
    Flag UseSwapFile;
    ShortString<60> ResultsFileName;
    Int32LE PassPercentage;
    Colour FailGraphColor;
    Colour PassGraphColor;
    quint8 Reserved89;
    Flag GroupFeedbackDefined[11];
    Flag ScoreGroupsDefined;
    Int32LE ScoreGroupBound[5];
    TQuestionScreenColors QuestionScreen;
    ShortString<50> StudentInputPrompt[5];
    ShortString<50> DataFileLine[5];
    ShortString<12> ContinueCaption;
    ShortString<12> ReservedCaption;   // "&Quit" for a new test, never read
    ShortString<12> NextCaption;
    ShortString<12> ExplanationCaption;
    ShortString<12> PassCaption;
    ShortString<12> QuitSaveCaption;
    ShortString<12> InformationCaption;
    ShortString<30> ResultsTitleText;
    ShortString<20> QuestionsAnsweredText;
    ShortString<20> CorrectAnswersText;
    ShortString<20> TotalQuestionsText;
    ShortString<20> QuestionsToTakeText;
    ShortString<20> StartAtQuestionText;
    ShortString<60> MaxStartQuestionText;
    ShortString<8> AnswerText;
    ShortString<35> CorrectAnswerIsText;
    ShortString<8> ScoreText;
    ShortString<10> AnsweredText;
    ShortString<10> CorrectText;
    ShortString<70> AllLostText;
    ShortString<60> CompleteFormText;
    ShortString<45> PrintResultsText;
    ShortString<45> ResultsSavedText;
    ShortString<45> PassedQuestionsText;
    ShortString<45> WrongQuestionsText;
    ShortString<45> RetakeText;
    TPresentation Presentation;
    TProgramSettings Program;
};

#pragma pack(pop)

// The layout is a file format: pin every size and offset.
static_assert(sizeof(ShortString<4>) == 5);
static_assert(sizeof(TQuestionScreenColors) == 25);
static_assert(offsetof(TQuestionScreenColors, AnswerBarColor) == 4);
static_assert(offsetof(TQuestionScreenColors, DisplayScorePanel) == 8);
static_assert(offsetof(TQuestionScreenColors, ScorePanelColor) == 9);
static_assert(offsetof(TQuestionScreenColors, ScorePanelTextColor) == 13);
static_assert(offsetof(TQuestionScreenColors, ScoreBarColor) == 17);
static_assert(offsetof(TQuestionScreenColors, ScoreProgressColor) == 21);

static_assert(sizeof(TEntryDisplay) == 340);
static_assert(offsetof(TEntryDisplay, FullScreen) == 4);
static_assert(offsetof(TEntryDisplay, DisplayType) == 5);
static_assert(offsetof(TEntryDisplay, SBackColor) == 9);
static_assert(offsetof(TEntryDisplay, SGraphic) == 13);
static_assert(offsetof(TEntryDisplay, SWallpaper) == 164);
static_assert(offsetof(TEntryDisplay, VPLeft) == 315);
static_assert(offsetof(TEntryDisplay, VPTop) == 319);
static_assert(offsetof(TEntryDisplay, VPWidth) == 323);
static_assert(offsetof(TEntryDisplay, VPHeight) == 327);
static_assert(offsetof(TEntryDisplay, RLTop) == 331);
static_assert(offsetof(TEntryDisplay, RLLeft) == 335);
static_assert(offsetof(TEntryDisplay, Print) == 339);

static_assert(sizeof(TIntroDesign) == 615);
static_assert(offsetof(TIntroDesign, TitleBarText) == 1);
static_assert(offsetof(TIntroDesign, TitleBarFont) == 82);
static_assert(offsetof(TIntroDesign, TitleBarColor) == 133);
static_assert(offsetof(TIntroDesign, UseStatusBar) == 137);
static_assert(offsetof(TIntroDesign, StatusBarText) == 138);
static_assert(offsetof(TIntroDesign, StatusBarFont) == 219);
static_assert(offsetof(TIntroDesign, StatusBarColor) == 270);
static_assert(offsetof(TIntroDesign, Display) == 274);
static_assert(offsetof(TIntroDesign, UseMenuBar) == 614);

static_assert(sizeof(TCommandSpec) == 1010);
static_assert(offsetof(TCommandSpec, Graphic) == 2);
static_assert(offsetof(TCommandSpec, MixGraphic) == 153);
static_assert(offsetof(TCommandSpec, Voice) == 304);
static_assert(offsetof(TCommandSpec, MixSound) == 455);
static_assert(offsetof(TCommandSpec, ProgramText) == 606);
static_assert(offsetof(TCommandSpec, Duration) == 807);
static_assert(offsetof(TCommandSpec, CommandValue) == 809);

static_assert(sizeof(TAboutSpec) == 578);
static_assert(offsetof(TAboutSpec, Caption) == 2);
static_assert(offsetof(TAboutSpec, UseIcon) == 43);
static_assert(offsetof(TAboutSpec, IconFile) == 44);
static_assert(offsetof(TAboutSpec, ProgramName) == 195);
static_assert(offsetof(TAboutSpec, VersionText) == 228);
static_assert(offsetof(TAboutSpec, AuthorText) == 271);
static_assert(offsetof(TAboutSpec, Comment) == 314);

static_assert(sizeof(TCaptionSet) == 128);
static_assert(offsetof(TCaptionSet, HelpCaption) == 17);
static_assert(offsetof(TCaptionSet, QuitCaption) == 34);
static_assert(offsetof(TCaptionSet, CloseCaption) == 51);
static_assert(offsetof(TCaptionSet, PrintCaption) == 68);
static_assert(offsetof(TCaptionSet, FindCaption) == 85);
static_assert(offsetof(TCaptionSet, MediaStartText) == 102);

static_assert(sizeof(TPresentation) == 3345);
static_assert(offsetof(TPresentation, Intro) == 1);
static_assert(offsetof(TPresentation, OpeningEnabled) == 616);
static_assert(offsetof(TPresentation, Opening) == 617);
static_assert(offsetof(TPresentation, ClosingEnabled) == 1627);
static_assert(offsetof(TPresentation, Closing) == 1628);
static_assert(offsetof(TPresentation, AboutEnabled) == 2638);
static_assert(offsetof(TPresentation, About) == 2639);
static_assert(offsetof(TPresentation, Captions) == 3217);

static_assert(sizeof(TProgramSettings) == 700);
static_assert(offsetof(TProgramSettings, UseIcon) == 81);
static_assert(offsetof(TProgramSettings, IconFile) == 82);
static_assert(offsetof(TProgramSettings, UseHelpFile) == 233);
static_assert(offsetof(TProgramSettings, HelpFile) == 234);
static_assert(offsetof(TProgramSettings, HelpContext) == 385);
static_assert(offsetof(TProgramSettings, VideoAdvisory) == 389);
static_assert(offsetof(TProgramSettings, BackgroundKind) == 390);
static_assert(offsetof(TProgramSettings, BackgroundColor) == 394);
static_assert(offsetof(TProgramSettings, BackgroundGraphic) == 398);
static_assert(offsetof(TProgramSettings, BackgroundWallpaper) == 549);

static_assert(sizeof(TTestConfig) == 5428);
static_assert(offsetof(TTestConfig, TakeAllQuestions) == 5);
static_assert(offsetof(TTestConfig, SequentialPresentation) == 6);
static_assert(offsetof(TTestConfig, DisplayRightAnswer) == 7);
static_assert(offsetof(TTestConfig, AllowRetake) == 8);
static_assert(offsetof(TTestConfig, ShowResultsGraph) == 9);
static_assert(offsetof(TTestConfig, AllowQuitSave) == 10);
static_assert(offsetof(TTestConfig, SaveResultsToDisk) == 11);
static_assert(offsetof(TTestConfig, EncryptData) == 12);
static_assert(offsetof(TTestConfig, SaveResultsToPrinter) == 13);
static_assert(offsetof(TTestConfig, AllowPass) == 14);
static_assert(offsetof(TTestConfig, UseSwapFile) == 15);
static_assert(offsetof(TTestConfig, ResultsFileName) == 16);
static_assert(offsetof(TTestConfig, PassPercentage) == 77);
static_assert(offsetof(TTestConfig, FailGraphColor) == 81);
static_assert(offsetof(TTestConfig, PassGraphColor) == 85);
static_assert(offsetof(TTestConfig, Reserved89) == 89);
static_assert(offsetof(TTestConfig, GroupFeedbackDefined) == 90);
static_assert(offsetof(TTestConfig, ScoreGroupsDefined) == 101);
static_assert(offsetof(TTestConfig, ScoreGroupBound) == 102);
static_assert(offsetof(TTestConfig, QuestionScreen) == 122);
static_assert(offsetof(TTestConfig, StudentInputPrompt) == 147);
static_assert(offsetof(TTestConfig, DataFileLine) == 402);
static_assert(offsetof(TTestConfig, ContinueCaption) == 657);
static_assert(offsetof(TTestConfig, ReservedCaption) == 670);
static_assert(offsetof(TTestConfig, NextCaption) == 683);
static_assert(offsetof(TTestConfig, ExplanationCaption) == 696);
static_assert(offsetof(TTestConfig, PassCaption) == 709);
static_assert(offsetof(TTestConfig, QuitSaveCaption) == 722);
static_assert(offsetof(TTestConfig, InformationCaption) == 735);
static_assert(offsetof(TTestConfig, ResultsTitleText) == 748);
static_assert(offsetof(TTestConfig, QuestionsAnsweredText) == 779);
static_assert(offsetof(TTestConfig, CorrectAnswersText) == 800);
static_assert(offsetof(TTestConfig, TotalQuestionsText) == 821);
static_assert(offsetof(TTestConfig, QuestionsToTakeText) == 842);
static_assert(offsetof(TTestConfig, StartAtQuestionText) == 863);
static_assert(offsetof(TTestConfig, MaxStartQuestionText) == 884);
static_assert(offsetof(TTestConfig, AnswerText) == 945);
static_assert(offsetof(TTestConfig, CorrectAnswerIsText) == 954);
static_assert(offsetof(TTestConfig, ScoreText) == 990);
static_assert(offsetof(TTestConfig, AnsweredText) == 999);
static_assert(offsetof(TTestConfig, CorrectText) == 1010);
static_assert(offsetof(TTestConfig, AllLostText) == 1021);
static_assert(offsetof(TTestConfig, CompleteFormText) == 1092);
static_assert(offsetof(TTestConfig, PrintResultsText) == 1153);
static_assert(offsetof(TTestConfig, ResultsSavedText) == 1199);
static_assert(offsetof(TTestConfig, PassedQuestionsText) == 1245);
static_assert(offsetof(TTestConfig, WrongQuestionsText) == 1291);
static_assert(offsetof(TTestConfig, RetakeText) == 1337);
static_assert(offsetof(TTestConfig, Presentation) == 1383);
static_assert(offsetof(TTestConfig, Program) == 4728);

static_assert(std::is_trivially_copyable_v<TTestConfig> && std::is_trivial_v<TTestConfig>);

// ---- process-wide values ----------------------------------------------------

extern TTestConfig TestConfig;     // the open project's record
extern QString ProgramDir;         // directory of the running program, trailing separator
extern QString ProjectDir;         // directory of the open project, trailing separator
extern QString ProjectPath;        // the project file ".QXJ"; empty = no project open
extern QString EntryPath;          // ProjectPath with ".QXR"
extern QString QuestionPath;       // ProjectPath with ".QXQ"
extern QString CurrentVersion;     // "2.01"
extern QString HelpFilePath;       // ProgramDir + "QUEDRIX.HLP"
extern QString MediaPrompt;        // working copy of Captions.MediaStartText
extern QString ProgramTitleText;   // working copy of Program.ProgramTitle
extern bool LowColourDisplay;      // fewer than 16 bits per pixel
extern int DesignLeft;             // top-left corner of the 640 x 480 design area
extern int DesignTop;

// Puts every process-wide value back to its state at program start
// (no project, zeroed record). Test fixtures call it in SetUp.
void ResetProcessValues();

// ---- defaults ---------------------------------------------------------------

void SetConfigDefaults();
void SetDefaultTexts(TTestConfig& config);
void SetEntryDisplayDefaults(TEntryDisplay& display);
void SetPresentationDefaults(TPresentation& presentation);
void SetProgramSettingsDefaults(TProgramSettings& settings);
void SetCaptionDefaults(TCaptionSet& captions);
