#pragma once
// TVPDesignTitleForm: the text, font and colour of the introduction's title
// bar or status bar.

#include <QDialog>

#include "model/testconfig.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TVPDesignTitleForm : public QDialog {
    Q_OBJECT
public:
    enum TBar { TitleBar, StatusBar };
    explicit TVPDesignTitleForm(TBar bar, QWidget* parent = nullptr);

    QLabel* TitleLbl;
    QLineEdit* edit1;
    QPushButton* FontBtn;        // "&New Font"
    QPushButton* BackgroundBtn;  // "&Background"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void Load(const TIntroDesign& intro);
    // Stores text, colour and font into the bar's fields.
    void Store(TIntroDesign& intro) const;
    QColor BarColour() const;

    void FontBtnClick();
    void BackgroundBtnClick();

private:
    void SetBarColour(const QColor& colour);
    TBar FBar;
    quint32 FFontColour = 0;
};

// Help contexts 465 (title bar) and 470 (status bar). True when stored.
bool DesignTitleBar(TIntroDesign& intro);
bool DesignStatusBar(TIntroDesign& intro);
