#pragma once
// Help files are HTML documents; context N is the element whose id is "N".

#include <QMainWindow>
#include <QString>

class QTextBrowser;
class QWidget;
class QApplication;
class QLineEdit;

// The help file that F1 and the Help buttons open: the tool's own by
// default; a test run may point it at the test's own help file.
QString CurrentHelpFile();
void SetCurrentHelpFile(const QString& file);

// Opens the file at the context in the help viewer. A missing file, or one
// without that context, gives a clear message instead of a blank window.
void ShowHelp(const QString& file, int context);
inline void ShowHelp(int context) { ShowHelp(CurrentHelpFile(), context); }

// The help context of a window or control, found by F1 from the focus
// widget upwards.
void SetHelpContext(QWidget* widget, int context);
int HelpContextOf(const QWidget* widget);

// Installs the application-wide F1 handler.
void InstallHelpKey(QApplication& app);

class THelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);
    // Loads the file (if not loaded) and scrolls to the context. False, with
    // the reason in error, when the file is missing or lacks the context.
    bool Open(const QString& file, int context, QString& error);
    // Finds the text in the page, ignoring case, after the current selection;
    // wraps round to the top once. False (and a beep) when it is not there.
    bool FindNext(const QString& text);
    // Scrolls so that the topic of the context is at the top of the page.
    void ScrollToContext(int context);
    QTextBrowser* Browser = nullptr;
    QLineEdit* FindEdit = nullptr;
    QString CurrentFile;
    int CurrentContext = 0;
    static THelpViewer* Instance(bool create = true);
};
