#include "testdesign/fieldchecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

void TFieldChecks::Watch(QLineEdit* field, std::function<bool()> check)
{
    FChecks.append({field, std::move(check)});
    field->installEventFilter(this);
}

bool TFieldChecks::Run(const std::function<bool()>& check)
{
    if (FRunning)
        return true;
    FRunning = true;
    bool ok = false;
    try {
        ok = check();
    } catch (...) {
        FRunning = false;
        throw;
    }
    FRunning = false;
    return ok;
}

bool TFieldChecks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !FRunning) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Losing the activation (a message box, another window) or a popup
        // is not leaving the field. Neither is an accelerator: its button
        // takes the focus only to be pressed, and Save runs every check
        // itself (checking first would let the press save the value the
        // check put back, unseen).
        const bool leaves = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                            reason != Qt::ShortcutFocusReason;
        const QWidget* next = QApplication::focusWidget();
        if (leaves && (!FCancel || next != FCancel)) {
            for (const auto& c : FChecks)
                if (c.first == watched) {
                    Run(c.second);
                    break;
                }
        }
    }
    return QObject::eventFilter(watched, event);
}

