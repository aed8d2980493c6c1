#pragma once
// THypTextAdjForm: places and sizes the text window of a type-1 entry on a
// 640 x 480 mock-up of the design area. The mock window Panel1 stands where
// the text window will: at (VPLeft, VPTop) of the design area, VPWidth + 3
// by VPHeight overall, so saving it unchanged stores exactly what was read.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"

class QFrame;
class QLabel;
class QPushButton;
class TAdjustMenu;
class TRichEdit;
class TStretchHandle;
class TwiaTile;

class THypTextAdjForm : public QDialog {
    Q_OBJECT
public:
    explicit THypTextAdjForm(QWidget* parent = nullptr);

    TwiaTile* wiaTile1;
    QLabel* Image1;
    QFrame* Panel1;   // the mock window
    QFrame* Panel2;   // its caption bar
    QFrame* Panel3;   // its text area
    TRichEdit* RichEdit1;
    QFrame* Panel4;   // its button bar
    QPushButton* BitBtn1;
    TStretchHandle* StretchHandle1;
    TAdjustMenu* Menu;

    void SetUp(const TEntryDisplay& display, const QStringList& text);
    // The record with the window's place and size taken from Panel1.
    TEntryDisplay AdjustedDisplay() const;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Panel1Resized();
    TEntryDisplay FDisplay{};
    bool FShown = false;
};

// True (VPLeft, VPTop, VPWidth, VPHeight written back) when saved.
bool AdjustTextWindow(TEntryDisplay& display, const QStringList& text);
