// Layout adjustment: the stretch handle's exact geometry and the three
// adjustment windows, which store back exactly what they were given unless
// the author moved something.
#include "harness.h"

#include "model/errors.h"
#include "platform/testscript.h"
#include "presentation/adjustmenu.h"
#include "presentation/hyptextadjform.h"
#include "presentation/intadjustform.h"
#include "presentation/stretchhandle.h"
#include "presentation/vpadjustform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <cstring>

namespace {

class AdjustTest : public QuendraTest {};

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A drag on w from a (local) by delta, with one move on the way.
void Drag(QWidget* w, QPoint from, QPoint delta)
{
    Mouse(w, QEvent::MouseButtonPress, from);
    Mouse(w, QEvent::MouseMove, from + delta / 2);
    Mouse(w, QEvent::MouseMove, from + delta);
    Mouse(w, QEvent::MouseButtonRelease, from + delta);
}

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &e);
}

QByteArray Bytes(const TEntryDisplay& d) { return QByteArray(reinterpret_cast<const char*>(&d), sizeof d); }

TEST_F(AdjustTest, HandleMovesAndResizesExactly)
{
    QWidget parent;
    parent.resize(640, 480);
    QFrame panel(&parent);
    panel.setGeometry(100, 50, 400, 200);
    parent.show();
    TStretchHandle handle(&parent);
    try {
        handle.Attach(&parent);
        ADD_FAILURE() << "attached to a window";
    } catch (const EQuendraError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Handles can not be attached to a Form!"));
    }
    handle.Attach(&panel);
    EXPECT_EQ(handle.geometry(), QRect(98, 48, 405, 205));

    // Zones of the handle's client area, tested in the designed order.
    EXPECT_EQ(handle.ZoneAt(QPoint(1, 1)), 1);
    EXPECT_EQ(handle.ZoneAt(QPoint(403, 203)), 4);
    EXPECT_EQ(handle.ZoneAt(QPoint(403, 1)), 2);
    EXPECT_EQ(handle.ZoneAt(QPoint(1, 203)), 3);
    EXPECT_EQ(handle.ZoneAt(QPoint(202, 2)), 5);
    EXPECT_EQ(handle.ZoneAt(QPoint(202, 202)), 7);
    EXPECT_EQ(handle.ZoneAt(QPoint(2, 102)), 6);
    EXPECT_EQ(handle.ZoneAt(QPoint(402, 102)), 8);
    EXPECT_EQ(handle.ZoneAt(QPoint(100, 100)), 0);

    // A move by (+10, 0) moves exactly 10 pixels; the size stays.
    Drag(&handle, QPoint(100, 100), QPoint(10, 0));
    EXPECT_EQ(panel.geometry(), QRect(110, 50, 400, 200));
    EXPECT_EQ(handle.geometry(), QRect(108, 48, 405, 205));
    // The bottom-right corner by (+37, +21) adds exactly that.
    Drag(&handle, QPoint(403, 203), QPoint(37, 21));
    EXPECT_EQ(panel.geometry(), QRect(110, 50, 437, 221));
    // The top-left corner: the bottom-right stays where it is.
    Drag(&handle, QPoint(1, 1), QPoint(-10, 5));
    EXPECT_EQ(panel.geometry(), QRect(100, 55, 447, 216));
    // Shrinking past the opposite edge stops at 5 x 5 with that edge pinned.
    Drag(&handle, QPoint(1, 1), QPoint(600, 400));
    EXPECT_EQ(panel.geometry(), QRect(542, 266, 5, 5));
    // Growing and moving beyond the parent stays inside it.
    Drag(&handle, QPoint(handle.width() - 2, handle.height() - 2), QPoint(900, 900));
    EXPECT_TRUE(QRect(0, 0, 640, 480).contains(panel.geometry()));
    EXPECT_GE(panel.geometry().right(), 636);
    EXPECT_GE(panel.geometry().bottom(), 476);
    EXPECT_EQ(panel.geometry().topLeft(), QPoint(542, 266));
    panel.setGeometry(100, 50, 400, 200);
    handle.SetControlsRect(panel.geometry());
    handle.Detach();
    handle.Attach(&panel);
    Drag(&handle, QPoint(100, 100), QPoint(-500, -500));
    EXPECT_EQ(panel.geometry(), QRect(0, 0, 400, 200));

    // A press that starts no drag reaches the control under it.
    struct TPressCount : QObject {
        int Presses = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Presses += e->type() == QEvent::MouseButtonPress;
            return false;
        }
    } count;
    panel.installEventFilter(&count);
    Mouse(&handle, QEvent::MouseButtonPress, QPoint(50, 50), Qt::RightButton);
    EXPECT_EQ(count.Presses, 1);
    EXPECT_FALSE(handle.Dragging());
    panel.removeEventFilter(&count);

    // Arrow keys: one pixel, whatever the grid; Shift resizes.
    handle.SetSnapToGrid(true);
    EXPECT_TRUE(handle.SnapToGrid());
    Key(&handle, Qt::Key_Right);
    Key(&handle, Qt::Key_Down);
    Key(&handle, Qt::Key_Down);
    Key(&handle, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(panel.geometry(), QRect(1, 2, 399, 200));
    // With grid 8 a corner drag snaps the new width.
    Drag(&handle, QPoint(handle.width() - 2, handle.height() - 2), QPoint(37, 21));
    EXPECT_EQ(panel.width(), (399 + 37) / 8 * 8);
    EXPECT_EQ(panel.height(), (200 + 21) / 8 * 8);

    // Locked: nothing moves.
    handle.SetSnapToGrid(false);
    handle.Locked = true;
    const QRect before = panel.geometry();
    Drag(&handle, QPoint(50, 50), QPoint(10, 10));
    Key(&handle, Qt::Key_Right);
    EXPECT_EQ(panel.geometry(), before);
    handle.Detach();
    EXPECT_FALSE(handle.Locked);
    EXPECT_EQ(handle.size(), QSize(24, 24));
    EXPECT_FALSE(handle.isVisible());
}

