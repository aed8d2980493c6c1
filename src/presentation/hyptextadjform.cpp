#include "presentation/hyptextadjform.h"

#include "model/errors.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/richedit.h"
#include "platform/wiatile.h"
#include "presentation/adjustmenu.h"
#include "presentation/stretchhandle.h"
#include "runtime/background.h"
#include "runtime/entrydisplays.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The text window is this much wider than its view-port (its frame).
const int WindowExtraWidth = 3;
}

THypTextAdjForm::THypTextAdjForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HypTextAdjForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(DesignWidth, DesignHeight);
    SetEntryDisplayDefaults(FDisplay);
    Menu = new TAdjustMenu(this);
    wiaTile1 = new TwiaTile(this);
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    wiaTile1->hide();
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(tr("Text window"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setLineWidth(1);
    SetPanelColour(Panel1, 0xC0C0C0);
    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(20);
    Panel2->setAccessibleName(tr("Caption bar"));
    SetPanelColour(Panel2, 0x800000);   // navy
    Panel3 = new QFrame(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    SetPanelColour(Panel3, clWhite);
    Panel3->setAccessibleName(tr("Text area"));
    RichEdit1 = new TRichEdit(Panel3);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Text"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetScrollBars(true, false);
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    (new QVBoxLayout(Panel3))->setContentsMargins(2, 2, 2, 2);
    Panel3->layout()->addWidget(RichEdit1);
    Panel4 = new QFrame(Panel1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedHeight(26);
    Panel4->setAccessibleName(tr("Button bar"));
    BitBtn1 = new QPushButton(tr("&OK"), Panel4);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAccessibleName(tr("OK"));
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    BitBtn1->resize(75, 23);
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Panel3, 1);
    layout->addWidget(Panel4);
    Panel1->setMinimumSize(BitBtn1->width() + 4, 20 + 26 + 2);
    Panel1->hide();
    StretchHandle1 = new TStretchHandle(this);

    for (QObject* o : {static_cast<QObject*>(this), static_cast<QObject*>(Panel1), static_cast<QObject*>(Panel2),
                       static_cast<QObject*>(Panel3), static_cast<QObject*>(Panel4),
                       static_cast<QObject*>(RichEdit1->viewport()), static_cast<QObject*>(BitBtn1)})
        if (o != this)
            o->installEventFilter(this);
}

void THypTextAdjForm::SetUp(const TEntryDisplay& display, const QStringList& text)
{
    FDisplay = display;
    ClampViewPort(FDisplay);
    SetPanelColour(Panel3, FDisplay.VPBack.u());
    RichEdit1->SetColor(ColourToQColor(FDisplay.VPBack.u()));
    try {
        RichEdit1->LoadFromLines(text);
    } catch (const EQuendraError&) {
        RichEdit1->SetText(text.join(u'\n'));
    }
}

void THypTextAdjForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    Panel1->setGeometry(FDisplay.VPLeft, FDisplay.VPTop, FDisplay.VPWidth + WindowExtraWidth, FDisplay.VPHeight);
    Panel1->show();
    Panel1Resized();
    StretchHandle1->Attach(Panel1);
}

TEntryDisplay THypTextAdjForm::AdjustedDisplay() const
{
    TEntryDisplay d = FDisplay;
    if (FShown) {
        const QRect r = Panel1->geometry();
        d.VPLeft = r.left();
        d.VPTop = r.top();
        d.VPWidth = r.width() - WindowExtraWidth;
        d.VPHeight = r.height();
    }
    return d;
}

void THypTextAdjForm::done(int result) { QDialog::done(Menu->CloseResult(result)); }

void THypTextAdjForm::Panel1Resized()
{
    BitBtn1->move(Panel4->width() / 2 - BitBtn1->width() / 2, 1);
}

void THypTextAdjForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (!Menu->MenuKey(event, Panel1))
        QDialog::keyPressEvent(event);
}

void THypTextAdjForm::contextMenuEvent(QContextMenuEvent* event) { Menu->Popup(event->globalPos()); }

bool THypTextAdjForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel4 && event->type() == QEvent::Resize)
        Panel1Resized();
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove
         || event->type() == QEvent::MouseButtonRelease)
        && event->isPointerEvent()) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint global = me->globalPosition().toPoint();
        if (event->type() == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
            StretchHandle1->Attach(Panel1);
            StretchHandle1->BeginDrag(global);
            return true;
        }
        if (event->type() == QEvent::MouseMove && StretchHandle1->Dragging()) {
            StretchHandle1->DragTo(global);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && StretchHandle1->Dragging()
            && me->button() == Qt::LeftButton) {
            StretchHandle1->EndDrag(global);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool AdjustTextWindow(TEntryDisplay& display, const QStringList& text)
{
    THypTextAdjForm form;
    form.SetUp(display, text);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    display = form.AdjustedDisplay();
    return true;
}
