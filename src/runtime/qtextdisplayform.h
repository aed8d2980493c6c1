#pragma once
// The question screen of a test run: the question's rich text, one button per
// answer, the command bar and the optional score panel. It takes one answer,
// shows the feedback, and closes with Next, Continue, Pass, Quit or
// Quit & Save, leaving the outcome in the run state.

#include <QDialog>
#include <QStringList>

#include "runtime/questionstate.h"

class QFrame;
class QLabel;
class QPushButton;
class TRichEdit;
class TScoreBar;

class TTQtextDisplayForm : public QDialog {
    Q_OBJECT
public:
    // lines: the question's rich text as stored.
    explicit TTQtextDisplayForm(const QStringList& lines, QWidget* parent = nullptr);

    QFrame* MenuPnl;
    QPushButton* PassBtn;
    QPushButton* InformBtn;
    QPushButton* ExplBtn;
    QPushButton* HelpBtn;
    QPushButton* QuitSaveBtn;
    QPushButton* QuitBtn;
    QPushButton* AboutBtn;
    TRichEdit* RichEdit1;
    QFrame* AnswerPnl;
    QFrame* ButtonPnl;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QLabel* ShowAnsPnl;
    QPushButton* NextBitBtn;
    QPushButton* ContBitBtn;
    QFrame* ScorePnl;
    QLabel* TotQuestLbl;
    QLabel* ShowTquestlbl;
    QLabel* ScoreLbl;
    TScoreBar* Gauge1;
    QLabel* Answered;
    QLabel* QDoneLbl;
    QLabel* CorrectLbl;
    QLabel* QrightLbl;

    QPushButton* AnswerButton(int number) const;   // 1..6
    const TQuestionScreenState& State() const { return FState; }

    // Handlers.
    void AnswerClick(int chosen);
    void NextBitBtnClick();
    void PassBtnClick();
    void QuitSaveBtnClick();
    void QuitBtnClick();
    void ExplBtnClick();
    void InformBtnClick();
    void HelpBtnClick();
    void AboutBtnClick();
    // A press in the question text: the hyperlink phrase at the caret.
    void RichEdit1MouseDown();

    void done(int result) override;
    void reject() override;   // Esc: the same way out as Quit

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOutCommandBar();
    void RefreshScore();
    void ShowAttachment(const QString& suffix);
    // Runs what plays a sound, a film or a program with the screen disabled,
    // so that clicks meanwhile count for nothing.
    void WhileBusy(const std::function<void()>& action);
    bool TryQuit();

    TQuestionScreenState FState;
    QPushButton* FAnswerButtons[6] {};
    bool FBusy = false;
    bool FClosed = false;
};

// Shows the question screen on CurrentQuestion with its text lines, modal.
void ShowQuestion(const QStringList& lines);
