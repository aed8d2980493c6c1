#pragma once
// The student input dialog: the prompts of up to five details the student
// types before the results are saved or printed. An empty prompt is not
// asked.

#include "testdesign/fivelinesform.h"

class TStudentInputForm : public TFiveLinesForm {
    Q_OBJECT
public:
    explicit TStudentInputForm(QWidget* parent = nullptr);
};
