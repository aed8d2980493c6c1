#pragma once
// Common dialogs. Each has a test-script channel (see testscript.h): a
// test queues the answer (a file name, or an invalid QVariant for Cancel).

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

struct TFileDialogOptions {
    QString Title;
    QString Filter;        // "Description|*.EXT|Other|*.A;*.B"; letter case of patterns is ignored
    QString InitialDir;
    QString DefaultExt;    // without the dot
    QString FileName;      // initial file name
    int HelpContext = 0;
    // Files offered in a list below the chooser (open dialogs): picking one
    // chooses it. RecentLabel is the list's caption ("&Recent tests:").
    QStringList Recent;
    QString RecentLabel;
    // The first filter shows only folders and files with the executable bit
    // (or matching its patterns): programs on Linux have no extension.
    bool ExecutablesInFirstFilter = false;
};

// Channel "open". True with the chosen file's full path. In tests the
// request is logged on channel "open-request" as "InitialDir|recent;recent".
bool ExecuteOpenDialog(const TFileDialogOptions& options, QString& fileName);
// Channel "save". True with the chosen file's full path (default extension added).
bool ExecuteSaveDialog(const TFileDialogOptions& options, QString& fileName);

// "Text|*.TXT|All|*.*" as Qt name filters: "Text (*.TXT)", "All (*)". The
// chooser matches them whatever the letter case of a file name.
QStringList QtNameFilters(const QString& filter);

// The chooser a real run shows, not yet shown (tests build it to look at
// it). Its recent list is the child "RecentList"; activating an entry
// accepts the dialog with that file, which ChosenFile then gives.
class QFileDialog;
class QWidget;
QFileDialog* CreateFileDialog(const TFileDialogOptions& options, bool save, QWidget* parent);
QString ChosenFile(const QFileDialog& dialog);

// ---- printing ----
class QPrinter;
// Channel "print": the print dialog. A scripted answer is the path of a PDF
// file the printer then writes to (invalid = cancelled).
bool ExecutePrintDialog(QPrinter& printer, int helpContext = 0);
// Channel "printsetup": the printer set-up dialog; a scripted answer of
// true accepts it.
bool ExecutePrintSetupDialog(QPrinter& printer, int helpContext = 0);
// Prints the lines, one printed line each, in the font, paginated.
void PrintTextLines(QPrinter& printer, const QStringList& lines, const QFont& font);

// ---- find and replace (modeless, like the platform's) ----
struct TFindRequest {
    enum TAction { FindNext, Replace, ReplaceAll };
    TAction Action = FindNext;
    QString FindText;
    QString ReplaceText;
};
using TFindHandler = std::function<void(const TFindRequest&)>;
class QWidget;
// The find dialog without case, whole-word and direction options; each
// "Find Next" calls the handler. Channel "find": the scripted answer is a
// QStringList, one Find Next for each text, after which the dialog is
// closed (invalid = closed at once).
void ShowFindDialog(QWidget* owner, const QString& initial, TFindHandler handler);
// The replace dialog: Find Next, Replace and Replace All. Channel "replace":
// the scripted answer is a QVariantList of QVariantMaps {"action": "find" |
// "replace" | "all", "find": text, "replace": text}.
void ShowReplaceDialog(QWidget* owner, const QString& initial, TFindHandler handler);
