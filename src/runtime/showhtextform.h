#pragma once
// TShowHTextForm: the text window of a type-1 ("Text Only") entry. It sits
// at the design origin plus the view-port position, VPWidth + 3 by VPHeight
// overall, and closes with Esc, Enter or "&OK". It is placed and its text
// loaded once, when first shown.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"

class QFrame;
class QPushButton;
class TRichEdit;

class TShowHTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TShowHTextForm(QWidget* parent = nullptr);

    QFrame* Panel2;
    TRichEdit* RichEdit1;
    QFrame* Panel1;
    QPushButton* BitBtn1;

    void SetDisplay(const TEntryDisplay& display, const QStringList& text);
    const TEntryDisplay& Display() const { return FDisplay; }
    // Where the window goes: (DesignLeft + VPLeft, DesignTop + VPTop),
    // VPWidth + 3 by VPHeight.
    QRect DesignedGeometry() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TEntryDisplay FDisplay{};
    QStringList FText;
    bool FShown = false;
};
