#pragma once
// TIntAdjustForm: places and sizes the introduction's text window on a
// mock-up of the introduction screen, title bar, status bar and menu
// included.

#include "presentation/screenadjustform.h"

class TIntAdjustForm : public TScreenAdjustForm {
    Q_OBJECT
public:
    explicit TIntAdjustForm(QWidget* parent = nullptr);
    void SetUp(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
};

// True (the view-port of Intro.Display written back) when saved.
bool AdjustIntroLayout(TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
