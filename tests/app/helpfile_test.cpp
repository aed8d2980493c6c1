#include "harness.h"

#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

const QString HelpFile = QStringLiteral(QUENDRA_BIN_DIR "/QUEDRIX.HLP");

// Every help context the design gives a dialog, window or command of the tool.
const QList<int> DesignedContexts = {
    1,   70,  80,  90,  100, 105, 120, 141, 145, 150, 151, 160, 170, 180, 200, 205, 230,
    240, 246, 250, 251, 252, 290, 300, 301, 302, 303, 304, 305, 320, 325, 335, 340, 345,
    360, 365, 370, 380, 400, 405, 410, 420, 425, 430, 440, 450, 460, 465, 470, 480, 485,
    500, 510, 520, 530, 540, 545, 546, 547, 550, 560, 570, 580, 590, 615};

QString ReadHelp()
{
    QFile f(HelpFile);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The text of each topic: from its heading to the next topic heading.
QMap<int, QString> Topics(const QString& html)
{
    QMap<int, QString> out;
    static const QRegularExpression heading(QStringLiteral("<h2 id=\"(\\d+)\">"));
    auto it = heading.globalMatch(html);
    QList<QPair<int, qsizetype>> starts;
    while (it.hasNext()) {
        const auto m = it.next();
        starts.append({m.captured(1).toInt(), m.capturedStart()});
    }
    for (int i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].second : html.size();
        QString body = html.mid(starts[i].second, end - starts[i].second);
        body.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        out.insert(starts[i].first, body.simplified());
    }
    return out;
}

// Help context numbers given in the code: SetHelpContext(w, N), ShowHelp(f, N),
// the main window's MakeButton(..., N) and HelpContext = N of dialog options.
QSet<int> ContextsInCode()
{
    QSet<int> out;
    const QList<QRegularExpression> patterns = {
        QRegularExpression(QStringLiteral("SetHelpContext\\s*\\([^;]*?,\\s*(\\d+)\\s*\\)")),
        QRegularExpression(QStringLiteral("ShowHelp\\s*\\([^;]*?,\\s*(\\d+)\\s*\\)")),
        QRegularExpression(QStringLiteral("ShowHelp\\s*\\(\\s*(\\d+)\\s*\\)")),
        QRegularExpression(QStringLiteral("MakeButton\\s*\\([^;]*?,\\s*(\\d+)\\s*\\)")),
        QRegularExpression(QStringLiteral("HelpContext\\s*=\\s*(\\d+)")),
    };
    QDirIterator it(QStringLiteral(QUENDRA_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (const auto& p : patterns) {
            auto m = p.globalMatch(text);
            while (m.hasNext()) {
                const int n = m.next().captured(1).toInt();
                if (n > 0)
                    out.insert(n);
            }
        }
    }
    return out;
}

class HelpFileTest : public QuendraTest {
protected:
    void TearDown() override
    {
        if (THelpViewer* v = THelpViewer::Instance(false))
            v->close();
        PumpEvents();
        QuendraTest::TearDown();
    }
};

TEST_F(HelpFileTest, EveryContextHasATopicAndTheContentsListsThem)
{
    const QString html = ReadHelp();
    ASSERT_FALSE(html.isEmpty()) << "help file not built: " << HelpFile.toStdString();
    const QMap<int, QString> topics = Topics(html);

    for (int n : DesignedContexts) {
        ASSERT_TRUE(topics.contains(n)) << "no topic for designed context " << n;
        // A real explanation, not a heading alone.
        EXPECT_GT(topics[n].size(), 120) << "topic " << n << " is too short";
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(n))) << "contents lacks " << n;
    }
    const QSet<int> used = ContextsInCode();
    EXPECT_TRUE(used.contains(1) && used.contains(80) && used.contains(100)) << "code scan found too little";
    for (int n : used)
        EXPECT_TRUE(topics.contains(n)) << "context " << n << " is used in the code but has no topic";

    EXPECT_TRUE(html.contains(QStringLiteral("id=\"contents\"")));
    // No topic number twice.
    EXPECT_EQ(html.count(QRegularExpression(QStringLiteral("<h2 id=\"\\d+\">"))), topics.size());
}

