#include "platform/colordialog.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QColorDialog>

bool ExecuteColorDialog(QColor& colour, int helpContext)
{
    if (TestScript::Active()) {
        QVariant v;
        TestScript::Log(QStringLiteral("colour"), colour.name());
        if (!TestScript::TakeAnswer(QStringLiteral("colour"), v) || !v.isValid())
            return false;
        const QColor chosen = v.value<QColor>();
        if (!chosen.isValid())
            return false;
        colour = chosen;
        return true;
    }
    QColorDialog dlg(colour, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("ColorDialog"));
    dlg.setOption(QColorDialog::DontUseNativeDialog, true);
    if (helpContext > 0)
        SetHelpContext(&dlg, helpContext);
    if (ShowModal(dlg) != QDialog::Accepted || !dlg.selectedColor().isValid())
        return false;
    colour = dlg.selectedColor();
    return true;
}
