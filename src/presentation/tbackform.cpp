#include "presentation/tbackform.h"

#include "runtime/background.h"
#include "platform/modal.h"
#include "platform/wiatile.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

TTBackForm::TTBackForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TBackForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAccessibleName(tr("Background preview"));
    {
        const TBackgroundScreen screen = MakeBackgroundScreen(this);
        ScreenPnl = screen.ScreenPnl;
        wiaTile1 = screen.wiaTile1;
        Image1 = screen.Image1;
    }
    for (QWidget* w : {ScreenPnl, static_cast<QWidget*>(wiaTile1), static_cast<QWidget*>(Image1)})
        w->installEventFilter(this);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->geometry());
}

TBackgroundResult TTBackForm::SetUp(const TProgramSettings& program)
{
    setWindowTitle(program.ProgramTitle.str());
    return ApplyBackground(BackgroundOf(program), {ScreenPnl, Image1, wiaTile1});
}

void TTBackForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    ScreenPnl->setGeometry(rect());
    wiaTile1->setGeometry(rect());
    Image1->setGeometry(rect());
}

void TTBackForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TTBackForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PreviewProgramBackground(const TProgramSettings& program)
{
    TTBackForm form;
    if (form.SetUp(program) == TBackgroundResult::NotBitmap)
        return;
    ShowModal(form);
}
