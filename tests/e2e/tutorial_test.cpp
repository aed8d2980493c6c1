// The tutorial's lessons walk through the PLANETS sample: every question,
// file and setting a lesson names is the sample's.
#include "planetstest.h"

#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "richtext/rtfreader.h"

#include <QFile>
#include <QRegularExpression>

namespace {

QString TutorialText()
{
    QFile f(QStringLiteral(QUENDRA_SOURCE_DIR "/docs/QUEDRIX.RTF"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    // One line per paragraph; lines are joined so a phrase may span them.
    return RtfToPlainText(f.readAll()).simplified();
}

QString EntryText(const QString& name, const QString& source)
{
    QStringList lines;
    if (!ReadEntry(EntryPath, name, source, lines))
        return QString();
    return lines.join(u'\n');
}

TEST_F(PlanetsTest, TheTutorialWalksThroughTheSample)
{
    OpenSampleCopy();
    const QString tutorial = TutorialText();
    ASSERT_TRUE(tutorial.contains(QStringLiteral("Lesson 1")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("samples")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("PLANETS.QXJ")));

    // Every question identifier and every file the lessons name.
    QStringList ids;
    ASSERT_TRUE(ListIdentifiers(ids));
    const QRegularExpression id(QStringLiteral("\\b[A-Z]+-\\d\\d\\b"));
    int named = 0;
    for (auto m = id.globalMatch(tutorial); m.hasNext(); ++named) {
        const QString found = m.next().captured();
        EXPECT_TRUE(ids.contains(found)) << found.toStdString();
    }
    EXPECT_GE(named, 8);
    const QRegularExpression file(QStringLiteral("\\b[a-z][a-z-]*\\.(jpg|wav|bmp|htm|mid|avi)\\b"));
    int files = 0;
    for (auto m = file.globalMatch(tutorial); m.hasNext(); ++files) {
        const QString found = m.next().captured();
        EXPECT_TRUE(Dir.Exists(found)) << found.toStdString();
    }
    EXPECT_GE(files, 5);

    // Lesson 2: SUN-01 with three answers, B correct, and the Sun hyperlink.
    EXPECT_EQ(ids.mid(0, 3), QStringList({"SUN-01", "MARS-01", "JUPITER-01"}));
    ReadQuestion(0);
    EXPECT_EQ(QuestionBuffer.AnswerCount.get(), 3);
    EXPECT_EQ(QuestionBuffer.CorrectAnswer.get(), 2);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("type 3 under Number of Answers and 2 under Correct Answer")));
    EXPECT_TRUE(tutorial.contains(QStringLiteral("The Sun is a star. It holds 99.8 % of the mass of the solar system")));
    EXPECT_TRUE(EntryText(QStringLiteral("Sun"), SourceHyper)
                    .contains(QStringLiteral("The Sun is a star. It holds 99.8 % of the mass of the solar system")));

    // Lesson 3: MARS-01's information is a picture with a sound for five
    // seconds, its wrong feedback a voice.
    EXPECT_TRUE(tutorial.contains(QStringLiteral("type 50 as the duration")));
    EXPECT_TRUE(EntryText(QStringLiteral("MARS-01^INFO^"), SourceInfo).contains(QStringLiteral("type=6\ncommand=mars.jpg,mars.wav,50")));
    EXPECT_TRUE(EntryText(QStringLiteral("MARS-01^WG^"), SourceInfo).contains(QStringLiteral("type=3\ncommand=wrong.wav")));

    // Lesson 4: results file, retake, pass mark, score groups, feedback, inputs.
    EXPECT_TRUE(tutorial.contains(QStringLiteral("type planets as the file name")));
    EXPECT_EQ(TestConfig.ResultsFileName.str(), QStringLiteral("planets"));
    EXPECT_TRUE(TestConfig.SaveResultsToDisk && TestConfig.AllowRetake && TestConfig.ShowResultsGraph);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("Type 60 as the Test Pass Percentage")));
    EXPECT_EQ(TestConfig.PassPercentage.get(), 60);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("Type 40 for Group 0, 70 for Group 1 and 100 for Group 2")));
    EXPECT_TRUE(TestConfig.ScoreGroupsDefined);
    EXPECT_EQ(TestConfig.ScoreGroupBound[0].get(), 40);
    EXPECT_EQ(TestConfig.ScoreGroupBound[1].get(), 70);
    EXPECT_EQ(TestConfig.ScoreGroupBound[2].get(), 100);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("Read the chapter again and try once more.")));
    EXPECT_TRUE(EntryText(QStringLiteral("GROUP 0 FEEDBACK"), SourceComms).contains(QStringLiteral("Read the chapter again and try once more.")));
    for (int g = 0; g < 3; ++g)
        EXPECT_TRUE(TestConfig.GroupFeedbackDefined[g]);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("type Name next to Input 1 and Class next to Input 2")));
    EXPECT_EQ(TestConfig.StudentInputPrompt[0].str(), QStringLiteral("Name"));
    EXPECT_EQ(TestConfig.StudentInputPrompt[1].str(), QStringLiteral("Class"));

    // Lesson 5: title, introduction on a picture, wallpaper, about box at start.
    EXPECT_TRUE(tutorial.contains(QStringLiteral("Type The Planets Quiz as the Title")));
    EXPECT_EQ(TestConfig.Program.ProgramTitle.str(), QStringLiteral("The Planets Quiz"));
    const TPresentation& p = TestConfig.Presentation;
    EXPECT_TRUE(p.IntroEnabled && p.Intro.UseTitleBar);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("type Welcome to the Planets Quiz")));
    EXPECT_EQ(p.Intro.TitleBarText.str(), QStringLiteral("Welcome to the Planets Quiz"));
    EXPECT_FALSE(p.Intro.Display.FullScreen);   // "Use Text Window"
    EXPECT_EQ(p.Intro.Display.DisplayType.get(), 2);
    EXPECT_TRUE(tutorial.contains(QStringLiteral("(the sample uses space.jpg)")));
    EXPECT_EQ(p.Intro.Display.SGraphic.str(), QStringLiteral("space.jpg"));
    EXPECT_EQ(TestConfig.Program.BackgroundKind.get(), 3);
    EXPECT_EQ(TestConfig.Program.BackgroundWallpaper.str(), QStringLiteral("stars.bmp"));
    EXPECT_TRUE(p.AboutEnabled);
    EXPECT_EQ(p.About.ShowWhen.get(), 0);   // Starts
    EXPECT_TRUE(p.OpeningEnabled && p.ClosingEnabled);
    EXPECT_TRUE(TestConfig.Program.UseHelpFile);
}

} // namespace
