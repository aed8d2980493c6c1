// The test script itself (an unscripted window fails the test instead of
// hanging), the message boxes, the help viewer and F1 routing.
#include "harness.h"

#include <gtest/gtest-spi.h>

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/testscript.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

class TProbeForm : public QDialog {
    Q_OBJECT
public:
    explicit TProbeForm(QWidget* parent = nullptr) : QDialog(parent)
    {
        auto* l = new QVBoxLayout(this);
        Edit1 = new QLineEdit(this);
        Edit1->setObjectName(QStringLiteral("Edit1"));
        OKBtn = new QPushButton(QStringLiteral("OK"), this);
        OKBtn->setObjectName(QStringLiteral("OKBtn"));
        l->addWidget(Edit1);
        l->addWidget(OKBtn);
        connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    }
    QLineEdit* Edit1;
    QPushButton* OKBtn;
};

namespace {

class HarnessTest : public QuendraTest {
protected:
    // Replaces the fixture's failure hook by one that records what it is told.
    void CaptureFailures()
    {
        TestScript::Activate([this](const QString& what) { Failures << what; });
    }
    QStringList Failures;
};

TEST_F(HarnessTest, UnscriptedModalFormFailsAtOnceWithItsClassName)
{
    CaptureFailures();
    TProbeForm form;
    EXPECT_EQ(ShowModal(form), int(QDialog::Rejected));
    ASSERT_EQ(Failures.size(), 1);
    EXPECT_TRUE(Failures.first().contains(QStringLiteral("TProbeForm"))) << Failures.first().toStdString();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(HarnessTest, ScriptedHandlersRunInsideTheModalLoopInOrder)
{
    QStringList seen;
    OnModal(QStringLiteral("TProbeForm"), [&](QDialog& d) {
        auto& f = static_cast<TProbeForm&>(d);
        seen << QStringLiteral("first:%1").arg(f.isVisible());
        f.Edit1->setText(QStringLiteral("typed"));
        f.OKBtn->click();
    });
    OnModal(QStringLiteral("TProbeForm"), [&](QDialog& d) {
        seen << QStringLiteral("second");
        d.done(42);
    });
    TProbeForm a, b;
    EXPECT_EQ(ShowModal(a), int(QDialog::Accepted));
    EXPECT_EQ(a.Edit1->text(), QStringLiteral("typed"));
    EXPECT_EQ(ShowModal(b), 42);
    EXPECT_EQ(seen, QStringList({"first:1", "second"}));
    EXPECT_TRUE(TestScript::Unconsumed().isEmpty());
}

TEST_F(HarnessTest, HandlerThatLeavesTheFormOpenIsRejectedAndReported)
{
    CaptureFailures();
    OnModal(QStringLiteral("TProbeForm"), [](QDialog& d) { static_cast<TProbeForm&>(d).Edit1->setText(QStringLiteral("x")); });
    TProbeForm form;
    EXPECT_EQ(ShowModal(form), int(QDialog::Rejected));
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(Failures.size(), 1);
    EXPECT_TRUE(Failures.first().contains(QStringLiteral("TProbeForm")));
    EXPECT_TRUE(Failures.first().contains(QStringLiteral("left open")));
}

// A form opened with a bare exec() never hangs a test: the harness's watch
// reports and closes it. (The expected failure is checked and then removed.)
TEST_F(HarnessTest, ModalWindowOutsideTheScriptIsClosedAndReported)
{
    TProbeForm form;
    form.setWindowTitle(QStringLiteral("Stray"));
    int result = -1;
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        result = form.exec();
    }
    EXPECT_EQ(result, int(QDialog::Rejected));
    ASSERT_EQ(failures.size(), 1);
    const std::string message = failures.GetTestPartResult(0).message();
    EXPECT_NE(message.find("TProbeForm"), std::string::npos) << message;
    EXPECT_NE(message.find("Stray"), std::string::npos) << message;
}

TEST_F(HarnessTest, MessageBoxesTakeScriptedAnswers)
{
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Confirm"), 0);
    ExpectMessage(QStringLiteral("YesNoCancel"), mrNo);
    ExpectMessage(QStringLiteral("Information"));
    ExpectMessage(QStringLiteral("Information"));
    EXPECT_TRUE(Confirm(QStringLiteral("Delete it?")));
    EXPECT_FALSE(Confirm(QStringLiteral("Really?")));
    EXPECT_EQ(YesNoCancel(QStringLiteral("Save changes?")), int(mrNo));
    ShowColourWarning();
    ShowInfo(QStringLiteral("Compile Test: done."));
    const QStringList texts = MessageTexts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts[3], QString::fromLatin1(ColourWarningText));
    EXPECT_TRUE(texts[3].startsWith(QStringLiteral("Your video Display mode is set at 256 colors.\n\r\n\r")));
    EXPECT_TRUE(texts[3].endsWith(QStringLiteral("change the video Display mode")));
    EXPECT_EQ(texts[4], QStringLiteral("Compile Test: done."));
}

