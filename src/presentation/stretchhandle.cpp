#include "presentation/stretchhandle.h"

#include "model/errors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace {
const int Square = 5;
int Snap(int v, int grid) { return grid > 1 ? (v / grid) * grid : v; }
bool Left(int zone) { return zone == 1 || zone == 3 || zone == 6; }
bool Top(int zone) { return zone == 1 || zone == 2 || zone == 5; }
bool Right(int zone) { return zone == 2 || zone == 4 || zone == 8; }
bool Bottom(int zone) { return zone == 3 || zone == 4 || zone == 7; }
} // namespace

TStretchHandle::TStretchHandle(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StretchHandle1"));
    setAccessibleName(tr("Size and position handles"));
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    Detach();
}

bool TStretchHandle::Attached(const QWidget* control) const
{
    for (const auto& c : FControls)
        if (c == control)
            return true;
    return false;
}

void TStretchHandle::Attach(QWidget* control)
{
    if (!control || control->isWindow())
        throw EQuendraError(QCoreApplication::translate("TStretchHandle", "Handles can not be attached to a Form!"));
    if (Attached(control))
        return;
    if (!FControls.isEmpty() && FControls.first() && FControls.first()->parentWidget() != control->parentWidget())
        Detach();
    if (FControls.isEmpty()) {
        setParent(control->parentWidget());
        setEnabled(true);
        show();
    }
    FControls.append(control);
    FollowControls();
    raise();
    setFocus();
}

void TStretchHandle::Detach()
{
    FControls.clear();
    Locked = false;
    FDragging = false;
    if (FBand)
        FBand->hide();
    hide();
    setEnabled(false);
    resize(24, 24);
}

QRect TStretchHandle::ControlsRect() const
{
    QRect r;
    for (const auto& c : FControls)
        if (c)
            r = r.isNull() ? c->geometry() : r.united(c->geometry());
    return r;
}

void TStretchHandle::FollowControls()
{
    const QRect r = ControlsRect();
    if (!r.isNull())
        setGeometry(r.adjusted(-2, -2, 3, 3));
    update();
}

void TStretchHandle::SetControlsRect(const QRect& rect)
{
    const QRect old = ControlsRect();
    if (Locked || old.isNull() || rect == old)
        return;
    const int dl = rect.left() - old.left();
    const int dt = rect.top() - old.top();
    const int dw = rect.width() - old.width();
    const int dh = rect.height() - old.height();
    for (const auto& c : FControls)
        if (c) {
            const QRect g = c->geometry();
            c->setGeometry(g.left() + dl, g.top() + dt, g.width() + dw, g.height() + dh);
        }
    FollowControls();
    Q_EMIT Changed();
}

QSize TStretchHandle::MinimumSize() const
{
    int w = Square, h = Square;
    if (FControls.size() == 1 && FControls.first()) {
        w = qMax(w, FControls.first()->minimumWidth());
        h = qMax(h, FControls.first()->minimumHeight());
    }
    return QSize(w, h);
}

QRect TStretchHandle::DraggedRect(int zone, const QPoint& delta) const
{
    const QRect r = ControlsRect();
    const QSize min = MinimumSize();
    const QWidget* parent = parentWidget();
    const int pw = parent ? parent->width() : INT_MAX / 2;
    const int ph = parent ? parent->height() : INT_MAX / 2;
    int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    if (zone == 0) {
        l = qBound(0, Snap(l + delta.x(), GridX), qMax(0, pw - w));
        t = qBound(0, Snap(t + delta.y(), GridY), qMax(0, ph - h));
        return QRect(l, t, w, h);
    }
    const int right = l + w;    // one past the last column
    const int bottom = t + h;
    if (Left(zone)) {
        l = qBound(0, Snap(l + delta.x(), GridX), right - min.width());
        w = right - l;
    }
    if (Right(zone))
        w = qBound(min.width(), Snap(w + delta.x(), GridX), qMax(min.width(), pw - l));
    if (Top(zone)) {
        t = qBound(0, Snap(t + delta.y(), GridY), bottom - min.height());
        h = bottom - t;
    }
    if (Bottom(zone))
        h = qBound(min.height(), Snap(h + delta.y(), GridY), qMax(min.height(), ph - t));
    return QRect(l, t, w, h);
}

int TStretchHandle::ZoneAt(const QPoint& p) const
{
    if (FControls.size() != 1)
        return 0;
    const int w = width(), h = height();
    const int x = p.x(), y = p.y();
    int zone = 0;
    if (x < Square && y < Square) zone = 1;
    if (x >= w - Square && y >= h - Square) zone = 4;
    if (x >= w - Square && y < Square) zone = 2;
    if (x < Square && y >= h - Square) zone = 3;
    if (qAbs(x - w / 2) < 3 && y < Square) zone = 5;
    if (qAbs(x - w / 2) < 3 && y >= h - Square) zone = 7;
    if (qAbs(y - h / 2) < 3 && x < Square) zone = 6;
    if (qAbs(y - h / 2) < 3 && x >= w - Square) zone = 8;
    return zone;
}

