#pragma once
// TVPDesignBackForm: the display screen of a type-5 entry: its background,
// with "&Adjust Window" for the view-port.

#include "presentation/designbackform.h"

class TVPDesignBackForm : public TDesignBackForm {
    Q_OBJECT
public:
    explicit TVPDesignBackForm(QWidget* parent = nullptr);
    void Load(const TEntryDisplay& display, const QStringList& text);
    TEntryDisplay Display{};
    void AdjustBtnClick();

protected:
    void StoreRecord() override;

private:
    QStringList FText;
};

// True (the record written back) on OK.
bool DesignDisplayScreen(TEntryDisplay& display, const QStringList& text);
