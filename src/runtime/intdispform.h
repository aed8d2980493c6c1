#pragma once
// TIntDispForm: the introduction display shown before a test: the
// introduction's text over its designed background, with the optional
// title bar, status bar and menu (Close, Help, About). The help file it
// sets for its Help item is put back when it closes.

#include "runtime/screendisplayform.h"

class TIntDispForm : public TScreenDisplayForm {
    Q_OBJECT
public:
    explicit TIntDispForm(QWidget* parent = nullptr);
    ~TIntDispForm() override;

    void SetUp(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text);

    void MHelpClick();
    void MAboutClick();

    // Sets up the title bar, status bar and menu of a presentation on a
    // screen form; the adjustment window of the introduction uses it too.
    static void SetUpBars(TScreenDisplayForm& form, const TPresentation& presentation,
                          const TProgramSettings& program);

    void done(int result) override;

private:
    void RestoreHelpFile();
    TPresentation FPresentation{};
    TProgramSettings FProgram{};
    QString FOldHelpFile;
    bool FHelpFileSet = false;
};