TEST_F(HelpFileTest, ViewerOpensAtTheContext)
{
    ShowHelp(HelpFile, 100);
    PumpEvents(50);
    THelpViewer* viewer = THelpViewer::Instance(false);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentContext, 100);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")),
              QStringList{HelpFile + QStringLiteral("#100")});

    // The topic's heading is at the top of the page, not the start of the file.
    QTextBrowser* b = viewer->Browser;
    EXPECT_GT(b->verticalScrollBar()->value(), 0);
    const QTextCursor top = b->cursorForPosition(QPoint(4, 4));
    const QString around = top.block().text() + top.block().next().text();
    EXPECT_TRUE(around.contains(QStringLiteral("Add a Question"))) << around.toStdString();

    // Another context of the same file scrolls there; context 1 is further up.
    const int at100 = b->verticalScrollBar()->value();
    ShowHelp(HelpFile, 1);
    PumpEvents(50);
    EXPECT_LT(b->verticalScrollBar()->value(), at100);
    EXPECT_EQ(viewer->CurrentContext, 1);

    // A link to another topic, then Back returns.
    b->setSource(QUrl(QStringLiteral("#440")));
    PumpEvents(20);
    const int at440 = b->verticalScrollBar()->value();
    EXPECT_GT(at440, at100);
    EXPECT_TRUE(b->isBackwardAvailable());
    b->backward();
    PumpEvents(20);
    EXPECT_LT(b->verticalScrollBar()->value(), at440);

    // "Contents" goes to the table of contents at the top.
    QAction* contents = viewer->findChild<QAction*>(QStringLiteral("ContentsAction"));
    ASSERT_NE(contents, nullptr);
    ShowHelp(HelpFile, 345);
    PumpEvents(20);
    contents->trigger();
    PumpEvents(20);
    const QTextCursor atTop = b->cursorForPosition(QPoint(4, 4));
    EXPECT_TRUE(atTop.block().text().contains(QStringLiteral("Contents"))) << atTop.block().text().toStdString();
}

TEST_F(HelpFileTest, MissingFileAndMissingContextGiveMessages)
{
    ExpectMessage(QStringLiteral("Error"));
    ShowHelp(QStringLiteral("/no/such/dir/QUEDRIX.HLP"), 1);
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts()[0].contains(QStringLiteral("cannot be found"))) << MessageTexts()[0].toStdString();
    THelpViewer* viewer = THelpViewer::Instance(false);
    EXPECT_TRUE(!viewer || !viewer->isVisible()) << "blank help window left open";

    ExpectMessage(QStringLiteral("Error"));
    ShowHelp(HelpFile, 9999);
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_TRUE(MessageTexts()[1].contains(QStringLiteral("9999")));
    viewer = THelpViewer::Instance(false);
    EXPECT_TRUE(!viewer || !viewer->isVisible());

    // The test's own help file takes over as the current one, and back.
    TScratchDir dir;
    dir.Write(QStringLiteral("own.hlp"), "<html><body><h2 id=\"7\">Own topic</h2><p>text</p></body></html>");
    SetCurrentHelpFile(dir.File(QStringLiteral("OWN.HLP")));   // found whatever its case
    ShowHelp(7);
    viewer = THelpViewer::Instance(false);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Browser->toPlainText().contains(QStringLiteral("Own topic")));
    SetCurrentHelpFile(QString());
    EXPECT_EQ(CurrentHelpFile(), HelpFilePath);
}

TEST_F(HelpFileTest, FindInPage)
{
    ShowHelp(HelpFile, 1);
    THelpViewer* viewer = THelpViewer::Instance(false);
    ASSERT_NE(viewer, nullptr);
    QTextBrowser* b = viewer->Browser;
    b->setTextCursor(QTextCursor(b->document()));

    ASSERT_TRUE(viewer->FindNext(QStringLiteral("PASS MARK")));   // case ignored
    const int first = b->textCursor().selectionStart();
    EXPECT_EQ(b->textCursor().selectedText().toLower(), QStringLiteral("pass mark"));
    ASSERT_TRUE(viewer->FindNext(QStringLiteral("pass mark")));
    EXPECT_GT(b->textCursor().selectionStart(), first);            // the next one, not the same

    const int kept = b->textCursor().selectionStart();
    EXPECT_FALSE(viewer->FindNext(QStringLiteral("no such words anywhere")));
    EXPECT_EQ(b->textCursor().selectionStart(), kept);

    // Wraps round to the top after the last occurrence.
    int guard = 0;
    int last = b->textCursor().selectionStart();
    while (viewer->FindNext(QStringLiteral("pass mark")) && b->textCursor().selectionStart() > last && guard++ < 50)
        last = b->textCursor().selectionStart();
    EXPECT_LE(b->textCursor().selectionStart(), first);
    EXPECT_NE(viewer->FindEdit, nullptr);
}

} // namespace

namespace {

// Closing the last program window ends the program even while the help
// viewer is open: the viewer never keeps the process alive on its own.
TEST_F(HelpFileTest, ClosingTheLastWindowQuitsWithTheViewerOpen)
{
    // Only the window of this test counts as a program window.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QMainWindow main;
    main.setAttribute(Qt::WA_QuitOnClose, true);
    main.show();
    ShowHelp(HelpFile, 100);
    PumpEvents(20);
    QPointer<THelpViewer> viewer = THelpViewer::Instance(false);
    ASSERT_TRUE(viewer);
    ASSERT_TRUE(viewer->isVisible());

    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(true);
    bool watchdog = false;
    QTimer::singleShot(20, &main, [&] { main.close(); });
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [&] {
        watchdog = true;
        QApplication::quit();
    });
    stop.start(5000);
    QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
    EXPECT_FALSE(watchdog) << "the program kept running after its last window closed";
    PumpEvents(20);
    EXPECT_TRUE(!viewer || !viewer->isVisible());
}

} // namespace
