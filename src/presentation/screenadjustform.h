#pragma once
// TScreenAdjustForm: the screen display mocked up for adjusting where its
// text panel lies: the same panels and background, with the stretch handle
// on TextPnl and the adjustment pop-up menu. TIntAdjustForm and
// TVPAdjustForm are built on it.

#include "runtime/screendisplayform.h"

class TAdjustMenu;
class TStretchHandle;

class TScreenAdjustForm : public TScreenDisplayForm {
    Q_OBJECT
public:
    explicit TScreenAdjustForm(QWidget* parent = nullptr);

    TStretchHandle* StretchHandle1;
    TAdjustMenu* Menu;

    // The record with the view-port taken from TextPnl (when it is free-
    // standing).
    TEntryDisplay AdjustedDisplay() const;
    void done(int result) override;

protected:
    void ScreenRightClick() override;
    void FirstShow() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
