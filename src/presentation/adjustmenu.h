#pragma once
// The pop-up menu and closing rule the three adjustment windows share:
// "Help", "&Save and Quit" (OK), "&Quit", and a hidden "&Close" for Esc.
// Closing without OK asks "Save changes?" once; Yes turns it into OK.

#include <QObject>

class QAction;
class QDialog;
class QMenu;
class QKeyEvent;
class QPoint;
class QWidget;

class TAdjustMenu : public QObject {
    Q_OBJECT
public:
    explicit TAdjustMenu(QDialog* form);
    QMenu* PopupMenu1;
    QAction* Help1;
    QAction* SaveandQuit1;
    QAction* Quit1;
    QAction* Close1;   // hidden; Esc
    // Shows the menu at a global position (it does not block).
    void Popup(const QPoint& globalPos);
    // Shift+F10 or the menu key: the menu over the anchor's centre. True
    // when the key was one of them.
    bool MenuKey(const QKeyEvent* event, const QWidget* anchor);
    // The result the form closes with: asks "Save changes?" the first time
    // a result other than OK arrives.
    int CloseResult(int result);

private:
    QDialog* FForm;
    bool FAsked = false;
};

enum : int { AdjustHelpContext = 485 };
