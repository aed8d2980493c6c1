#pragma once
// TTBackForm: the full-screen preview of the program background. Any mouse
// button, Enter or Esc closes it.

#include <QDialog>

#include "model/testconfig.h"
#include "runtime/background.h"

class QLabel;
class TwiaTile;

class TTBackForm : public QDialog {
    Q_OBJECT
public:
    explicit TTBackForm(QWidget* parent = nullptr);

    QWidget* ScreenPnl;
    QLabel* Image1;
    TwiaTile* wiaTile1;

    // Applies the background of the settings (reporting a missing file).
    TBackgroundResult SetUp(const TProgramSettings& program);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the preview over the whole screen; a ".JPG" wallpaper is reported
// and the preview not shown.
void PreviewProgramBackground(const TProgramSettings& program);
