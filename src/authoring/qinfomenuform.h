#pragma once
// TQInfoMenuForm: the attachment menu of a question's optional information
// (Information, Explanation, Right and Wrong Feedback), each an INFO entry
// named after the question. Kinds 1 to 10.

#include "authoring/attachmenuform.h"

class TQInfoMenuForm : public TAttachMenuForm {
    Q_OBJECT
public:
    explicit TQInfoMenuForm(QWidget* parent = nullptr);
};
