#include "platform/dialogs.h"

#include "platform/help.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

const char* const ChosenProperty = "quendraChosenFile";

// Whether each description already names its patterns ("Data Files  *.QXD"),
// so that the chooser need not repeat them in brackets.
bool DescriptionsNamePatterns(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return false;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].contains(parts[i + 1], Qt::CaseInsensitive))
            return false;
    return true;
}

// The recent files below the chooser. Enter or a double click on an entry
// chooses it; a single click shows it in the chooser.
class TRecentList : public QListWidget {
public:
    TRecentList(QFileDialog& dialog, const QStringList& files) : QListWidget(&dialog), FDialog(dialog)
    {
        setObjectName(QStringLiteral("RecentList"));
        for (const QString& file : files) {
            const QFileInfo fi(file);
            auto* item = new QListWidgetItem(
                QStringLiteral("%1 \u2014 %2").arg(fi.fileName(), QDir::toNativeSeparators(fi.absolutePath())), this);
            item->setData(Qt::UserRole, fi.absoluteFilePath());
            item->setToolTip(QDir::toNativeSeparators(fi.absoluteFilePath()));
        }
        setMaximumHeight(sizeHintForRow(0) * 4 + 2 * frameWidth() + 4);
        connect(this, &QListWidget::itemActivated, this, &TRecentList::Choose);
        connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            const QFileInfo fi(item->data(Qt::UserRole).toString());
            FDialog.setDirectory(fi.absolutePath());
            FDialog.selectFile(fi.fileName());
        });
    }

    void Choose(QListWidgetItem* item)
    {
        if (!item)
            return;
        FDialog.setProperty(ChosenProperty, item->data(Qt::UserRole).toString());
        static_cast<QDialog&>(FDialog).done(QDialog::Accepted);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        // Enter chooses the entry here, not through the chooser's own
        // default button.
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentItem()) {
            Choose(currentItem());
            e->accept();
            return;
        }
        QListWidget::keyPressEvent(e);
    }

private:
    QFileDialog& FDialog;
};

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
        if (!save)
            TestScript::Log(QStringLiteral("open-request"), o.InitialDir + u'|' + o.Recent.join(u';'));
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
    std::unique_ptr<QFileDialog> dlg(CreateFileDialog(o, save, QApplication::activeWindow()));
    if (ShowModal(*dlg) != QDialog::Accepted)
        return false;
    const QString chosen = ChosenFile(*dlg);
    if (!chosen.isEmpty()) {
        fileName = chosen;
        return true;
    }
    if (dlg->selectedFiles().isEmpty())
        return false;
    fileName = QFileInfo(dlg->selectedFiles().first()).absoluteFilePath();
    return true;
}

} // namespace

QFileDialog* CreateFileDialog(const TFileDialogOptions& o, bool save, QWidget* parent)
{
    auto* dlg = new QFileDialog(parent, o.Title, o.InitialDir);
    dlg->setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dlg->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg->setOption(QFileDialog::DontUseNativeDialog, true);
    // Patterns match file names whatever their letter case.
    dlg->setFilter(dlg->filter() & ~QDir::CaseSensitive);
    QStringList filters = QtNameFilters(o.Filter);
    if (o.ExecutablesInFirstFilter && !filters.isEmpty()) {
        // The names of the first filter are matched by the proxy, with the
        // executable bit; the dialog itself lets every name through.
        const QStringList parts = o.Filter.split(u'|');
        auto* proxy = new TExecutableFilter(parts.value(1).split(u';', Qt::SkipEmptyParts), dlg);
        dlg->setProxyModel(proxy);
        filters[0] = parts.value(0) + QStringLiteral(" (*)");
        QObject::connect(dlg, &QFileDialog::filterSelected, proxy, [proxy, first = filters[0]](const QString& f) {
            proxy->Active = f == first;
            proxy->Refilter();
        });
    }
    if (!filters.isEmpty()) {
        dlg->setOption(QFileDialog::HideNameFilterDetails, DescriptionsNamePatterns(o.Filter));
        dlg->setNameFilters(filters);
    }
    if (!o.DefaultExt.isEmpty())
        dlg->setDefaultSuffix(o.DefaultExt);
    if (!o.FileName.isEmpty())
        dlg->selectFile(o.FileName);
    if (o.HelpContext > 0)
        SetHelpContext(dlg, o.HelpContext);
    auto* grid = qobject_cast<QGridLayout*>(dlg->layout());
    if (!save && !o.Recent.isEmpty() && grid) {
        auto* list = new TRecentList(*dlg, o.Recent);
        const QString caption = o.RecentLabel.isEmpty() ? QApplication::translate("Dialogs", "&Recent:") : o.RecentLabel;
        auto* label = new QLabel(caption, dlg);
        label->setObjectName(QStringLiteral("RecentLabel"));
        label->setBuddy(list);
        list->setAccessibleName(QString(caption).remove(u'&').remove(u':').trimmed());
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(list, row, 1, 1, grid->columnCount() - 1);
    }
    return dlg;
}

QString ChosenFile(const QFileDialog& dialog) { return dialog.property(ChosenProperty).toString(); }

QStringList QtNameFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (p.trimmed() == u"*.*" ? QStringLiteral("*") : p.trimmed());
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
