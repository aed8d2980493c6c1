#include "planets.h"

#include "planetstexts.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const quint32 Navy = 0x00800000, Teal = 0x00808000, White = 0x00FFFFFF, Black = 0x00000000;

// The lines the editors store for a text: read into a document and written
// out again, as the rich-text control streams it.
QStringList StoredLines(const QString& rtf)
{
    QTextDocument doc;
    RtfToDocument(rtf.toLatin1(), doc);
    return DocumentToRtfLines(doc);
}

void SetCommand(TCommandSpec& c, int type, const QString& first, const QString& second, int duration)
{
    std::memset(&c, 0, sizeof c);
    c.CommandType = type;
    switch (type) {
    case 2:
        c.Graphic = first;
        break;
    case 3:
        c.Voice = first;
        break;
    case 6:
        c.MixGraphic = first;
        c.MixSound = second;
        break;
    default:
        c.ProgramText = first;
        break;
    }
    if (type == 2 || type == 6)
        c.Duration = duration;
    QString value = first;
    if (type == 6)
        value += u',' + second;
    if (type == 2 || type == 6)
        value += u',' + QString::number(duration);
    c.CommandValue = value;
}

void SetTestDesign(TTestConfig& t)
{
    // Test functions: every question in order, a pass, retakes, the right
    // answer shown after a wrong one, the results saved for the teacher.
    t.TakeAllQuestions = true;
    t.SequentialPresentation = true;
    t.DisplayRightAnswer = true;
    t.AllowRetake = true;
    t.ShowResultsGraph = true;
    t.AllowPass = true;
    t.SaveResultsToDisk = true;
    t.ResultsFileName = QStringLiteral("planets");
    t.PassPercentage = 60;
    t.FailGraphColor = 0x000000C0;
    t.PassGraphColor = 0x00008000;

    // Score groups: up to 40 %, up to 70 %, the rest; each has feedback.
    t.ScoreGroupsDefined = true;
    t.ScoreGroupBound[0] = 40;
    t.ScoreGroupBound[1] = 70;
    t.ScoreGroupBound[2] = 100;
    for (int g = 0; g < 3; ++g)
        t.GroupFeedbackDefined[g] = true;

    t.QuestionScreen.AnswerBarColor = 0x00E0D0C0;
    t.QuestionScreen.DisplayScorePanel = true;
    t.QuestionScreen.ScorePanelColor = Teal;
    t.QuestionScreen.ScorePanelTextColor = White;
    t.QuestionScreen.ScoreBarColor = White;
    t.QuestionScreen.ScoreProgressColor = Navy;

    t.StudentInputPrompt[0] = QStringLiteral("Name");
    t.StudentInputPrompt[1] = QStringLiteral("Class");
    t.DataFileLine[0] = QStringLiteral("The Planets Quiz, a sample test of Quendra");
    t.ResultsTitleText = QStringLiteral("Your Planets Quiz Results");
}

void SetProgramDesign(TPresentation& p, TProgramSettings& s)
{
    p.IntroEnabled = true;
    TIntroDesign& in = p.Intro;
    in.UseTitleBar = true;
    in.TitleBarText = QStringLiteral("Welcome to the Planets Quiz");
    in.TitleBarFont = QStringLiteral("18 16777215 1 DejaVu Sans");
    in.TitleBarColor = Navy;
    in.UseStatusBar = true;
    in.StatusBarText = QStringLiteral("Close this window to start the test");
    in.StatusBarFont = QStringLiteral("10 0 0 DejaVu Sans");
    in.StatusBarColor = 0x00C0C0C0;
    in.Display.FullScreen = false;   // the text in a window over the picture
    in.Display.DisplayType = 2;
    in.Display.SGraphic = QStringLiteral("space.jpg");
    in.Display.VPBack = 0x00FFF8F0;
    in.Display.VPLeft = 60;
    in.Display.VPTop = 70;
    in.Display.VPWidth = 400;
    in.Display.VPHeight = 260;
    in.UseMenuBar = true;

    p.OpeningEnabled = true;
    SetCommand(p.Opening, 6, QStringLiteral("title.jpg"), QStringLiteral("welcome.wav"), 40);
    p.ClosingEnabled = true;
    SetCommand(p.Closing, 3, QStringLiteral("goodbye.wav"), QString(), 0);

    p.AboutEnabled = true;
    TAboutSpec& a = p.About;
    a.ShowWhen = 0;   // when the program starts
    a.Caption = QStringLiteral("About the Planets Quiz");
    a.UseIcon = true;
    a.IconFile = QStringLiteral("planets.bmp");
    a.ProgramName = QStringLiteral("The Planets Quiz");
    a.VersionText = QStringLiteral("Version 1.0");
    a.AuthorText = QStringLiteral("A sample test made with Quendra");
    a.Comment[0] = QStringLiteral("Twelve questions about the Sun and its planets.");
    a.Comment[1] = QStringLiteral("Pictures, sounds, the tune and the film were");
    a.Comment[2] = QStringLiteral("made for this sample and may be shared freely.");
    a.Comment[3] = QString();

    s.ProgramTitle = QStringLiteral("The Planets Quiz");
    s.UseIcon = true;
    s.IconFile = QStringLiteral("planets.bmp");
    s.UseHelpFile = true;
    s.HelpFile = QStringLiteral("planets-help.htm");
    s.HelpContext = 1;
    s.BackgroundKind = 3;   // wallpaper
    s.BackgroundColor = Black;
    s.BackgroundWallpaper = QStringLiteral("stars.bmp");
}

