#pragma once
// THypEntryForm: the editor of a display entry's text: mode 1 for a
// type-1 ("Text Only") entry, whose window it adjusts, mode 2 for a type-5
// ("Graphic and Text") entry, whose display screen it designs. The
// attachment, hyperlink and feedback editors open it through
// EditDisplayText.

#include "model/testconfig.h"
#include "presentation/entrytextform.h"

enum : int { DisplayModeText = 1, DisplayModeGraphicText = 2 };

class THypEntryForm : public TEntryTextForm {
    Q_OBJECT
public:
    explicit THypEntryForm(int mode, QWidget* parent = nullptr);

    void Load(const TEntryDisplay& display, const QStringList& text);
    int Mode() const { return FMode; }
    TEntryDisplay Display{};

    void ViewBtnClick();
    void AdjustBtnClick();

protected:
    void BackgroundChosen(quint32 colour) override { Display.VPBack = colour; }

private:
    int FMode;
};

// Edits the text and display settings of a type-1 (mode 1) or type-5
// (mode 2) entry. The editor works on copies: FullScreen is cleared and, in
// mode 1, DisplayType set to 0, as every display entry is edited. On OK the
// record is written back, and the text replaced when the editor holds at
// least one line (an emptied editor keeps the previous text); answers true.
// Cancel changes nothing and answers false.
bool EditDisplayText(TEntryDisplay& display, QStringList& text, int mode);
