// The real screens of a test run: the forms, the media windows, the
// presentation screens and the results, each shown modally.
#include "runtime/runscreens.h"

#include "platform/messages.h"
#include "runtime/aboutbox.h"
#include "runtime/multimedia.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/results.h"
#include "runtime/runengine.h"
#include "runtime/runpresentation.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> gBackdrop;

class TFormRunScreens final : public TRunScreens {
public:
    QWidget* CreateBackdrop() override { return CreateProgramBackdrop(); }
    void ShowMultimedia(const QString& caption, const QString& value) override { ::ShowMultimedia(caption, value); }
    void RunProgramAndWait(int kind, const QString& value) override { ::RunProgramAndWait(kind, value); }
    void OpenDocument(const QString& value) override { ::OpenDocument(value); }
    void ShowAbout(const TAboutSpec& about) override { ::ShowAbout(about, 0); }
    void ShowIntroduction(const QStringList& text) override { ShowIntroductionDisplay(text); }
    void AskTakeCount() override { ::AskTakeCount(); }
    void AskStartQuestion() override { ::AskStartQuestion(); }
    void ShowQuestion(const QStringList& lines) override { ::ShowQuestion(lines); }
    bool Confirm(const QString& text) override { return ::Confirm(text); }
    void ShowError(const QString& text) override { ::ShowError(text); }
    void ShowInfo(const QString& text) override { ::ShowInfo(text); }
    void ShowResults() override { ::ShowResults(); }
    void ShowGroupFeedback() override { ::ShowGroupFeedback(); }
    void OutputResults() override { ::OutputResults(); }
    void WriteSwapFile() override { ::WriteSwapFile(); }
};

} // namespace

std::unique_ptr<TRunScreens> CreateFormRunScreens() { return std::make_unique<TFormRunScreens>(); }

QWidget* RunWindowParent() { return gBackdrop ? gBackdrop.data() : QApplication::activeWindow(); }

void SetRunBackdrop(QWidget* backdrop) { gBackdrop = backdrop; }

void RunTest()
{
    const std::unique_ptr<TRunScreens> screens = CreateFormRunScreens();
    RunTest(*screens);
}
