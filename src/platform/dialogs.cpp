#include "platform/dialogs.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

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

// Hides the files that are neither executable nor matching the patterns
// while the executables filter is the dialog's current one.
class TExecutableFilter : public QSortFilterProxyModel {
public:
    TExecutableFilter(const QStringList& patterns, QObject* parent) : QSortFilterProxyModel(parent)
    {
        for (const QString& p : patterns)
            FPatterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                            QRegularExpression::CaseInsensitiveOption);
    }
    bool Active = true;
    void Refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        auto* model = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!Active || !model)
            return true;
        const QFileInfo fi = model->fileInfo(model->index(row, 0, parent));
        if (fi.isDir() || fi.isExecutable())
            return true;
        for (const QRegularExpression& re : FPatterns)
            if (re.match(fi.fileName()).hasMatch())
                return true;
        return false;
    }

private:
    QList<QRegularExpression> FPatterns;
};

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
    QStringList filters = QtNameFilters(o.Filter);
    if (o.ExecutablesInFirstFilter && !filters.isEmpty()) {
        // The names of the first filter are matched by the proxy, with the
        // executable bit; the dialog itself lets every name through.
        const QStringList parts = o.Filter.split(u'|');
        auto* proxy = new TExecutableFilter(parts.value(1).split(u';', Qt::SkipEmptyParts), &dlg);
        dlg.setProxyModel(proxy);
        filters[0] = parts.value(0) + QStringLiteral(" (*)");
        QObject::connect(&dlg, &QFileDialog::filterSelected, proxy, [proxy, first = filters[0]](const QString& f) {
            proxy->Active = f == first;
            proxy->Refilter();
        });
    }
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

// ---- printing ----

bool ExecutePrintDialog(QPrinter& printer, int helpContext)
{
    if (TestScript::Active()) {
        QVariant v;
        if (!TestScript::TakeAnswer(QStringLiteral("print"), v) || !v.isValid())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(v.toString());
        return true;
    }
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("PrintDialog"));
    if (helpContext > 0)
        SetHelpContext(&dlg, helpContext);
    return ShowModal(dlg) == QDialog::Accepted;
}

bool ExecutePrintSetupDialog(QPrinter& printer, int helpContext)
{
    if (TestScript::Active()) {
        QVariant v;
        return TestScript::TakeAnswer(QStringLiteral("printsetup"), v) && v.isValid() && v.toBool();
    }
    QPageSetupDialog dlg(&printer, QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("PrintSetupDialog"));
    if (helpContext > 0)
        SetHelpContext(&dlg, helpContext);
    return ShowModal(dlg) == QDialog::Accepted;
}

void PrintTextLines(QPrinter& printer, const QStringList& lines, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    QFont f(font, painter.device());
    painter.setFont(f);
    const QFontMetrics metrics(f, painter.device());
    const QRect page = painter.viewport();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y + metrics.descent() > page.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    painter.end();
}

// ---- find and replace ----

namespace {

class TFindReplaceDialog : public QDialog {
public:
    TFindReplaceDialog(QWidget* owner, bool replace, const QString& initial, TFindHandler handler)
        : QDialog(owner), FHandler(std::move(handler))
    {
        setObjectName(replace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
        setWindowTitle(replace ? QApplication::translate("Dialogs", "Replace") : QApplication::translate("Dialogs", "Find"));
        setAttribute(Qt::WA_DeleteOnClose);
        auto* grid = new QGridLayout(this);
        auto* findLabel = new QLabel(QApplication::translate("Dialogs", "Fi&nd what:"), this);
        FindEdit = new QLineEdit(initial, this);
        FindEdit->setObjectName(QStringLiteral("FindEdit"));
        findLabel->setBuddy(FindEdit);
        grid->addWidget(findLabel, 0, 0);
        grid->addWidget(FindEdit, 0, 1);
        auto* buttons = new QVBoxLayout;
        auto add = [&](const QString& text, const char* name, TFindRequest::TAction action) {
            auto* b = new QPushButton(text, this);
            b->setObjectName(QString::fromLatin1(name));
            buttons->addWidget(b);
            connect(b, &QPushButton::clicked, this, [this, action] { Request(action); });
            return b;
        };
        add(QApplication::translate("Dialogs", "&Find Next"), "FindNextBtn", TFindRequest::FindNext)->setDefault(true);
        if (replace) {
            auto* replaceLabel = new QLabel(QApplication::translate("Dialogs", "Re&place with:"), this);
            ReplaceEdit = new QLineEdit(this);
            ReplaceEdit->setObjectName(QStringLiteral("ReplaceEdit"));
            replaceLabel->setBuddy(ReplaceEdit);
            grid->addWidget(replaceLabel, 1, 0);
            grid->addWidget(ReplaceEdit, 1, 1);
            add(QApplication::translate("Dialogs", "&Replace"), "ReplaceBtn", TFindRequest::Replace);
            add(QApplication::translate("Dialogs", "Replace &All"), "ReplaceAllBtn", TFindRequest::ReplaceAll);
        }
        auto* cancel = new QPushButton(QApplication::translate("Dialogs", "Cancel"), this);
        cancel->setObjectName(QStringLiteral("CancelBtn"));
        connect(cancel, &QPushButton::clicked, this, &QDialog::close);
        buttons->addWidget(cancel);
        buttons->addStretch(1);
        grid->addLayout(buttons, 0, 2, 3, 1);
    }

private:
    void Request(TFindRequest::TAction action)
    {
        TFindRequest r;
        r.Action = action;
        r.FindText = FindEdit->text();
        if (ReplaceEdit)
            r.ReplaceText = ReplaceEdit->text();
        if (!r.FindText.isEmpty() && FHandler)
            FHandler(r);
    }

    TFindHandler FHandler;
    QLineEdit* FindEdit = nullptr;
    QLineEdit* ReplaceEdit = nullptr;
};

void ShowFindReplace(QWidget* owner, bool replace, const QString& initial, TFindHandler handler)
{
    if (TestScript::Active()) {
        QVariant v;
        if (!TestScript::TakeAnswer(replace ? QStringLiteral("replace") : QStringLiteral("find"), v) || !v.isValid())
            return;
        for (const QVariant& item : v.toList()) {
            TFindRequest r;
            if (replace) {
                const QVariantMap m = item.toMap();
                const QString a = m.value(QStringLiteral("action")).toString();
                r.Action = a == u"replace" ? TFindRequest::Replace
                           : a == u"all"   ? TFindRequest::ReplaceAll
                                           : TFindRequest::FindNext;
                r.FindText = m.value(QStringLiteral("find")).toString();
                r.ReplaceText = m.value(QStringLiteral("replace")).toString();
            } else {
                r.FindText = item.toString();
            }
            if (!r.FindText.isEmpty())
                handler(r);
        }
        return;
    }
    auto* dlg = new TFindReplaceDialog(owner, replace, initial, std::move(handler));
    dlg->show();
    dlg->raise();
    dlg->activateWindow();
}

} // namespace

void ShowFindDialog(QWidget* owner, const QString& initial, TFindHandler handler)
{
    ShowFindReplace(owner, false, initial, std::move(handler));
}

void ShowReplaceDialog(QWidget* owner, const QString& initial, TFindHandler handler)
{
    ShowFindReplace(owner, true, initial, std::move(handler));
}
