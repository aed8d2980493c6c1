#pragma once
// The data-file lines dialog: five free lines written unchanged at the end
// of every results report.

#include "testdesign/fivelinesform.h"

class TDataFileFormat : public TFiveLinesForm {
    Q_OBJECT
public:
    explicit TDataFileFormat(QWidget* parent = nullptr);
};
