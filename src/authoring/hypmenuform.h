#pragma once
// THypMenuForm: the attachment menu of a score group's feedback comment,
// the COMMS entry "GROUP n FEEDBACK". Kinds 1 to 10 and the notepad (13).

#include "authoring/attachmenuform.h"

class QLabel;
class QLineEdit;

class THypMenuForm : public TAttachMenuForm {
    Q_OBJECT
public:
    explicit THypMenuForm(QWidget* parent = nullptr);

    QLabel* Label1;     // "Results Group :"
    QLineEdit* Edit1;   // the entry name, disabled

protected:
    void ShowMode() override;
};

// Opens the feedback menu for the entry of that name (source "COMMS"). True
// when the entry is defined afterwards: always when it existed, else only
// when the menu was closed by Save.
bool EditFeedback(const QString& entryName);
