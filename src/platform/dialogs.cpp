#include "platform/dialogs.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString EitherCase(const QString& pattern)
{
    QString out;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            out += c;
    }
    return out;
}

bool RunFileDialog(const TFileDialogOptions& o, QString& fileName, bool save)
{
    if (TestScript::Active()) {
        QVariant v;
        if (!TestScript::TakeAnswer(save ? QStringLiteral("save") : QStringLiteral("open"), v) || !v.isValid())
            return false;
        // The same finishing as a real dialog: a full path, and the default
        // extension added to a saved name that has none.
        fileName = QFileInfo(v.toString()).absoluteFilePath();
        if (save && !o.DefaultExt.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
            fileName += u'.' + o.DefaultExt;
        return true;
    }
    QFileDialog dlg(QApplication::activeWindow(), o.Title, o.InitialDir);
    dlg.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    const QStringList filters = QtNameFilters(o.Filter);
    if (!filters.isEmpty())
        dlg.setNameFilters(filters);
    if (!o.DefaultExt.isEmpty())
        dlg.setDefaultSuffix(o.DefaultExt);
    if (!o.FileName.isEmpty())
        dlg.selectFile(o.FileName);
    if (o.HelpContext > 0)
        SetHelpContext(&dlg, o.HelpContext);
    if (ShowModal(dlg) != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    fileName = QFileInfo(dlg.selectedFiles().first()).absoluteFilePath();
    return true;
}

} // namespace

QStringList QtNameFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (p.trimmed() == u"*.*" ? QStringLiteral("*") : EitherCase(p.trimmed()));
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return out;
}

bool ExecuteOpenDialog(const TFileDialogOptions& options, QString& fileName)
{
    return RunFileDialog(options, fileName, false);
}

bool ExecuteSaveDialog(const TFileDialogOptions& options, QString& fileName)
{
    return RunFileDialog(options, fileName, true);
}
