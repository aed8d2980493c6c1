#include "runtime/hnotesform.h"

#include "model/savefile.h"

#include "model/ansi.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/modal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const char* const TextFilter = "Text Files|*.TXT|All Files|*.*";

QString WithoutFolder(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace

THNotesForm::THNotesForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HNotesForm"));
    setSizeGripEnabled(true);
    resize(560, 420);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [this](QMenu* menu, QAction*& a, const char* name, const QString& text, const QKeySequence& key) {
        a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
    };
    File1 = MainMenu1->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    action(File1, New1, "New1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    action(File1, Open1, "Open1", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    action(File1, Save1, "Save1", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    action(File1, SaveAs1, "SaveAs1", tr("Save &As..."), QKeySequence());
    File1->addSeparator();
    action(File1, Print1, "Print1", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    action(File1, PrintSetup1, "PrintSetup1", tr("Prin&t Setup..."), QKeySequence());
    File1->addSeparator();
    action(File1, Exit1, "Exit1", tr("E&xit"), QKeySequence());
    Edit1 = MainMenu1->addMenu(tr("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    action(Edit1, Cut1, "Cut1", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    action(Edit1, Copy1, "Copy1", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    action(Edit1, Paste1, "Paste1", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Edit1->addSeparator();
    action(Edit1, Find1, "Find1", tr("&Find..."), QKeySequence());
    action(Edit1, Replace1, "Replace1", tr("R&eplace..."), QKeySequence());
    // The memo handles its own clipboard keys; the menu items act on click.
    for (QAction* a : {Cut1, Copy1, Paste1})
        a->setShortcutContext(Qt::WidgetShortcut);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Memo1);

    connect(New1, &QAction::triggered, this, &THNotesForm::New1Click);
    connect(Open1, &QAction::triggered, this, &THNotesForm::Open1Click);
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
    connect(Print1, &QAction::triggered, this, &THNotesForm::Print1Click);
    connect(PrintSetup1, &QAction::triggered, this, &THNotesForm::PrintSetup1Click);
    connect(Exit1, &QAction::triggered, this, &THNotesForm::Exit1Click);
    connect(Edit1, &QMenu::aboutToShow, this, &THNotesForm::Edit1Popup);
    connect(Cut1, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
    connect(Copy1, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    connect(Paste1, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
    connect(Find1, &QAction::triggered, this, &THNotesForm::Find1Click);
    connect(Replace1, &QAction::triggered, this, &THNotesForm::Replace1Click);
    SetCaption(tr("Untitled"));
    Memo1->setFocus();
}

THNotesForm::~THNotesForm() { delete FPrinter; }

void THNotesForm::SetCaption(const QString& name) { setWindowTitle(tr("Current File : %1").arg(name)); }

bool THNotesForm::LoadFile(const QString& file)
{
    const QString path = ResolveCase(file);
    if (QFileInfo::exists(path)) {
        try {
            QString text = AnsiToString(ReadWholeFile(path));
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            Memo1->setPlainText(text);
            Memo1->document()->setModified(false);
        } catch (const EQuendraError& e) {
            // The text, its name and the caption stay together as they were.
            ShowError(e.Message());
            return false;
        }
    }
    SaveName = path;
    return true;
}

void SaveNotesFile(const QString& file, const QString& text)
{
    QString stored = text;
    stored.replace(u'\n', QStringLiteral("\r\n"));
    SaveWholeFile(file, StringToAnsi(stored));
}

bool THNotesForm::WriteTo(const QString& file)
{
    try {
        SaveNotesFile(file, Memo1->toPlainText());
    } catch (const EQuendraError& e) {
        // The text stays in the memo, still marked as changed.
        ShowError(e.Message());
        return false;
    }
    Memo1->document()->setModified(false);
    return true;
}

bool THNotesForm::FormCloseQuery()
{
    if (!Memo1->document()->isModified())
        return true;
    const QString name = SaveName.isEmpty() ? tr("Untitled") : WithoutFolder(SaveName);
    switch (YesNoCancel(tr("File %1 has changed. Save Now?").arg(name))) {
    case mrYes:
        return Save1Click();
    case mrNo:
        return true;
    default:
        return false;
    }
}

void THNotesForm::done(int result)
{
    if (!FormCloseQuery())
        return;
    QDialog::done(result);
}

void THNotesForm::New1Click()
{
    if (!FormCloseQuery())
        return;
    Memo1->clear();
    Memo1->document()->setModified(false);
    SaveName.clear();
    SetCaption(tr("Untitled"));
}

void THNotesForm::Open1Click()
{
    if (!FormCloseQuery())
        return;
    TFileDialogOptions o;
    o.Title = tr("Open Text File");
    o.Filter = QString::fromLatin1(TextFilter);
    o.DefaultExt = QStringLiteral("TXT");
    QString file;
    if (!ExecuteOpenDialog(o, file))
        return;
    if (LoadFile(file))
        SetCaption(WithoutFolder(file));
}

bool THNotesForm::Save1Click()
{
    if (SaveName.isEmpty())
        return SaveAs1Click();
    return WriteTo(SaveName);
}

bool THNotesForm::SaveAs1Click()
{
    TFileDialogOptions o;
    o.Title = tr("Save Text File");
    o.Filter = QString::fromLatin1(TextFilter);
    o.DefaultExt = QStringLiteral("TXT");
    o.FileName = SaveName;
    QString file;
    if (!ExecuteSaveDialog(o, file))
        return false;
    if (!WriteTo(file))
        return false;
    SaveName = file;
    SetCaption(WithoutFolder(file));
    return true;
}

QPrinter* THNotesForm::Printer()
{
    if (!FPrinter)
        FPrinter = new QPrinter(QPrinter::HighResolution);
    return FPrinter;
}

void THNotesForm::Print1Click()
{
    if (!ExecutePrintDialog(*Printer()))
        return;
    QStringList lines;
    for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    PrintTextLines(*Printer(), lines, Memo1->font());
}

void THNotesForm::PrintSetup1Click() { ExecutePrintSetupDialog(*Printer()); }

void THNotesForm::Exit1Click() { close(); }

void THNotesForm::Edit1Popup()
{
    const bool selected = Memo1->textCursor().hasSelection();
    Cut1->setEnabled(selected);
    Copy1->setEnabled(selected);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    Paste1->setEnabled(mime && mime->hasText());
}

bool THNotesForm::FindNext(const QString& text)
{
    FFindText = text;
    const QString all = Memo1->toPlainText();
    const int from = Memo1->textCursor().selectionEnd();
    const qsizetype at = text.isEmpty() ? -1 : all.indexOf(text, from, Qt::CaseSensitive);
    Memo1->setFocus();
    if (at < 0) {
        QApplication::beep();
        return false;
    }
    QTextCursor c = Memo1->textCursor();
    c.setPosition(int(at));
    c.setPosition(int(at + text.size()), QTextCursor::KeepAnchor);
    Memo1->setTextCursor(c);
    return true;
}

int THNotesForm::ReplaceText(const QString& text, const QString& replacement, bool all)
{
    int count = 0;
    do {
        if (Memo1->textCursor().selectedText() != text)
            FindNext(text);
        QTextCursor c = Memo1->textCursor();
        if (!c.hasSelection() || c.selectedText() != text)
            break;
        c.insertText(replacement);
        Memo1->setTextCursor(c);
        ++count;
    } while (all && FindNext(text));
    return count;
}

void THNotesForm::Find1Click()
{
    ShowFindDialog(this, FFindText, [this](const TFindRequest& r) { FindNext(r.FindText); });
}

void THNotesForm::Replace1Click()
{
    ShowReplaceDialog(this, FFindText, [this](const TFindRequest& r) {
        if (r.Action == TFindRequest::FindNext)
            FindNext(r.FindText);
        else
            ReplaceText(r.FindText, r.ReplaceText, r.Action == TFindRequest::ReplaceAll);
    });
}

void ShowNotepad(const QString& file)
{
    THNotesForm form(QApplication::activeWindow());
    form.LoadFile(file);
    form.setWindowTitle(form.tr("Current File : %1").arg(file));
    ShowModal(form);
}
