#include "presentation/screenadjustform.h"

#include "platform/richedit.h"
#include "presentation/adjustmenu.h"
#include "presentation/stretchhandle.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>

TScreenAdjustForm::TScreenAdjustForm(QWidget* parent) : TScreenDisplayForm(parent)
{
    Menu = new TAdjustMenu(this);
    StretchHandle1 = new TStretchHandle(ScreenPnl);
    TextPnl->setToolTip(tr("Mouse Right Button for Menu"));
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    TextPnl->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);
}

void TScreenAdjustForm::FirstShow()
{
    TScreenDisplayForm::FirstShow();
    // The handle is on the text panel from the start, so the arrow keys
    // work without a mouse.
    StretchHandle1->Attach(TextPnl);
}

TEntryDisplay TScreenAdjustForm::AdjustedDisplay() const
{
    TEntryDisplay d = FDisplay;
    if (!d.FullScreen && FShown) {
        const QRect r = TextPnl->geometry();
        d.VPLeft = r.left();
        d.VPTop = r.top();
        d.VPWidth = r.width();
        d.VPHeight = r.height();
    }
    return d;
}

void TScreenAdjustForm::done(int result) { TScreenDisplayForm::done(Menu->CloseResult(result)); }

void TScreenAdjustForm::ScreenRightClick() { Menu->Popup(QCursor::pos()); }

void TScreenAdjustForm::keyPressEvent(QKeyEvent* event)
{
    if (!Menu->MenuKey(event, TextPnl))
        TScreenDisplayForm::keyPressEvent(event);
}

void TScreenAdjustForm::contextMenuEvent(QContextMenuEvent* event) { Menu->Popup(event->globalPos()); }

bool TScreenAdjustForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TextPnl || watched == RichEdit1->viewport()) {
        const auto* me = event->isPointerEvent() ? static_cast<QMouseEvent*>(event) : nullptr;
        switch (me ? event->type() : QEvent::None) {
        case QEvent::MouseButtonPress:
            if (me->button() == Qt::LeftButton) {
                StretchHandle1->Attach(TextPnl);
                StretchHandle1->BeginDrag(me->globalPosition().toPoint());
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (StretchHandle1->Dragging()) {
                StretchHandle1->DragTo(me->globalPosition().toPoint());
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (StretchHandle1->Dragging() && me->button() == Qt::LeftButton) {
                StretchHandle1->EndDrag(me->globalPosition().toPoint());
                return true;
            }
            break;
        default:
            break;
        }
    }
    return TScreenDisplayForm::eventFilter(watched, event);
}
