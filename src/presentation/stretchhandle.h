#pragma once
// TStretchHandle: grab handles around one or more controls of the same
// parent, which move them (drag inside) or resize them (drag a corner or an
// edge middle) with the mouse, or move them by one pixel with the arrow
// keys (Shift+arrow resizes by one pixel).
//
// Geometry is exact: the handle lies 2 pixels outside the controls at the
// top-left and 3 at the bottom-right, and a drag of (dx, dy) moves the
// controls by exactly (dx, dy) snapped to the grid; a resize moves only the
// dragged edges, keeps the opposite edges where they are when the minimum
// size (5 pixels, or the control's own minimum) is reached, and never
// leaves the parent's client area. The mouse is not grabbed explicitly:
// the press that starts a drag already delivers the moves and the release.

#include <QColor>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QRubberBand;

class TStretchHandle : public QWidget {
    Q_OBJECT
public:
    explicit TStretchHandle(QWidget* parent = nullptr);

    // Throws EQuendraError "Handles can not be attached to a Form!" for a
    // top-level window.
    void Attach(QWidget* control);
    void Detach();
    const QList<QPointer<QWidget>>& Controls() const { return FControls; }
    bool Attached(const QWidget* control) const;

    QColor Color = Qt::black;
    QColor SecondaryColor = QColor(0x80, 0x80, 0x80);
    int GridX = 1;
    int GridY = 1;
    bool Locked = false;
    bool SnapToGrid() const { return GridX > 1 || GridY > 1; }
    void SetSnapToGrid(bool on) { GridX = GridY = on ? 8 : 1; }

    // The zone (0 = move, 1-8 = corners and edge middles) of a point in the
    // handle's client coordinates.
    int ZoneAt(const QPoint& p) const;
    // The union of the attached controls' rectangles, in parent coordinates.
    QRect ControlsRect() const;
    // Moves and resizes the attached controls so that their union becomes
    // rect (each control by the same change); the handle follows.
    void SetControlsRect(const QRect& rect);
    // The controls' rectangle after a drag of delta in zone, snapped,
    // kept at the minimum size and inside the parent.
    QRect DraggedRect(int zone, const QPoint& delta) const;

    // A drag driven from outside (the press that attached the handle went to
    // the control): positions are global.
    void BeginDrag(const QPoint& globalPos, int zone = 0);
    void DragTo(const QPoint& globalPos);
    void EndDrag(const QPoint& globalPos);
    bool Dragging() const { return FDragging; }

Q_SIGNALS:
    // The controls were moved or resized.
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FollowControls();
    void PassOn(QMouseEvent* event);
    QPoint ClampedToParent(const QPoint& globalPos) const;
    QSize MinimumSize() const;
    QList<QPointer<QWidget>> FControls;
    bool FDragging = false;
    QPoint FStart;   // parent coordinates
    int FZone = 0;
    QRubberBand* FBand = nullptr;
};
