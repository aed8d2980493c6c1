#include "platform/help.h"

#include "platform/messages.h"
#include "platform/testscript.h"
#include "model/fileutil.h"
#include "model/processvalues.h"
#include "platform/fonts.h"
#include "model/testconfig.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

QString gCurrentHelpFile;
bool gCurrentHelpFileSet = false;
const char* const HelpContextProperty = "quendraHelpContext";

// F1 anywhere opens the current help file at the help context of the widget
// that receives the key (the focus widget), or of its nearest parent that
// has one.
class THelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        // The window receives the key first and passes it on to the focus
        // widget; act on the widget delivery only.
        QWidget* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        const int ctx = HelpContextOf(w);
        if (ctx <= 0)
            return false;
        ShowHelp(ctx);
        return true;
    }
};

} // namespace

QString CurrentHelpFile() { return gCurrentHelpFileSet ? gCurrentHelpFile : HelpFilePath; }

void SetCurrentHelpFile(const QString& file)
{
    gCurrentHelpFile = file;
    gCurrentHelpFileSet = !file.isEmpty();
}

namespace {

// The help file a test run chose, and the platform's test hooks that live in
// this library's modules (the screen depth override of fonts.cpp).
void ResetHelpValues()
{
    SetCurrentHelpFile(QString());
    SetScreenDepthOverride(0);
}

} // namespace

QUENDRA_RESET_ROUTINE(ResetHelpValues)

void SetHelpContext(QWidget* widget, int context) { widget->setProperty(HelpContextProperty, context); }

int HelpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(HelpContextProperty);
        if (v.isValid() && v.toInt() > 0)
            return v.toInt();
    }
    return 0;
}

void InstallHelpKey(QApplication& app) { app.installEventFilter(new THelpKeyFilter(&app)); }

THelpViewer::THelpViewer(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("THelpViewer"));
    setWindowTitle(tr("Help"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    setCentralWidget(Browser);
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("NavigationBar"));
    QAction* back = bar->addAction(tr("&Back"), Browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(tr("&Forward"), Browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    QAction* contents = bar->addAction(tr("&Contents"), this, [this]() {
        // Through the browser's own link handling, so Back returns to the topic.
        Browser->setSource(QUrl(QStringLiteral("#contents")));
    });
    contents->setObjectName(QStringLiteral("ContentsAction"));
    back->setObjectName(QStringLiteral("BackAction"));
    forward->setObjectName(QStringLiteral("ForwardAction"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    // Find in page: the box takes the text, Enter or "Find &Next" searches on.
    bar->addSeparator();
    QLabel* findLabel = new QLabel(tr("&Find: "), bar);
    bar->addWidget(findLabel);
    FindEdit = new QLineEdit(bar);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setMaximumWidth(200);
    FindEdit->setClearButtonEnabled(true);
    findLabel->setBuddy(FindEdit);
    bar->addWidget(FindEdit);
    QAction* findNext = bar->addAction(tr("Find &Next"), this, [this]() { FindNext(FindEdit->text()); });
    findNext->setObjectName(QStringLiteral("FindNextAction"));
    findNext->setShortcut(QKeySequence::FindNext);
    connect(FindEdit, &QLineEdit::returnPressed, this, [this]() { FindNext(FindEdit->text()); });
    QAction* findFocus = new QAction(this);
    findFocus->setShortcut(QKeySequence::Find);
    connect(findFocus, &QAction::triggered, this, [this]() {
        FindEdit->setFocus();
        FindEdit->selectAll();
    });
    addAction(findFocus);
    resize(720, 560);
}

bool THelpViewer::FindNext(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (Browser->find(text))
        return true;
    // Not found below the selection: try once more from the top.
    const QTextCursor kept = Browser->textCursor();
    QTextCursor top(Browser->document());
    Browser->setTextCursor(top);
    if (Browser->find(text))
        return true;
    Browser->setTextCursor(kept);
    QApplication::beep();
    return false;
}

void THelpViewer::ScrollToContext(int context)
{
    if (context <= 0)
        return;
    CurrentContext = context;
    const QString id = QString::number(context);
    Browser->scrollToAnchor(id);
    // The page is laid out again once the window is shown at its real size;
    // scroll again then so the topic stays at the top.
    QPointer<THelpViewer> self(this);
    QTimer::singleShot(0, this, [self, id]() {
        if (self)
            self->Browser->scrollToAnchor(id);
    });
}

THelpViewer* THelpViewer::Instance(bool create)
{
    static QPointer<THelpViewer> viewer;
    if (!viewer && create) {
        viewer = new THelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        // The viewer serves the program's windows: it never keeps the
        // program running once they are closed, and goes with them.
        viewer->setAttribute(Qt::WA_QuitOnClose, false);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QWidget::close);
    }
    return viewer;
}

bool THelpViewer::Open(const QString& file, int context, QString& error)
{
    const QString real = ResolveCase(file);
    QFile f(real);
    if (real.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        error = tr("The help file %1 cannot be found.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    const QByteArray bytes = f.readAll();
    // Help files of the old binary format (and any other binary file) are
    // refused with a message; shown as text they would be garbage.
    if (bytes.startsWith(QByteArray("\x3F\x5F\x03\x00", 4))) {
        error = tr("The help file %1 is in the old binary help format, which cannot be shown.\n\r"
                   "Only help files in HTML can be shown.")
                    .arg(QDir::toNativeSeparators(file));
        return false;
    }
    if (bytes.left(4096).contains('\0')) {
        error = tr("The help file %1 is not an HTML document and cannot be shown.").arg(QDir::toNativeSeparators(file));
        return false;
    }
    const QString html = QString::fromUtf8(bytes);
    const QString id = QString::number(context);
    const QRegularExpression anchor(QStringLiteral("\\b(id|name)\\s*=\\s*[\"']%1[\"']").arg(id));
    if (context > 0 && !html.contains(anchor)) {
        error = tr("The help file %1 has no topic for help context %2.").arg(QDir::toNativeSeparators(file)).arg(context);
        return false;
    }
    const QString abs = QFileInfo(real).absoluteFilePath();
    // Through the browser's own navigation, so that Back and Forward also
    // step between the topics opened by F1 and the links followed.
    if (CurrentFile != abs) {
        Browser->setSearchPaths({QFileInfo(abs).absolutePath()});
        Browser->clearHistory();
    }
    QUrl url = QUrl::fromLocalFile(abs);
    if (context > 0)
        url.setFragment(id);
    Browser->setSource(url, QTextDocument::HtmlResource);
    CurrentFile = abs;
    ScrollToContext(context);
    return true;
}

void ShowHelp(const QString& file, int context)
{
    if (TestScript::Active())
        TestScript::Log(QStringLiteral("help"), QStringLiteral("%1#%2").arg(file).arg(context));
    THelpViewer* viewer = THelpViewer::Instance();
    QString error;
    if (!viewer->Open(file, context, error)) {
        if (viewer->CurrentFile.isEmpty())
            viewer->close();
        ShowError(error);
        return;
    }
    // Help is asked for from inside modal dialogs (F1): a window of its own
    // would be blocked by the dialog, so the viewer then becomes a window
    // owned by the dialog, and stays usable beside it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != viewer && viewer->parentWidget() != modal) {
        const QRect where = viewer->geometry();
        const bool wasVisible = viewer->isVisible();
        viewer->setParent(modal, Qt::Window);
        if (wasVisible)
            viewer->setGeometry(where);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    viewer->ScrollToContext(context);
}
