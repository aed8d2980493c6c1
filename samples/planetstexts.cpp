#include "planetstexts.h"

#include <QStringList>

namespace {

// Pale backgrounds behind the question texts (0x00BBGGRR).
const quint32 PaleBlue = 0x00FFF4E8;
const quint32 PaleYellow = 0x00E0F8FF;
const quint32 PaleGreen = 0x00E8FFEC;
const quint32 PaleRose = 0x00ECE8FF;

// Fonts and colours of every text of the sample: the one font of the
// programs' own dialogs, navy headings, dark red highlights.
const char* RtfHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 DejaVu Sans;}}"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;\\red0\\green0\\blue0;}";

TPlanetsDisplay TextOnStars(const char* title, const char* body)
{
    TPlanetsDisplay d;
    d.DisplayType = 3;
    d.Wallpaper = "stars.bmp";
    d.Left = 110;
    d.Top = 90;
    d.Width = 420;
    d.Height = 220;
    d.Title = title;
    d.Body = body;
    return d;
}

TPlanetsDisplay TextOnSpace(const char* title, const char* body)
{
    TPlanetsDisplay d;
    d.DisplayType = 2;
    d.Graphic = "space.jpg";
    d.VPBack = 0x00FFF8F0;
    d.Left = 40;
    d.Top = 40;
    d.Width = 380;
    d.Height = 240;
    d.Title = title;
    d.Body = body;
    return d;
}

TPlanetsDisplay PlainText(const char* title, const char* body)
{
    TPlanetsDisplay d;
    d.BackColor = 0x00800000;   // navy around a white text window
    d.Left = 120;
    d.Top = 100;
    d.Width = 400;
    d.Height = 200;
    d.Title = title;
    d.Body = body;
    return d;
}

} // namespace

const std::vector<TPlanetsQuestion>& PlanetsQuestions()
{
    static const std::vector<TPlanetsQuestion> questions = {
        {"SUN-01", "Which planet is closest to the \\ul Sun\\ul0 ?", {"Venus", "Mercury", "Mars"}, 2, PaleYellow},
        {"MARS-01", "Which planet is called the red planet?", {"Jupiter", "Mars", "Venus", "Saturn"}, 2, PaleRose},
        {"JUPITER-01", "Which is the largest planet? Its \\ul Great Red Spot\\ul0  is a storm wider than the Earth.",
         {"Earth", "Saturn", "Jupiter"}, 3, PaleYellow},
        {"VENUS-01", "Which planet has the hottest surface, although it is not the closest to the Sun?",
         {"Mercury", "Venus", "Mars", "Earth"}, 2, PaleRose},
        {"EARTH-01", "How long does the Earth take to go once round the Sun?",
         {"One day", "One month", "One year", "Ten years"}, 3, PaleBlue},
        {"MOON-01", "How many moons does Mars have?", {"None", "One", "Two", "Four"}, 3, PaleBlue},
        {"SATURN-01", "Which planet has the widest and brightest rings?", {"Saturn", "Mars", "Mercury"}, 1, PaleYellow},
        {"NEPTUNE-01", "Which planet is farthest from the Sun, now that Pluto is a \\ul dwarf planet\\ul0 ?",
         {"Uranus", "Neptune", "Saturn", "Jupiter"}, 2, PaleBlue},
        {"MERCURY-01", "Which planet has the shortest year?", {"Mercury", "Earth", "Jupiter"}, 1, PaleGreen},
        {"LIGHT-01", "Sunlight takes about how long to reach the Earth?",
         {"8 seconds", "8 minutes", "8 hours", "8 days"}, 2, PaleGreen},
        {"GAS-01", "Which of these planets is made mostly of gas? Write your answer in your \\ul notes\\ul0 .",
         {"Mars", "Venus", "Earth", "Jupiter"}, 4, PaleGreen},
        {"DAY-01", "On which planet does a day last less than ten hours?",
         {"Jupiter", "Venus", "Mercury"}, 1, PaleRose},
    };
    return questions;
}