void ToRecord(const TPlanetsDisplay& d, TEntryDisplay& e)
{
    SetEntryDisplayDefaults(e);
    e.DisplayType = d.DisplayType;
    e.SBackColor = d.BackColor;
    e.SGraphic = QString::fromLatin1(d.Graphic);
    e.SWallpaper = QString::fromLatin1(d.Wallpaper);
    e.FullScreen = d.FullScreen;
    e.VPBack = d.VPBack;
    e.VPLeft = d.Left;
    e.VPTop = d.Top;
    e.VPWidth = d.Width;
    e.VPHeight = d.Height;
}

QString TextKey(const QString& source, const QString& name) { return source + u'/' + name; }

const QStringList& TextOf(const TPlanetsTexts& texts, const QString& key)
{
    const auto it = texts.constFind(key);
    if (it == texts.constEnd())
        throw EConvertError(QStringLiteral("The sample has no text for %1").arg(key));
    return *it;
}

void WriteEntry(const TPlanetsEntry& e, const TPlanetsTexts& texts)
{
    const QString name = QString::fromLatin1(e.Name), source = QString::fromLatin1(e.Source);
    if (e.Type == 1 || e.Type == 5) {
        TEntryDisplay display;
        ToRecord(e.Display, display);
        AppendDisplayEntry(EntryPath, name, e.Type, source, TextOf(texts, TextKey(source, name)), display);
    } else {
        AppendCommandEntry(EntryPath, name, e.Type, source, QString::fromLatin1(e.Value));
    }
}

const QString IntroName = QStringLiteral("^INTRODUCTION^");

// The project as the author makes it, into the open project's files (which
// do not exist yet).
void WriteProject(const TPlanetsTexts& texts)
{
    SetConfigDefaults();
    SaveConfig();

    // Each question as the add loop makes it: its text, then its
    // attachments and hyperlinks, then its record.
    const auto& entries = PlanetsEntries();
    QSet<int> written;
    for (const TPlanetsQuestion& q : PlanetsQuestions()) {
        const QString id = QString::fromLatin1(q.Identifier);
        AppendQuestionEntry(EntryPath, id, TextOf(texts, TextKey(SourceQuest, id)));
        std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
        QuestionBuffer.Identifier = id;
        QuestionBuffer.AnswerCount = int(q.Answers.size());
        QuestionBuffer.CorrectAnswer = q.Correct;
        QuestionBuffer.TextBackColor = q.BackColor;
        const QString stem = QString::fromLatin1(q.Stem);
        for (int i = 0; i < int(entries.size()); ++i) {
            const TPlanetsEntry& e = entries[size_t(i)];
            const QString name = QString::fromLatin1(e.Name);
            const bool own = name.startsWith(id + u'^');
            const bool link = QString::fromLatin1(e.Source) == SourceHyper
                              && stem.contains(QStringLiteral("\\ul ") + name + QStringLiteral("\\ul0"));
            if (!own && !link)
                continue;
            WriteEntry(e, texts);
            written.insert(i);
            QuestionBuffer.HasInformation = QuestionBuffer.HasInformation || name.endsWith(QStringLiteral("^INFO^"));
            QuestionBuffer.HasExplanation = QuestionBuffer.HasExplanation || name.endsWith(QStringLiteral("^EXP^"));
            QuestionBuffer.HasRightFeedback = QuestionBuffer.HasRightFeedback || name.endsWith(QStringLiteral("^RT^"));
            QuestionBuffer.HasWrongFeedback = QuestionBuffer.HasWrongFeedback || name.endsWith(QStringLiteral("^WG^"));
        }
        WriteQuestion(-1);
    }
    // The score-group feedback, then the program presentation with its
    // introduction, as the design dialogs save them.
    for (int i = 0; i < int(entries.size()); ++i)
        if (!written.contains(i))
            WriteEntry(entries[size_t(i)], texts);
    SetTestDesign(TestConfig);
    SaveConfig();
    SetProgramDesign(TestConfig.Presentation, TestConfig.Program);
    AppendIntroEntry(EntryPath, TextOf(texts, TextKey(SourceIntro, IntroName)));
    SaveConfig();
}

