#include "runtime/tutbackform.h"

#include "platform/wiatile.h"
#include "runtime/background.h"
#include "runtime/runpresentation.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TTutBackForm::TTutBackForm(const TProgramSettings& program, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), FProgram(program)
{
    setObjectName(QStringLiteral("TutBackForm"));
    setWindowTitle(program.ProgramTitle.str());
    setAccessibleName(tr("Test background"));
    {
        const TBackgroundScreen screen = MakeBackgroundScreen(this);
        ScreenPnl = screen.ScreenPnl;
        wiaTile1 = screen.wiaTile1;
        Image1 = screen.Image1;
    }
    // The backdrop never takes the focus from the windows of the run.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The screen panel covers the whole window and paints the background.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTutBackForm::ApplyBackgroundOnce()
{
    if (FApplied)
        return;
    FApplied = true;
    ApplyBackground(BackgroundOf(FProgram), {ScreenPnl, Image1, wiaTile1});
    // Without a picture or wallpaper the panel fills itself (with the
    // designed colour, or the face colour after a refused wallpaper).
    if (wiaTile1->isHidden() && Image1->isHidden())
        ScreenPnl->setAutoFillBackground(true);
}

void TTutBackForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ApplyBackgroundOnce();
}

void TTutBackForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ScreenPnl->setGeometry(rect());
    wiaTile1->setGeometry(ScreenPnl->rect());
    Image1->setGeometry(ScreenPnl->rect());
}

QWidget* CreateProgramBackdrop()
{
    auto* form = new TTutBackForm(TestConfig.Program);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form->setGeometry(screen->geometry());
    return form;
}