TEST_F(HarnessTest, UnscriptedOrMismatchedMessagesAreReportedWithTheirText)
{
    CaptureFailures();
    ShowError(QStringLiteral("Disk on fire"));
    ASSERT_EQ(Failures.size(), 1);
    EXPECT_TRUE(Failures[0].contains(QStringLiteral("Error")));
    EXPECT_TRUE(Failures[0].contains(QStringLiteral("Disk on fire")));
    // Unscripted questions answer "no" / "cancel", the safe way.
    EXPECT_FALSE(Confirm(QStringLiteral("Overwrite?")));
    EXPECT_EQ(YesNoCancel(QStringLiteral("Save?")), int(mrCancel));
    // The wrong kind: reported, and the queued answer stays for its box.
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ShowInfo(QStringLiteral("Done"));
    EXPECT_EQ(Failures.size(), 4);
    EXPECT_TRUE(Failures[3].contains(QStringLiteral("next scripted: Confirm")));
    EXPECT_EQ(TestScript::Unconsumed(), QStringList({"message box Confirm"}));
    EXPECT_TRUE(Confirm(QStringLiteral("Overwrite?")));
}

TEST_F(HarnessTest, CommonDialogsTakeScriptedAnswers)
{
    TScratchDir dir;
    TFileDialogOptions o;
    o.DefaultExt = QStringLiteral("QXJ");
    QString name;
    TestScript::Answer(QStringLiteral("open"), dir.File(QStringLiteral("A.QXJ")));
    TestScript::Answer(QStringLiteral("open"), QVariant());
    TestScript::Answer(QStringLiteral("save"), dir.File(QStringLiteral("NEW")));
    TestScript::Answer(QStringLiteral("save"), dir.File(QStringLiteral("NEW.TXT")));
    EXPECT_TRUE(ExecuteOpenDialog(o, name));
    EXPECT_EQ(name, dir.File(QStringLiteral("A.QXJ")));
    EXPECT_FALSE(ExecuteOpenDialog(o, name));                        // cancelled
    EXPECT_TRUE(ExecuteSaveDialog(o, name));
    EXPECT_EQ(name, dir.File(QStringLiteral("NEW.QXJ")));            // default extension added
    EXPECT_TRUE(ExecuteSaveDialog(o, name));
    EXPECT_EQ(name, dir.File(QStringLiteral("NEW.TXT")));

    CaptureFailures();
    EXPECT_FALSE(ExecuteOpenDialog(o, name));
    ASSERT_EQ(Failures.size(), 1);
    EXPECT_TRUE(Failures[0].contains(QStringLiteral("open")));

    EXPECT_EQ(QtNameFilters(QStringLiteral("Test Project Files|*.QXJ")),
              QStringList({"Test Project Files (*.QXJ)"}));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures|*.BMP;*.JPG|All|*.*")),
              QStringList({"Pictures (*.BMP *.JPG)", "All (*)"}));
}

TEST_F(HarnessTest, OpenDocumentResolvesFilesAndKeepsAddresses)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("page.htm"), "<html/>");
    OpenDocument(dir.File(QStringLiteral("PAGE.HTM")));
    OpenDocument(QStringLiteral("https://example.org/a b"));
    OpenDocument(QStringLiteral("mailto:someone@example.org"));
    OpenDocument(QString());
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")),
              QStringList({dir.File(QStringLiteral("page.htm")), "https://example.org/a b",
                           "mailto:someone@example.org"}));
}

QByteArray HelpHtml()
{
    QByteArray html = "<html><body><h1 id=\"1\">Contents</h1>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Filler paragraph so that the later topics are far down.</p>";
    html += "<h2 id=\"42\">Topic forty-two</h2><p>Text.</p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>More filler.</p>";
    html += "<h2><a name=\"7\"></a>Topic seven</h2></body></html>";
    return html;
}

