#include "harness.h"

#include "app/tutorialform.h"
#include "model/testconfig.h"
#include "platform/finddialog.h"
#include "platform/richedit.h"
#include "platform/testscript.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

namespace {

class TutorialTest : public QuendraTest {};

const QString BuiltTutorial = QStringLiteral(QUENDRA_BIN_DIR "/QUEDRIX.RTF");

// Two paragraphs, the first longer than 30 characters.
const QString SmallText = QStringLiteral("Alpha beta gamma, delta epsilon zeta.\nBETA again, and Beta once more.");
const QByteArray SmallDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
    "\\f0\\fs20 Alpha {\\b beta} gamma, delta epsilon zeta.\\par\r\n"
    "BETA again, and Beta once more.\\par\r\n}\r\n";

QString PdfText(const QString& pdf)
{
    const QString cmd = QStringLiteral("pdftotext -q '%1' -").arg(pdf);
    FILE* p = popen(cmd.toLocal8Bit().constData(), "r");
    if (!p)
        return {};
    QByteArray out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, qsizetype(n));
    pclose(p);
    return QString::fromUtf8(out);
}

TEST_F(TutorialTest, MissingTutorialGivesTheDesignedMessage)
{
    TScratchDir dir;
    ProgramDir = dir.Path();
    ExpectMessage(QStringLiteral("Error"));
    ShowTutorial();
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_EQ(MessageTexts()[0], QStringLiteral(" The tutorial file ") + dir.Path() + QStringLiteral("QUEDRIX.RTF is missing."));
}

TEST_F(TutorialTest, TutorialOpensReadOnlyWithItsPathAsCaption)
{
    ASSERT_TRUE(QFile::exists(BuiltTutorial));
    ProgramDir = QStringLiteral(QUENDRA_BIN_DIR "/");
    bool shown = false;
    OnModal(QStringLiteral("TTutorialForm"), [&](QDialog& d) {
        auto& f = static_cast<TTutorialForm&>(d);
        shown = true;
        EXPECT_EQ(f.windowTitle(), ProgramDir + QStringLiteral("QUEDRIX.RTF"));
        EXPECT_TRUE(f.RichEdit1->isReadOnly());
        EXPECT_TRUE(f.RichEdit1->Text().startsWith(QStringLiteral("Quendra Tutorial")));
        for (const char* word : {"Lesson 1", "hyperlink", "pass mark", "score groups", "Prepare Distribution",
                                 "Analyze Test Results", "Create Executable", "Pre-View Test"})
            EXPECT_TRUE(f.RichEdit1->Text().contains(QString::fromLatin1(word))) << word;
        EXPECT_EQ(f.MQuit->text(), QStringLiteral("&Quit"));
        EXPECT_EQ(f.MFind->text(), QStringLiteral("&Find"));
        EXPECT_EQ(f.MPrintPrint->text(), QStringLiteral("&Print"));
        EXPECT_EQ(f.MPrintSetup->text(), QStringLiteral("Printer &Setup"));
        f.MQuit->trigger();
    });
    ShowTutorial();
    EXPECT_TRUE(shown);
}

TEST_F(TutorialTest, FindRules)
{
    TScratchDir dir;
    dir.Write(QStringLiteral("small.rtf"), SmallDocument);
    TTutorialForm f;
    f.LoadDocument(dir.File(QStringLiteral("small.rtf")));
    TRichEdit* r = f.RichEdit1;
    ASSERT_EQ(r->Text(), SmallText);
    const int beta1 = int(SmallText.indexOf(QStringLiteral("beta")));
    const int beta2 = int(SmallText.indexOf(QStringLiteral("BETA")));
    const int beta3 = int(SmallText.indexOf(QStringLiteral("Beta")));
    const int gamma = int(SmallText.indexOf(QStringLiteral("gamma")));

    // A selection of 29 characters becomes the search text, one of 30 does not.
    r->Select(0, 29);
    f.MFindClick();
    EXPECT_EQ(f.FindDialog1->FindText(), r->Text().left(29));
    f.FindDialog1->SetFindText(QStringLiteral("kept"));
    r->Select(0, 30);
    f.MFindClick();
    EXPECT_EQ(f.FindDialog1->FindText(), QStringLiteral("kept"));
    r->Select(3, 0);
    f.MFindClick();
    EXPECT_EQ(f.FindDialog1->FindText(), QStringLiteral("kept"));
    r->Select(beta1, 4);
    f.MFindClick();
    EXPECT_EQ(f.FindDialog1->FindText(), QStringLiteral("beta"));
    f.FindDialog1->hide();

    // Repeated finds move on, ignoring case; after the last one the last
    // match stays selected.
    r->SetSelStart(0);
    ASSERT_TRUE(f.FindDialog1Find(QStringLiteral("beta")));
    EXPECT_EQ(r->SelStart(), beta1);
    EXPECT_EQ(r->SelLength(), 4);
    ASSERT_TRUE(f.FindDialog1Find(QStringLiteral("beta")));
    EXPECT_EQ(r->SelStart(), beta2);
    EXPECT_EQ(r->SelText(), QStringLiteral("BETA"));
    ASSERT_TRUE(f.FindDialog1Find(QStringLiteral("beta")));
    EXPECT_EQ(r->SelStart(), beta3);
    EXPECT_EQ(r->SelText(), QStringLiteral("Beta"));
    EXPECT_FALSE(f.FindDialog1Find(QStringLiteral("beta")));
    EXPECT_EQ(r->SelStart(), beta3);
    EXPECT_EQ(r->SelLength(), 4);

    // Through the dialog's own button.
    r->SetSelStart(0);
    f.FindDialog1->SetFindText(QStringLiteral("GAMMA"));
    f.FindDialog1->FindNextBtn->click();
    EXPECT_EQ(r->SelStart(), gamma);
    EXPECT_EQ(r->SelText(), QStringLiteral("gamma"));
}

TEST_F(TutorialTest, PrintsTheTutorialToPdf)
{
    TScratchDir dir;
    const QString pdf = dir.File(QStringLiteral("tutorial.pdf"));
    OnModal(QStringLiteral("TTutorialForm"), [&](QDialog& d) {
        auto& f = static_cast<TTutorialForm&>(d);
        // Cancelled set-up and print do nothing.
        TestScript::Answer(QStringLiteral("printsetup"), QVariant());
        f.MPrintSetup->trigger();
        TestScript::Answer(QStringLiteral("print"), QVariant());
        f.MPrintPrint->trigger();
        EXPECT_FALSE(QFile::exists(pdf));
        TestScript::Answer(QStringLiteral("printsetup"), QVariant(true));
        f.MPrintSetup->trigger();
        TestScript::Answer(QStringLiteral("print"), QVariant(pdf));
        f.MPrintPrint->trigger();
        f.MQuit->trigger();
    });
    ShowDocument(BuiltTutorial);
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Quendra Tutorial"))) << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Lesson 9")));
}

} // namespace
