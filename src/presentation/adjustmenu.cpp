#include "presentation/adjustmenu.h"

#include "platform/help.h"
#include "platform/messages.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>

TAdjustMenu::TAdjustMenu(QDialog* form) : QObject(form), FForm(form)
{
    PopupMenu1 = new QMenu(form);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Help1 = PopupMenu1->addAction(tr("Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    SaveandQuit1 = PopupMenu1->addAction(tr("&Save and Quit"));
    SaveandQuit1->setObjectName(QStringLiteral("SaveandQuit1"));
    Quit1 = PopupMenu1->addAction(tr("&Quit"));
    Quit1->setObjectName(QStringLiteral("Quit1"));
    Close1 = new QAction(tr("&Close"), form);
    Close1->setObjectName(QStringLiteral("Close1"));
    Close1->setVisible(false);
    connect(Help1, &QAction::triggered, this, [] { ShowHelp(AdjustHelpContext); });
    connect(SaveandQuit1, &QAction::triggered, form, &QDialog::accept);
    connect(Quit1, &QAction::triggered, form, &QDialog::reject);
    connect(Close1, &QAction::triggered, form, &QDialog::reject);
    SetHelpContext(form, AdjustHelpContext);
    form->setWindowTitle(tr("Press Mouse right button for Menu"));
}

void TAdjustMenu::Popup(const QPoint& globalPos) { PopupMenu1->popup(globalPos); }

bool TAdjustMenu::MenuKey(const QKeyEvent* event, const QWidget* anchor)
{
    const bool menuKey = event->key() == Qt::Key_Menu
                         || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey)
        Popup(anchor->mapToGlobal(anchor->rect().center()));
    return menuKey;
}

int TAdjustMenu::CloseResult(int result)
{
    if (result == QDialog::Accepted || FAsked)
        return result;
    FAsked = true;
    return Confirm(tr("Save changes?")) ? int(QDialog::Accepted) : result;
}