TEntryDisplay SampleDisplay()
{
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.FullScreen = false;
    d.VPLeft = 37;
    d.VPTop = 61;
    d.VPWidth = 301;
    d.VPHeight = 157;
    return d;
}

const QStringList Text = {QStringLiteral("{\\rtf1 Adjust me}")};

TEST_F(AdjustTest, TenSaveCyclesLeaveEveryRecordIdentical)
{
    auto save = [](QDialog& d) { static_cast<TAdjustMenu*>(d.findChild<TAdjustMenu*>())->SaveandQuit1->trigger(); };
    TEntryDisplay vp = SampleDisplay();
    const QByteArray vpBytes = Bytes(vp);
    for (int i = 0; i < 10; ++i) {
        OnModal(QStringLiteral("TVPAdjustForm"), save);
        ASSERT_TRUE(AdjustViewPort(vp, Text));
    }
    EXPECT_EQ(Bytes(vp), vpBytes);

    TEntryDisplay win = SampleDisplay();
    const QByteArray winBytes = Bytes(win);
    for (int i = 0; i < 10; ++i) {
        OnModal(QStringLiteral("THypTextAdjForm"), save);
        ASSERT_TRUE(AdjustTextWindow(win, Text));
    }
    EXPECT_EQ(Bytes(win), winBytes);

    TPresentation p;
    SetPresentationDefaults(p);
    p.Intro.Display = SampleDisplay();
    p.Intro.UseTitleBar = true;
    p.Intro.UseStatusBar = true;
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    const QByteArray introBytes(reinterpret_cast<const char*>(&p), sizeof p);
    for (int i = 0; i < 10; ++i) {
        OnModal(QStringLiteral("TIntAdjustForm"), save);
        ASSERT_TRUE(AdjustIntroLayout(p, prog, Text));
    }
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&p), sizeof p), introBytes);
}

