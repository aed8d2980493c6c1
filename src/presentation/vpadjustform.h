#pragma once
// TVPAdjustForm: places and sizes the view-port of a type-5 entry on a
// mock-up of its display screen.

#include "presentation/screenadjustform.h"

class TVPAdjustForm : public TScreenAdjustForm {
    Q_OBJECT
public:
    explicit TVPAdjustForm(QWidget* parent = nullptr);
    // FullScreen is cleared in the copy: a saved adjustment always leaves
    // the entry with a free-standing text area.
    void SetUp(const TEntryDisplay& display, const QStringList& text);
};

// True (VPLeft, VPTop, VPWidth, VPHeight written back, FullScreen cleared)
// when saved.
bool AdjustViewPort(TEntryDisplay& display, const QStringList& text);