const std::vector<TPlanetsEntry>& PlanetsEntries()
{
    static const std::vector<TPlanetsEntry> entries = {
        // Text only, a picture only, and a spoken right answer.
        {"SUN-01^INFO^", "INFO", 2, "sun.jpg,0"},
        {"SUN-01^EXP^", "INFO", 1, "",
         TextOnStars("Mercury",
                     "Mercury goes round the Sun at 58 million km, closer than any other planet. "
                     "A year on Mercury lasts only 88 days.")},
        {"SUN-01^RT^", "INFO", 3, "right.wav"},
        {"Sun", "HYPER", 1, "",
         TextOnStars("The Sun",
                     "The Sun is a star. It holds 99.8 % of the mass of the solar system, "
                     "and its light reaches us in about eight minutes.")},
        // A picture with a sound, a spoken wrong answer.
        {"MARS-01^INFO^", "INFO", 6, "mars.jpg,mars.wav,50"},
        {"MARS-01^RT^", "INFO", 3, "right.wav"},
        {"MARS-01^WG^", "INFO", 3, "wrong.wav"},
        // A text over a picture.
        {"JUPITER-01^INFO^", "INFO", 5, "",
         TextOnSpace("The giant planets",
                     "The four outer planets are giants made mostly of gas and ice.\\par "
                     "The largest of them is named after the king of the Roman gods.")},
        {"JUPITER-01^EXP^", "INFO", 2, "jupiter.jpg,0"},
        {"Great Red Spot", "HYPER", 2, "jupiter.jpg,40"},
        // A web page.
        {"VENUS-01^INFO^", "INFO", 10, "planets.htm"},
        {"VENUS-01^EXP^", "INFO", 1, "",
         PlainText("Venus",
                   "Venus is wrapped in thick clouds of carbon dioxide that trap the Sun's heat. "
                   "Its surface is about 465 \\'b0C, hotter than Mercury's.")},
        {"VENUS-01^RT^", "INFO", 6, "venus.jpg,right.wav,30"},
        {"VENUS-01^WG^", "INFO", 3, "wrong.wav"},
        // A video and a program.
        {"EARTH-01^INFO^", "INFO", 7, "orbits.avi"},
        {"EARTH-01^EXP^", "INFO", 4, "./orbits.sh"},
        {"EARTH-01^RT^", "INFO", 3, "right.wav"},
        {"EARTH-01^WG^", "INFO", 2, "earth.jpg,0"},
        // A program with a file.
        {"MOON-01^INFO^", "INFO", 9, "xdg-open moons.txt"},
        {"MOON-01^WG^", "INFO", 1, "",
         PlainText("The moons of Mars",
                   "Mars has two small moons, \\b Phobos\\b0  and \\b Deimos\\b0 . "
                   "Their names mean fear and dread.")},
        // A MIDI tune as the reward.
        {"SATURN-01^EXP^", "INFO", 2, "saturn.jpg,0"},
        {"SATURN-01^RT^", "INFO", 8, "spheres.mid"},
        // A hyperlink to a web page.
        {"NEPTUNE-01^EXP^", "INFO", 2, "neptune.jpg,60"},
        {"NEPTUNE-01^RT^", "INFO", 3, "right.wav"},
        {"dwarf planet", "HYPER", 10, "planets.htm"},
        {"MERCURY-01^INFO^", "INFO", 1, "",
         TextOnStars("A hint", "The closer a planet is to the Sun, the faster it goes round it.")},
        {"MERCURY-01^EXP^", "INFO", 4, "./orbits.sh"},
        {"MERCURY-01^RT^", "INFO", 6, "mercury.jpg,right.wav,30"},
        {"LIGHT-01^EXP^", "INFO", 5, "",
         TextOnSpace("Eight minutes",
                     "Light travels 300 000 km every second, and the Sun is 150 million km away:\\par "
                     "150 000 000 / 300 000 = 500 seconds, a little more than 8 minutes.")},
        {"LIGHT-01^WG^", "INFO", 3, "wrong.wav"},
        // The student's notepad.
        {"notes", "HYPER", 13, "planet-notes.txt"},
        {"GAS-01^RT^", "INFO", 3, "right.wav"},
        {"DAY-01^INFO^", "INFO", 6, "jupiter.jpg,spheres.mid,80"},
        {"DAY-01^WG^", "INFO", 3, "wrong.wav"},
        // Feedback of the three score groups.
        {"GROUP 0 FEEDBACK", "COMMS", 1, "",
         PlainText("Keep exploring", "Read the chapter again and try once more.")},
        {"GROUP 1 FEEDBACK", "COMMS", 5, "",
         TextOnSpace("Good work",
                     "You know a lot about the planets already. Look at the questions you missed "
                     "and take the quiz again.")},
        {"GROUP 2 FEEDBACK", "COMMS", 6, "title.jpg,cheer.wav,40"},
    };
    return entries;
}

const char* PlanetsIntroduction()
{
    return "\\fs32\\b\\cf1 The Planets Quiz\\b0\\cf0\\par "
           "\\fs22 Twelve questions about the Sun and its eight planets.\\par "
           "\\par "
           "\\b Underlined\\b0  words in a question are links: click them to read, see or hear more. "
           "\\b Information\\b0  gives a hint, and \\b Explanation\\b0  tells you more once you have answered.\\par "
           "\\par "
           "\\cf2 You pass with 60 % or more.\\cf0\\par "
           "Close this window to start.";
}

QString QuestionRtf(const TPlanetsQuestion& q)
{
    QString rtf = QString::fromLatin1(RtfHead);
    rtf += QStringLiteral("\\pard\\f0\\fs28\\b\\cf1 ") + QString::fromLatin1(q.Stem) + QStringLiteral("\\b0\\cf0\\par");
    const char letters[] = "ABCDEF";
    for (size_t i = 0; i < q.Answers.size(); ++i)
        rtf += QStringLiteral("\\pard\\li280\\fs24\\b\\cf2 %1\\b0\\cf0    %2\\par")
                   .arg(QString(QLatin1Char(letters[i])), QString::fromLatin1(q.Answers[i]));
    return rtf + u'}';
}

QString DisplayRtf(const TPlanetsDisplay& d)
{
    return QString::fromLatin1(RtfHead) + QStringLiteral("\\pard\\f0\\fs28\\b\\cf1 ") + QString::fromLatin1(d.Title)
         + QStringLiteral("\\b0\\cf0\\par\\pard\\sb120\\fs22 ") + QString::fromLatin1(d.Body) + QStringLiteral("\\par}");
}

QString IntroductionRtf()
{
    return QString::fromLatin1(RtfHead) + QStringLiteral("\\pard\\f0 ") + QString::fromLatin1(PlanetsIntroduction())
         + QStringLiteral("\\par}");
}
