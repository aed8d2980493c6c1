#include "presentation/tbackform.h"

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
    ScreenPnl = new QWidget(this);
    ScreenPnl->setObjectName(QStringLiteral("ScreenPnl"));
    wiaTile1 = new TwiaTile(ScreenPnl);
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    wiaTile1->setAccessibleName(tr("Wallpaper"));
    wiaTile1->hide();
    Image1 = new QLabel(ScreenPnl);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(tr("Picture"));
    Image1->hide();
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
