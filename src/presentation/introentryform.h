#pragma once
// TIntroEntryForm: the introduction editor. It works on copies of the
// presentation and program settings and of the text, and opens the
// introduction screen design and the introduction display.

#include "model/testconfig.h"
#include "presentation/entrytextform.h"

class TIntroEntryForm : public TEntryTextForm {
    Q_OBJECT
public:
    explicit TIntroEntryForm(QWidget* parent = nullptr);

    void Load(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
    TPresentation Presentation{};
    TProgramSettings Program{};

    void ViewBtnClick();
    void AdjustBtnClick();

protected:
    void BackgroundChosen(quint32 colour) override { Presentation.Intro.Display.VPBack = colour; }
};

// Edits the introduction. On OK writes back all three (the text emptied
// when the editor holds no line) and answers true; Cancel changes nothing.
bool EditIntroduction(TPresentation& presentation, TProgramSettings& program, QStringList& text);
