#include "runtime/screendisplayform.h"

#include "model/errors.h"
#include "platform/fonts.h"
#include "platform/richedit.h"
#include "platform/wiatile.h"
#include "runtime/background.h"
#include "runtime/entrydisplays.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

TScreenDisplayForm::TScreenDisplayForm(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(640, 480);
    SetEntryDisplayDefaults(FDisplay);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setAccessibleName(tr("Menu"));
    MQuit = MainMenu1->addAction(tr("&Close"));
    MQuit->setObjectName(QStringLiteral("MQuit"));
    MHelp = MainMenu1->addAction(tr("&Help"));
    MHelp->setObjectName(QStringLiteral("MHelp"));
    MAbout = MainMenu1->addAction(tr("&About"));
    MAbout->setObjectName(QStringLiteral("MAbout"));
    for (QAction* a : {MQuit, MHelp, MAbout})
        a->setVisible(false);
    MainMenu1->hide();
    connect(MQuit, &QAction::triggered, this, &QDialog::reject);

    TitlePnl = new QLabel(this);
    TitlePnl->setObjectName(QStringLiteral("TitlePnl"));
    TitlePnl->setAccessibleName(tr("Title bar"));
    TitlePnl->setAlignment(Qt::AlignCenter);
    TitlePnl->setFixedHeight(32);
    TitlePnl->hide();
    StatusPnl = new QLabel(this);
    StatusPnl->setObjectName(QStringLiteral("StatusPnl"));
    StatusPnl->setAccessibleName(tr("Status bar"));
    StatusPnl->setAlignment(Qt::AlignCenter);
    StatusPnl->setFixedHeight(16);
    StatusPnl->hide();

    {
        const TBackgroundScreen screen = MakeBackgroundScreen(this);
        ScreenPnl = screen.ScreenPnl;
        wiaTile1 = screen.wiaTile1;
        Image1 = screen.Image1;
    }
    ScreenPnl->setAccessibleName(tr("Screen"));
    TextPnl = new QFrame(ScreenPnl);
    TextPnl->setObjectName(QStringLiteral("TextPnl"));
    TextPnl->setAccessibleName(tr("Text window"));
    TextPnl->setFrameShape(QFrame::Panel);
    TextPnl->setFrameShadow(QFrame::Sunken);
    TextPnl->setLineWidth(2);
    SetPanelColour(TextPnl, clWhite);
    TextPnl->hide();
    RichEdit1 = new TRichEdit(TextPnl);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Text"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetInnerBorder(5);
    auto* textLayout = new QVBoxLayout(TextPnl);
    textLayout->setContentsMargins(2, 2, 2, 2);
    textLayout->addWidget(RichEdit1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(TitlePnl);
    layout->addWidget(ScreenPnl, 1);
    layout->addWidget(StatusPnl);

    for (QWidget* w : {static_cast<QWidget*>(ScreenPnl), static_cast<QWidget*>(wiaTile1),
                       static_cast<QWidget*>(Image1)})
        w->installEventFilter(this);
}

void TScreenDisplayForm::SetDisplay(const TEntryDisplay& display, const QStringList& text)
{
    FDisplay = display;
    ClampViewPort(FDisplay);
    FText = text;
}

void TScreenDisplayForm::ApplyScreenBackground()
{
    ApplyBackground(BackgroundOf(FDisplay), {ScreenPnl, Image1, wiaTile1});
    SetPanelColour(TextPnl, FDisplay.VPBack.u());
    RichEdit1->SetColor(ColourToQColor(FDisplay.VPBack.u()));
}

void TScreenDisplayForm::SetUpBar(QLabel* bar, const QString& text, const QString& fontText, quint32 colour)
{
    TFontDesc desc;
    try {
        FontFromText(fontText, desc);
    } catch (const EQuendraError&) {
        // A damaged font text shows the bar in the default font.
        desc = TFontDesc();
    }
    bar->setText(text);
    bar->setFont(FontDescToQFont(desc));
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, ColourToQColor(colour));
    pal.setColor(QPalette::WindowText, ColourToQColor(desc.Color));
    bar->setPalette(pal);
    bar->setAutoFillBackground(true);
    bar->setFixedHeight(qMax(1, 2 * desc.Size));
    bar->show();
}

void TScreenDisplayForm::UpdateMenuBar()
{
    const bool any = MQuit->isVisible() || MHelp->isVisible() || MAbout->isVisible();
    MainMenu1->setVisible(any);
}

void TScreenDisplayForm::PlaceTextPnl()
{
    if (FDisplay.FullScreen)
        TextPnl->setGeometry(ScreenPnl->rect());
    else
        TextPnl->setGeometry(FDisplay.VPLeft, FDisplay.VPTop, FDisplay.VPWidth, FDisplay.VPHeight);
}

void TScreenDisplayForm::LoadText()
{
    try {
        RichEdit1->LoadFromLines(FText);
    } catch (const EQuendraError&) {
        // Text that is not RTF at all is shown as it is stored.
        RichEdit1->SetText(FText.join(u'\n'));
    }
    RichEdit1->SetScrollBars(true, false);
    FTextLoaded = true;
}

void TScreenDisplayForm::FirstShow()
{
    TextPnl->hide();
    PlaceTextPnl();
    LoadText();
    TextPnl->show();
}

void TScreenDisplayForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->geometry().center() - QPoint(width() / 2, height() / 2));
    FirstShow();
}

void TScreenDisplayForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;   // Enter does nothing on a screen display
    QDialog::keyPressEvent(event);
}

bool TScreenDisplayForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress
        && (watched == ScreenPnl || watched == wiaTile1 || watched == Image1)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            ScreenRightClick();
            return true;
        }
    }
    if (event->type() == QEvent::Resize && watched == ScreenPnl) {
        wiaTile1->setGeometry(ScreenPnl->rect());
        Image1->setGeometry(ScreenPnl->rect());
        if (FShown && FDisplay.FullScreen)
            TextPnl->setGeometry(ScreenPnl->rect());
    }
    return QDialog::eventFilter(watched, event);
}