TEST_F(AdjustTest, DragsInTheWindowsAreStoredExactly)
{
    TEntryDisplay vp = SampleDisplay();
    vp.FullScreen = true;   // a saved adjustment leaves it free-standing
    OnModal(QStringLiteral("TVPAdjustForm"), [](QDialog& d) {
        auto& f = static_cast<TVPAdjustForm&>(d);
        EXPECT_EQ(f.TextPnl->geometry(), QRect(37, 61, 301, 157));
        EXPECT_TRUE(f.StretchHandle1->Attached(f.TextPnl));
        // The press that attaches the handle starts the drag at once.
        Drag(f.TextPnl, QPoint(20, 20), QPoint(10, 0));
        EXPECT_EQ(f.TextPnl->geometry(), QRect(47, 61, 301, 157));
        Key(f.StretchHandle1, Qt::Key_Up);
        // Shift+F10 opens the pop-up menu from the keyboard.
        Key(f.StretchHandle1, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(f.Menu->PopupMenu1->isVisible());
        f.Menu->PopupMenu1->hide();
        f.Menu->SaveandQuit1->trigger();
    });
    ASSERT_TRUE(AdjustViewPort(vp, Text));
    EXPECT_FALSE(vp.FullScreen);
    EXPECT_EQ(vp.VPLeft.get(), 47);
    EXPECT_EQ(vp.VPTop.get(), 60);
    EXPECT_EQ(vp.VPWidth.get(), 301);

    // The type-1 mock window: VPWidth + 3 by VPHeight where the window will be.
    TEntryDisplay win = SampleDisplay();
    OnModal(QStringLiteral("THypTextAdjForm"), [](QDialog& d) {
        auto& f = static_cast<THypTextAdjForm&>(d);
        EXPECT_EQ(f.Panel1->geometry(), QRect(37, 61, 304, 157));
        EXPECT_EQ(f.BitBtn1->x(), f.Panel4->width() / 2 - f.BitBtn1->width() / 2);
        Drag(f.StretchHandle1, QPoint(f.StretchHandle1->width() - 2, f.StretchHandle1->height() - 2),
             QPoint(20, 10));
        // Never narrower than the button + 4.
        Drag(f.StretchHandle1, QPoint(f.StretchHandle1->width() - 2, f.StretchHandle1->height() / 2), QPoint(-400, 0));
        EXPECT_EQ(f.Panel1->width(), f.BitBtn1->width() + 4);
        f.Menu->SaveandQuit1->trigger();
    });
    ASSERT_TRUE(AdjustTextWindow(win, Text));
    EXPECT_EQ(win.VPHeight.get(), 167);
    EXPECT_EQ(win.VPWidth.get(), 75 + 4 - 3);
    EXPECT_EQ(win.VPLeft.get(), 37);
}

TEST_F(AdjustTest, EscAsksSaveChangesOnceAndNoKeepsTheRecord)
{
    TEntryDisplay vp = SampleDisplay();
    const QByteArray before = Bytes(vp);
    auto moveThenEsc = [](QDialog& d) {
        auto* handle = d.findChild<TStretchHandle*>();
        Key(handle, Qt::Key_Right);
        Key(&d, Qt::Key_Escape);
    };
    ExpectMessage(QStringLiteral("Confirm"), 0);   // No
    OnModal(QStringLiteral("TVPAdjustForm"), moveThenEsc);
    EXPECT_FALSE(AdjustViewPort(vp, Text));
    EXPECT_EQ(Bytes(vp), before);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Save changes?")});

    ExpectMessage(QStringLiteral("Confirm"), 1);   // Yes
    OnModal(QStringLiteral("TVPAdjustForm"), moveThenEsc);
    EXPECT_TRUE(AdjustViewPort(vp, Text));
    EXPECT_EQ(vp.VPLeft.get(), 38);

    // "&Quit" asks too; the type-1 window and the introduction the same way.
    ExpectMessage(QStringLiteral("Confirm"), 0);
    OnModal(QStringLiteral("THypTextAdjForm"), [](QDialog& d) { d.findChild<TAdjustMenu*>()->Quit1->trigger(); });
    EXPECT_FALSE(AdjustTextWindow(vp, Text));
    TPresentation p;
    SetPresentationDefaults(p);
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    ExpectMessage(QStringLiteral("Confirm"), 0);
    OnModal(QStringLiteral("TIntAdjustForm"), [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Press Mouse Right Button for Menu"));
        d.findChild<TAdjustMenu*>()->Close1->trigger();
    });
    EXPECT_FALSE(AdjustIntroLayout(p, prog, Text));
    EXPECT_EQ(MessageTexts().size(), 4);

    // The menu's Help opens context 485 (no help file here: its message).
    ExpectMessage(QStringLiteral("Error"));
    OnModal(QStringLiteral("TVPAdjustForm"), [](QDialog& d) {
        auto* menu = d.findChild<TAdjustMenu*>();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Press Mouse right button for Menu"));
        menu->Help1->trigger();
        menu->SaveandQuit1->trigger();
    });
    AdjustViewPort(vp, Text);
    ASSERT_FALSE(TestScript::Logged(QStringLiteral("help")).isEmpty());
    EXPECT_TRUE(TestScript::Logged(QStringLiteral("help")).last().endsWith(QStringLiteral("#485")));
}

} // namespace
