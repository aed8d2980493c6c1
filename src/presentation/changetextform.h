#pragma once
// TChangeTextForm: the captions of the introduction screen's menu items
// (Close, About, Help).

#include <QDialog>

#include "model/testconfig.h"

class QLineEdit;
class QPushButton;

class TChangeTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TChangeTextForm(QWidget* parent = nullptr);

    QLineEdit* Edit2;   // Close
    QLineEdit* Edit3;   // About
    QLineEdit* Edit4;   // Help
    QPushButton* DefaultsBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void Load(const TCaptionSet& captions);
    // The working copy: "&Defaults" resets all seven captions in it.
    TCaptionSet Captions{};

    void DefaultsBtnClick();
    void OKBtnClick();
};

// True (captions written back) on OK.
bool ChangeMenuTexts(TCaptionSet& captions);
