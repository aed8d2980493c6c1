#pragma once
// The tutorial viewer: a read-only rich-text document filling the window,
// with find and print.

#include <QDialog>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class TFindDialog;
class TRichEdit;

class TTutorialForm : public QDialog {
    Q_OBJECT
public:
    explicit TTutorialForm(QWidget* parent = nullptr);

    // Loads the document; throws EQuendraError (EInOutError) when it cannot
    // be read.
    void LoadDocument(const QString& path);

    // "&Find": a selection of 1 to 29 characters becomes the search text;
    // then the find dialog is shown beside the viewer.
    void MFindClick();
    // One "Find Next": searches after the current selection, ignoring case.
    // Found: the match is selected. Not found: a beep, selection unchanged.
    bool FindDialog1Find(const QString& text);
    void MPrintPrintClick();
    void MPrintSetupClick();

    QMenuBar* MainMenu1;
    QAction* MQuit;
    QAction* MFind;
    QMenu* MPrint;
    QAction* MPrintPrint;
    QAction* MPrintSetup;
    TRichEdit* RichEdit1;
    TFindDialog* FindDialog1;
    QString DocumentPath;
};

// The viewer on any rich-text file, shown modally.
void ShowDocument(const QString& path);
// "Tut&orial": the tutorial document of the program directory.
void ShowTutorial();
// The message when the tutorial document is missing.
QString MissingTutorialText();
