#pragma once
// The main window: the tiled background, the centred command panel, the
// status line and the wait panel; runs every command the same way.

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class TTiledImage;

class Ttestmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Ttestmainform(QWidget* parent = nullptr);
    ~Ttestmainform() override;

    void RefreshCommands();
    // Hides the panel, runs the operation, and on every way out (exceptions
    // included, which are shown with ShowError) restores the panel and
    // calls `after` (which sets the focus).
    void RunCommand(const std::function<void()>& operation, const std::function<void()>& after,
                    bool showWait = false);
    void CentrePanels();

    // The operation each button runs, by the routine's name ("SelectTest",
    // "DeleteQuestion", "CompileTest", ...), filled with the real routines.
    // Tests replace entries to drive the command flow on its own.
    QHash<QString, std::function<void()>> Operations;

    // One row of the command table: the button, the name of the operation
    // it runs (a key of Operations; a name without one stops the program as
    // the programming error it is), whether the enabling is refreshed after
    // it, the button that gets the focus afterwards (FocusFallback when Focus
    // is disabled) and whether the wait panel shows while it runs.
    struct TCommand {
        QPushButton* Button;
        const char* Operation;
        bool Refresh;
        QPushButton* Focus;
        QPushButton* FocusFallback;
        bool Wait;
    };
    std::vector<TCommand> Commands;
    const TCommand* CommandOf(const QPushButton* button) const;
    // Runs the button's row of the table (what its click does).
    void RunButton(QPushButton* button);

    TTiledImage* wiaTile2;
    QFrame* MenuPnl;
    QLabel* TitlePnl;
    QPushButton* SelectBtn;
    QPushButton* StartBtn;
    QGroupBox* GroupBox1;
    QPushButton* AddBtn;
    QPushButton* EditBtn;
    QPushButton* ViewBtn;
    QPushButton* DeleteBtn;
    QGroupBox* GroupBox2;
    QPushButton* PreviewBtn;
    QPushButton* CompileBtn;
    QPushButton* ExecBtn;
    QPushButton* DistribBtn;
    QGroupBox* GroupBox3;
    QPushButton* CustChapBtn;
    QPushButton* CustBookBtn;
    QPushButton* ReorgBtn;
    QGroupBox* GroupBox4;
    QPushButton* AboutBtn;
    QPushButton* HelpBtn;
    QPushButton* TutBtn;
    QPushButton* QuitBtn;
    QFrame* StatusPnl;
    QLabel* StatusText;
    QFrame* ProjectPnl;
    QLabel* ProjectCaption;
    QLabel* ProjectLbl;
    QLabel* waitpnl;
    QTimer* Timer1;
    // The options of the project open dialog; its initial directory follows
    // ProjectDir.
    TFileDialogOptions OpenDialog1;
    // A file given on the command line, opened (OpenStartupFile) once the
    // command panel first shows; empty when none.
    QString StartupFile;

    void SelectBtnClick();
    void StartBtnClick();
    void AddBtnClick();
    void EditBtnClick();
    void ViewBtnClick();
    void DeleteBtnClick();
    void CustChapBtnClick();
    void CustBookBtnClick();
    void ReorgBtnClick();
    void PreviewBtnClick();
    void CompileBtnClick();
    void ExecBtnClick();
    void DistribBtnClick();
    void TutBtnClick();
    void AboutBtnClick();
    void HelpBtnClick();
    void QuitBtnClick();
    void Timer1Timer();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int helpContext);
    void FocusFirstEnabled(QPushButton* preferred, QPushButton* fallback);
    void Run(const QString& operation);
    void SizePanel();
    bool FTimerStarted = false;
    bool FPanelSized = false;
};

// The main window while it exists (the program has exactly one).
extern Ttestmainform* testmainform;
