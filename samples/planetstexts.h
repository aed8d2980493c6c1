#pragma once
// The content of the PLANETS sample: questions, attachments, hyperlinks and
// score-group feedback, as tables that planets.cpp writes into the project.

#include <QString>

#include <vector>

struct TPlanetsQuestion {
    const char* Identifier;
    const char* Stem;              // RTF body text; "\ul phrase\ul0" marks a hyperlink
    std::vector<const char*> Answers;
    int Correct;                   // 1-based
    quint32 BackColor;             // 0x00BBGGRR behind the text
};

// An entry that shows a text (type 1) or a text over a picture (type 5).
struct TPlanetsDisplay {
    int DisplayType = 1;           // 1 colour, 2 graphic, 3 wallpaper
    quint32 BackColor = 0x00C0C0C0;
    const char* Graphic = "";
    const char* Wallpaper = "";
    bool FullScreen = false;
    quint32 VPBack = 0x00FFFFFF;
    int Left = 120, Top = 80, Width = 400, Height = 200;
    const char* Title = "";
    const char* Body = "";         // RTF body text of the paragraphs after the title
};

// An INFO, HYPER or COMMS entry: a command (Value) or a display (types 1, 5).
struct TPlanetsEntry {
    const char* Name;              // INFO: identifier + "^INFO^", "^EXP^", "^RT^" or "^WG^"
    const char* Source;            // "INFO", "HYPER" or "COMMS"
    int Type;
    const char* Value = "";        // the command value of a command entry
    TPlanetsDisplay Display = {};
};

const std::vector<TPlanetsQuestion>& PlanetsQuestions();
// In the order an author makes them: each question's attachments and
// hyperlinks after its text, then the score-group feedback.
const std::vector<TPlanetsEntry>& PlanetsEntries();
// RTF body text of the introduction.
const char* PlanetsIntroduction();

// The stored RTF document of a question and of a display text, before it is
// read into a document and written out the way the editors write it.
QString QuestionRtf(const TPlanetsQuestion& q);
QString DisplayRtf(const TPlanetsDisplay& d);
QString IntroductionRtf();
