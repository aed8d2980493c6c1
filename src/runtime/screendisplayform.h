#pragma once
// TScreenDisplayForm: the 640 x 480 screen that shows rich text over a
// designed background, with an optional title bar, status bar and menu. The
// view-port display (type-5 entries), the introduction display and the
// adjustment windows that mock them up are all built on it.
//
// The window is placed, and its text panel placed and loaded, once, when it
// is first shown: later activations (after an About box, the help viewer or
// a message) leave both alone.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class TRichEdit;
class TwiaTile;

class TScreenDisplayForm : public QDialog {
    Q_OBJECT
public:
    explicit TScreenDisplayForm(QWidget* parent = nullptr);

    QMenuBar* MainMenu1;
    QAction* MQuit;
    QAction* MHelp;
    QAction* MAbout;
    QLabel* TitlePnl;
    QLabel* StatusPnl;
    QWidget* ScreenPnl;
    TwiaTile* wiaTile1;
    QLabel* Image1;
    QFrame* TextPnl;
    TRichEdit* RichEdit1;

    // Takes a copy of the display record (its view-port clamped to the
    // design area) and of the text lines.
    void SetDisplay(const TEntryDisplay& display, const QStringList& text);
    const TEntryDisplay& Display() const { return FDisplay; }
    TEntryDisplay& Display() { return FDisplay; }
    // Paints the record's background (reporting a missing file once) and
    // gives the text panel the view-port colour.
    void ApplyScreenBackground();
    // Shows a title or status bar: text, font description text, colour;
    // the bar is twice the font's point size high.
    static void SetUpBar(QLabel* bar, const QString& text, const QString& fontText, quint32 colour);
    // Shows the menu bar when one of its items is visible.
    void UpdateMenuBar();
    // Places the text panel: the whole screen area with FullScreen, else the
    // view-port rectangle inside the screen area.
    void PlaceTextPnl();
    // True once the text has been loaded into RichEdit1.
    bool TextLoaded() const { return FTextLoaded; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A right button press on the screen area, the picture or the
    // wallpaper; the displays close.
    virtual void ScreenRightClick() { reject(); }
    // What the first showing does after placing the window: place the text
    // panel, load the text, show the panel.
    virtual void FirstShow();
    void LoadText();

    TEntryDisplay FDisplay{};
    QStringList FText;
    bool FShown = false;
    bool FTextLoaded = false;
};