void TStretchHandle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor colour = FControls.size() == 1 ? Color : SecondaryColor;
    for (const auto& c : FControls) {
        if (!c)
            continue;
        const QRect r = QRect(c->geometry().topLeft() - pos(), c->size()).adjusted(-2, -2, 2, 2);
        p.fillRect(QRect(r.left(), r.top(), Square, Square), colour);
        p.fillRect(QRect(r.right() - Square + 1, r.top(), Square, Square), colour);
        p.fillRect(QRect(r.left(), r.bottom() - Square + 1, Square, Square), colour);
        p.fillRect(QRect(r.right() - Square + 1, r.bottom() - Square + 1, Square, Square), colour);
        if (FControls.size() == 1) {
            const int mx = r.left() + r.width() / 2, my = r.top() + r.height() / 2;
            p.fillRect(QRect(mx - 2, r.top(), Square, Square), colour);
            p.fillRect(QRect(mx - 2, r.bottom() - Square + 1, Square, Square), colour);
            p.fillRect(QRect(r.left(), my - 2, Square, Square), colour);
            p.fillRect(QRect(r.right() - Square + 1, my - 2, Square, Square), colour);
        }
    }
}

QPoint TStretchHandle::ClampedToParent(const QPoint& globalPos) const
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return globalPos;
    const QPoint p = parent->mapFromGlobal(globalPos);
    return QPoint(qBound(0, p.x(), parent->width() - 1), qBound(0, p.y(), parent->height() - 1));
}

void TStretchHandle::BeginDrag(const QPoint& globalPos, int zone)
{
    if (Locked || FControls.isEmpty())
        return;
    FDragging = true;
    FZone = zone;
    FStart = ClampedToParent(globalPos);
    if (!FBand)
        FBand = new QRubberBand(QRubberBand::Rectangle, parentWidget());
    FBand->setParent(parentWidget());
    FBand->setGeometry(ControlsRect());
}

void TStretchHandle::DragTo(const QPoint& globalPos)
{
    if (!FDragging)
        return;
    const QRect r = DraggedRect(FZone, ClampedToParent(globalPos) - FStart);
    FBand->setGeometry(r);
    FBand->show();
    FBand->raise();
}

void TStretchHandle::EndDrag(const QPoint& globalPos)
{
    if (!FDragging)
        return;
    FDragging = false;
    FBand->hide();
    const QPoint delta = ClampedToParent(globalPos) - FStart;
    if (!delta.isNull())
        SetControlsRect(DraggedRect(FZone, delta));
    if (parentWidget())
        parentWidget()->update();
    raise();
    setFocus();
}

void TStretchHandle::mousePressEvent(QMouseEvent* event)
{
    const QPoint inParent = mapToParent(event->position().toPoint());
    bool inside = false;
    for (const auto& c : FControls)
        inside = inside || (c && c->geometry().adjusted(-2, -2, 2, 2).contains(inParent));
    if (event->button() == Qt::LeftButton && inside && !Locked) {
        BeginDrag(event->globalPosition().toPoint(), ZoneAt(event->position().toPoint()));
        event->accept();
        return;
    }
    PassOn(event);
}

void TStretchHandle::PassOn(QMouseEvent* event)
{
    // The press goes to the control under it (not another handle), else to
    // the parent, as if the handle were not there.
    QWidget* parent = parentWidget();
    if (!parent) {
        event->ignore();
        return;
    }
    const QPoint inParent = mapToParent(event->position().toPoint());
    QWidget* target = parent;
    const QObjectList& children = parent->children();
    for (QObject* o : children) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w != this && !qobject_cast<TStretchHandle*>(w) && w->isVisible()
            && w->geometry().contains(inParent)) {
            target = w;
            break;
        }
    }
    const QPointF local = target == parent ? QPointF(inParent) : QPointF(target->mapFrom(parent, inParent));
    QMouseEvent copy(event->type(), local, event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers());
    QCoreApplication::sendEvent(target, &copy);
}

void TStretchHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (FDragging) {
        DragTo(event->globalPosition().toPoint());
        return;
    }
    if (Locked) {
        setCursor(Qt::ForbiddenCursor);
        return;
    }
    static const Qt::CursorShape shapes[] = {Qt::ArrowCursor,    Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
                                             Qt::SizeBDiagCursor, Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                             Qt::SizeHorCursor,  Qt::SizeVerCursor,   Qt::SizeHorCursor};
    setCursor(shapes[ZoneAt(event->position().toPoint())]);
}

void TStretchHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (FDragging && event->button() == Qt::LeftButton) {
        EndDrag(event->globalPosition().toPoint());
        return;
    }
    PassOn(event);
}

void TStretchHandle::keyPressEvent(QKeyEvent* event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = QPoint(-1, 0); break;
    case Qt::Key_Right: step = QPoint(1, 0); break;
    case Qt::Key_Up: step = QPoint(0, -1); break;
    case Qt::Key_Down: step = QPoint(0, 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (Locked || FControls.isEmpty())
        return;
    // One pixel whatever the grid: move, or with Shift move the bottom-right
    // corner.
    const int grid[2] = {GridX, GridY};
    GridX = GridY = 1;
    SetControlsRect(DraggedRect(event->modifiers() & Qt::ShiftModifier ? 4 : 0, step));
    GridX = grid[0];
    GridY = grid[1];
}
