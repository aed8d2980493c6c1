#pragma once
// TCFGDesignBackForm: the program background behind a test run, with
// "View" for a full-screen preview.

#include "presentation/designbackform.h"

class TCFGDesignBackForm : public TDesignBackForm {
    Q_OBJECT
public:
    explicit TCFGDesignBackForm(QWidget* parent = nullptr);
    void Load(const TProgramSettings& program);
    TProgramSettings Program{};
    void ViewBitBtnClick();

protected:
    void StoreRecord() override;
};

// True (the background fields written back) on OK.
bool DesignProgramBackground(TProgramSettings& program);
