#include "platform/fontdialog.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QFontDialog>

bool ExecuteFontDialog(QFont& font, QColor& colour, int helpContext)
{
    Q_UNUSED(colour);
    if (TestScript::Active()) {
        QVariant v;
        TestScript::Log(QStringLiteral("font"), font.toString());
        if (!TestScript::TakeAnswer(QStringLiteral("font"), v) || !v.isValid())
            return false;
        font = v.value<QFont>();
        return true;
    }
    QFontDialog dlg(font, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("FontDialog"));
    dlg.setOption(QFontDialog::DontUseNativeDialog, true);
    if (helpContext > 0)
        SetHelpContext(&dlg, helpContext);
    if (ShowModal(dlg) != QDialog::Accepted)
        return false;
    font = dlg.selectedFont();
    return true;
}
