#pragma once
// The screens a test run talks to. The run engine never creates a window
// itself: it asks a TRunScreens, so that the real forms serve a student and a
// scripted student serves the tests (whole test runs without widgets).

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
struct TAboutSpec;

class TRunScreens {
public:
    virtual ~TRunScreens() = default;

    // The full-screen backdrop behind the run's windows; null when there is
    // none. Deleted by the engine at the end of the run.
    virtual QWidget* CreateBackdrop() = 0;
    // What an opening or closing command does, by its kind.
    virtual void ShowMultimedia(const QString& caption, const QString& value) = 0;
    virtual void RunProgramAndWait(int kind, const QString& value) = 0;
    virtual void OpenDocument(const QString& value) = 0;
    virtual void ShowAbout(const TAboutSpec& about) = 0;
    virtual void ShowIntroduction(const QStringList& text) = 0;

    // The number-to-take and start-question dialogs: they set TakeCount and
    // StartQuestion.
    virtual void AskTakeCount() = 0;
    virtual void AskStartQuestion() = 0;
    // The question screen on CurrentQuestion with its rich-text lines; the
    // outcome is left in the run state.
    virtual void ShowQuestion(const QStringList& lines) = 0;

    // Message boxes of the run: the retake offers and the refusals.
    virtual bool Confirm(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowInfo(const QString& text) = 0;

    // The end of a run that was not quit.
    virtual void ShowResults() = 0;
    virtual void ShowGroupFeedback() = 0;
    virtual void OutputResults() = 0;
    virtual void WriteSwapFile() = 0;
};

// The real screens: the run's forms shown through ShowModal, the media
// windows, the presentation screens and the results.
std::unique_ptr<TRunScreens> CreateFormRunScreens();

// The parent of the run's windows: the backdrop while a run has one (so a
// compositor keeps them above it), else the active window.
QWidget* RunWindowParent();
void SetRunBackdrop(QWidget* backdrop);
