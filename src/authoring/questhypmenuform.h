#pragma once
// TQuestHypMenuForm: the attachment menu of a hyperlink, the HYPER entry
// named by an underlined phrase of a question text. Kinds 1 to 10 and the
// notepad (13).

#include "authoring/attachmenuform.h"

class QLabel;
class QLineEdit;

class TQuestHypMenuForm : public TAttachMenuForm {
    Q_OBJECT
public:
    explicit TQuestHypMenuForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;   // the phrase, read-only

protected:
    void ShowMode() override;
    void AfterAdd(int button) override;
};
