#pragma once
// TIntDesignBackForm: the introduction screen's background, with
// "&Adjust Window" for the layout of its text window.

#include "presentation/designbackform.h"

class TIntDesignBackForm : public TDesignBackForm {
    Q_OBJECT
public:
    explicit TIntDesignBackForm(QWidget* parent = nullptr);
    void Load(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
    TPresentation Presentation{};
    void AdjustBtnClick();

protected:
    void StoreRecord() override;

private:
    TProgramSettings FProgram{};
    QStringList FText;
};

// True (Presentation.Intro written back) on OK.
bool DesignIntroBackground(TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
