#include "platform/modal.h"

#include "platform/testscript.h"

#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>

int ShowModal(QDialog& dialog)
{
    if (!TestScript::Active())
        return dialog.exec();

    const QString className = QString::fromLatin1(dialog.metaObject()->className());
    TestScript::ModalHandler handler;
    if (!TestScript::TakeModal(className, handler))
        return QDialog::Rejected;

    // The form runs its real modal loop; the handler acts inside it, as a
    // user would, and must close it.
    // Marks the form as run by the script, for the harness's watch on modal
    // windows opened some other way.
    dialog.setProperty("quendraScriptedModal", true);
    QPointer<QDialog> guard(&dialog);
    QTimer::singleShot(0, &dialog, [guard, handler, className]() {
        if (!guard)
            return;
        handler(*guard);
        if (guard && guard->isVisible()) {
            TestScript::Fail(QStringLiteral("modal form %1 was left open by its script").arg(className));
            guard->reject();
        }
    });
    return dialog.exec();
}
