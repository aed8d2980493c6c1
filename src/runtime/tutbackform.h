#pragma once
// TTutBackForm: the full-screen window behind every window of a test run,
// showing the test's program background (colour, stretched picture or
// wallpaper). The background is applied once, when the window is first
// shown, so a missing file is reported once and never again on a later
// activation.

#include <QWidget>

#include "model/testconfig.h"

class QLabel;
class TwiaTile;

class TTutBackForm : public QWidget {
    Q_OBJECT
public:
    explicit TTutBackForm(const TProgramSettings& program, QWidget* parent = nullptr);

    QWidget* ScreenPnl;
    QLabel* Image1;
    TwiaTile* wiaTile1;

    // Applies the background unless it was applied already.
    void ApplyBackgroundOnce();
    bool BackgroundApplied() const { return FApplied; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TProgramSettings FProgram;
    bool FApplied = false;
};
