#include "runtime/intdispform.h"

#include "model/fileutil.h"
#include "runtime/aboutbox.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/richedit.h"
#include "runtime/entrydisplays.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

TIntDispForm::TIntDispForm(QWidget* parent) : TScreenDisplayForm(parent)
{
    setObjectName(QStringLiteral("IntDispForm"));
    RichEdit1->SetInnerBorder(10);
    connect(MHelp, &QAction::triggered, this, &TIntDispForm::MHelpClick);
    connect(MAbout, &QAction::triggered, this, &TIntDispForm::MAboutClick);
}

TIntDispForm::~TIntDispForm() { RestoreHelpFile(); }

void TIntDispForm::SetUpBars(TScreenDisplayForm& form, const TPresentation& presentation,
                             const TProgramSettings& program)
{
    const TIntroDesign& intro = presentation.Intro;
    if (intro.UseTitleBar)
        SetUpBar(form.TitlePnl, intro.TitleBarText.str(), intro.TitleBarFont.str(), intro.TitleBarColor.u());
    if (intro.UseMenuBar) {
        form.MQuit->setText(presentation.Captions.CloseCaption.str());
        form.MQuit->setVisible(true);
        form.MAbout->setText(presentation.Captions.AboutCaption.str());
        form.MAbout->setVisible(presentation.AboutEnabled);
        form.MHelp->setText(presentation.Captions.HelpCaption.str());
        form.MHelp->setVisible(program.UseHelpFile);
    }
    form.UpdateMenuBar();
    if (intro.UseStatusBar)
        SetUpBar(form.StatusPnl, intro.StatusBarText.str(), intro.StatusBarFont.str(), intro.StatusBarColor.u());
}

void TIntDispForm::SetUp(const TPresentation& presentation, const TProgramSettings& program,
                         const QStringList& text)
{
    FPresentation = presentation;
    FProgram = program;
    SetDisplay(presentation.Intro.Display, text);
    setWindowTitle(program.ProgramTitle.str());
    SetUpBars(*this, presentation, program);
    if (MHelp->isVisible()) {
        // The test's own help file serves the Help item while the screen is
        // up; the previous one comes back when it closes.
        FOldHelpFile = CurrentHelpFile();
        FHelpFileSet = true;
        SetCurrentHelpFile(QFileInfo(ResolveCase(program.HelpFile.str())).absoluteFilePath());
    }
    ApplyScreenBackground();
}

void TIntDispForm::RestoreHelpFile()
{
    if (FHelpFileSet) {
        FHelpFileSet = false;
        SetCurrentHelpFile(FOldHelpFile);
    }
}

void TIntDispForm::done(int result)
{
    RestoreHelpFile();
    TScreenDisplayForm::done(result);
}

void TIntDispForm::MHelpClick() { ShowHelp(FProgram.HelpContext); }

void TIntDispForm::MAboutClick()
{
    if (TAboutDisplay about = IntroAboutDisplay()) {
        about(FPresentation.About, 0);
        return;
    }
    ShowAbout(FPresentation.About, AboutModeAuthor);
}