void UseProject(const QString& dir)
{
    ProjectDir = dir;
    ProjectPath = dir + QStringLiteral("PLANETS.QXJ");
    EntryPath = dir + QStringLiteral("PLANETS.QXR");
    QuestionPath = dir + QStringLiteral("PLANETS.QXQ");
    SetProjectBaseName(QStringLiteral("PLANETS"));
}

} // namespace

TPlanetsTexts PlanetsStoredTexts()
{
    TPlanetsTexts texts;
    for (const TPlanetsQuestion& q : PlanetsQuestions())
        texts.insert(TextKey(SourceQuest, QString::fromLatin1(q.Identifier)), StoredLines(QuestionRtf(q)));
    for (const TPlanetsEntry& e : PlanetsEntries())
        if (e.Type == 1 || e.Type == 5)
            texts.insert(TextKey(QString::fromLatin1(e.Source), QString::fromLatin1(e.Name)),
                         StoredLines(DisplayRtf(e.Display)));
    texts.insert(TextKey(SourceIntro, IntroName), StoredLines(IntroductionRtf()));
    return texts;
}

void WritePlanetsFiles(const QString& folder, const TPlanetsTexts& texts)
{
    const QString dir = QDir(folder).absolutePath() + u'/';
    QTemporaryDir scratch(dir + QStringLiteral(".make-planets-XXXXXX"));
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path()))
        throw EInOutError(QStringLiteral("Cannot create a scratch folder in %1: %2").arg(dir, scratch.errorString()));
    UseProject(scratch.path() + u'/');
    try {
        WriteProject(texts);
    } catch (...) {
        QDir::setCurrent(dir);
        throw;
    }
    // All three are complete: each replaces its old file in one step.
    for (const char* name : {"PLANETS.QXJ", "PLANETS.QXQ", "PLANETS.QXR"}) {
        const QString from = scratch.filePath(QString::fromLatin1(name)), to = dir + QString::fromLatin1(name);
        if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
            throw EInOutError(QStringLiteral("Cannot replace %1: %2").arg(to, QString::fromLocal8Bit(std::strerror(errno))));
    }
    QDir::setCurrent(dir);
    UseProject(dir);
}

void WritePlanetsSample(const QString& folder) { WritePlanetsFiles(folder, PlanetsStoredTexts()); }

QStringList PlanetsMediaFiles()
{
    QStringList files;
    auto add = [&](const QString& f) {
        if (!f.isEmpty() && !files.contains(f))
            files << f;
    };
    for (const TPlanetsEntry& e : PlanetsEntries()) {
        QString value = QString::fromLatin1(e.Value);
        if (e.Type == 9)
            value = value.section(u' ', 1);
        for (const QString& part : value.split(u',')) {
            bool number = false;
            part.toInt(&number);
            if (!number)
                add(part.startsWith(QStringLiteral("./")) ? part.mid(2) : part);
        }
        add(QString::fromLatin1(e.Display.Graphic));
        add(QString::fromLatin1(e.Display.Wallpaper));
    }
    for (const char* f : {"space.jpg", "title.jpg", "welcome.wav", "goodbye.wav", "planets.bmp", "planets-help.htm",
                          "stars.bmp"})
        add(QString::fromLatin1(f));
    return files;
}
