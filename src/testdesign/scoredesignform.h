#pragma once
// The score bar dialog: the four colours of the score panel on the question
// screen, shown on a preview drawn as the question screen draws it.

#include "model/testconfig.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TScoreBar;

class TScoreDesignForm : public QDialog {
    Q_OBJECT
public:
    // Works on a copy of the block; Colours() gives the result after OK.
    explicit TScoreDesignForm(const TQuestionScreenColors& block, QWidget* parent = nullptr);

    QFrame* Panel1;          // the score panel
    QLabel* TotQuestLbl;     // "Total Questions" := TotalQuestionsText
    QLabel* ShowTquestlbl;
    QLabel* ScoreLbl;        // "Score" := ScoreText
    TScoreBar* Panel2;       // the bar, its filled part the progress
    QPushButton* PanelBtn;   // "&Score Panel"
    QPushButton* TextBtn;    // "&Text"
    QPushButton* BarBtn;     // "Score &Bar"
    QPushButton* ProgressBtn;// "&Progress"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    QColor PanelColour() const { return FPanel; }
    QColor TextColour() const { return FText; }
    QColor BarColour() const { return FBar; }
    QColor ProgressColour() const { return FProgress; }
    // The block with the four colours of the preview (those the author did
    // not change keep their stored values).
    TQuestionScreenColors Colours() const;

    void PanelBtnClick();
    void TextBtnClick();
    void BarBtnClick();
    void ProgressBtnClick();

private:
    void ShowColours();
    TQuestionScreenColors FBlock;
    QColor FPanel, FText, FBar, FProgress;
};