TEST_F(HarnessTest, HelpViewerOpensAtTheContext)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("HELP.HTM"), HelpHtml());
    ShowHelp(dir.File(QStringLiteral("help.htm")), 42);                // found ignoring case
    THelpViewer* viewer = THelpViewer::Instance(false);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentFile, dir.File(QStringLiteral("HELP.HTM")));
    EXPECT_TRUE(viewer->Browser->toPlainText().contains(QStringLiteral("Topic forty-two")));
    PumpEvents(10);
    const int at42 = viewer->Browser->verticalScrollBar()->value();
    EXPECT_GT(at42, 0);
    ShowHelp(dir.File(QStringLiteral("HELP.HTM")), 7);                 // an <a name> anchor
    PumpEvents(10);
    EXPECT_GT(viewer->Browser->verticalScrollBar()->value(), at42);
    ShowHelp(dir.File(QStringLiteral("HELP.HTM")), 1);
    PumpEvents(10);
    EXPECT_LT(viewer->Browser->verticalScrollBar()->value(), at42 / 10);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")).size(), 3);

    // A missing file and a missing context give a clear message.
    ExpectMessage(QStringLiteral("Error"));
    ExpectMessage(QStringLiteral("Error"));
    ShowHelp(dir.File(QStringLiteral("NONE.HLP")), 1);
    ShowHelp(dir.File(QStringLiteral("HELP.HTM")), 999);
    const QStringList texts = MessageTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("NONE.HLP"))) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].contains(QStringLiteral("cannot be found")));
    EXPECT_TRUE(texts[1].contains(QStringLiteral("999"))) << texts[1].toStdString();
    viewer->close();
}

TEST_F(HarnessTest, F1OpensTheHelpContextOfTheFocusedWidget)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("HELP.HTM"), HelpHtml());
    SetCurrentHelpFile(dir.File(QStringLiteral("HELP.HTM")));
    QDialog form;
    SetHelpContext(&form, 7);
    auto* withOwn = new QPushButton(QStringLiteral("A"), &form);
    SetHelpContext(withOwn, 42);
    auto* plain = new QLineEdit(&form);
    auto press = [](QWidget* w) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
        return down.isAccepted();
    };
    press(withOwn);
    press(plain);                                                    // the dialog's context
    QWidget loose;
    press(&loose);                                                   // no context: nothing opens
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_F1, Qt::ShiftModifier);
    QApplication::sendEvent(withOwn, &shifted);
    const QString file = dir.File(QStringLiteral("HELP.HTM"));
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")), QStringList({file + "#42", file + "#7"}));
    if (THelpViewer* v = THelpViewer::Instance(false))
        v->close();
}

TEST_F(HarnessTest, HelpFromInsideAModalDialogStaysUsable)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("HELP.HTM"), HelpHtml());
    SetCurrentHelpFile(dir.File(QStringLiteral("HELP.HTM")));
    bool blocked = true;
    OnModal(QStringLiteral("TProbeForm"), [&](QDialog& d) {
        SetHelpContext(&d, 42);
        ShowHelp(42);
        THelpViewer* v = THelpViewer::Instance(false);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(v->isVisible());
        // A window outside the modal dialog's family would not get input.
        blocked = QApplication::activeModalWidget() == &d && !v->isAncestorOf(&d) && v->parentWidget() != &d;
        d.accept();
    });
    TProbeForm form;
    EXPECT_EQ(ShowModal(form), int(QDialog::Accepted));
    EXPECT_FALSE(blocked);
    if (THelpViewer* v = THelpViewer::Instance(false))
        v->close();
}

TEST_F(HarnessTest, FontDescriptionsConvertToAndFromQFont)
{
    TFontDesc d;
    FontFromText(QStringLiteral("14 255 7 DejaVu Sans"), d);
    const QFont f = FontDescToQFont(d);
    EXPECT_EQ(f.pointSize(), 14);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_FALSE(f.strikeOut());
    EXPECT_EQ(f.family(), QStringLiteral("DejaVu Sans"));
    const TFontDesc back = QFontToFontDesc(f, d.Color);
    EXPECT_EQ(back, d);
    EXPECT_EQ(FontToText(back), QStringLiteral("14 255 7 DejaVu Sans"));
    // Colours are 0x00BBGGRR.
    EXPECT_EQ(ColourToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColourToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(QColorToColour(QColor(0x12, 0x34, 0x56)), 0x563412u);
    // The screen depth can be injected, and falls back to the real screen's.
    SetScreenDepthOverride(8);
    EXPECT_EQ(ScreenDepth(), 8);
    SetScreenDepthOverride(0);
    EXPECT_GE(ScreenDepth(), 16);
}

} // namespace

#include "harness_test.moc"
