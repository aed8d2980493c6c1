#pragma once
// TIntroDesignForm: "Design Introduction Screen": whether the introduction
// has a title bar, a status bar, a text window and a menu bar, and the
// buttons that design each.

#include <QDialog>
#include <QStringList>

#include "model/testconfig.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

class TIntroDesignForm : public QDialog {
    Q_OBJECT
public:
    explicit TIntroDesignForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QCheckBox* TitleBarChkBx;
    QPushButton* TitleBarBtn;
    QCheckBox* StatusBarChkBx;
    QPushButton* StatusBarBtn;
    QCheckBox* VPChkBx;
    QPushButton* VPBtn;
    QCheckBox* UseMenuChkBx;
    QPushButton* Button1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void Load(const TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
    // The working copy; written back on OK.
    TPresentation Presentation{};

    void TitleBarBtnClick();
    void StatusBarBtnClick();
    void VPBtnClick();
    void Button1Click();
    void OKBtnClick();

private:
    void UpdateButtons();
    // The check boxes into the working copy.
    void StoreChecks();
    TProgramSettings FProgram{};
    QStringList FText;
};

// Designs the introduction screen; true (presentation written back) on OK.
bool DesignIntroScreen(TPresentation& presentation, const TProgramSettings& program, const QStringList& text);
