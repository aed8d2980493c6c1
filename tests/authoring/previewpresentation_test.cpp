// Pre-View with the program presentation: the opening command, the about box
// at the start and the end, the closing command, the test's icon and title,
// all through the real windows of a test run.
#include "authoringtest.h"

#include "authoring/questionlist.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "runtime/aboutbox.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/showmultform.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

class PreviewPresentationTest : public AuthoringTest {};

TEST_F(PreviewPresentationTest, ThePreViewPlaysTheProgramPresentationInOrder)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x80));
    QByteArray ico;
    {
        QBuffer b(&ico);
        b.open(QIODevice::WriteOnly);
        picture.save(&b, "ICO");
    }
    picture.save(Dir.File(QStringLiteral("start.bmp")), "BMP");
    Dir.Write(QStringLiteral("maths.ico"), ico);
    SetConfigDefaults();
    TestConfig.Program.ProgramTitle = QStringLiteral("Fractions");
    TestConfig.Program.UseIcon = true;
    TestConfig.Program.IconFile = QStringLiteral("maths.ico");
    TPresentation& p = TestConfig.Presentation;
    p.OpeningEnabled = true;
    p.Opening.CommandType = 2;
    p.Opening.Graphic = QStringLiteral("start.bmp");
    p.Opening.CommandValue = QStringLiteral("start.bmp,0");
    p.ClosingEnabled = true;
    p.Closing.CommandType = 10;
    p.Closing.ProgramText = QStringLiteral("done.htm");
    p.Closing.CommandValue = QStringLiteral("done.htm");
    p.AboutEnabled = true;
    p.About.ShowWhen = 2;
    p.About.Caption = QStringLiteral("About Fractions");
    TestConfig.ShowResultsGraph = false;
    SaveConfig();
    SetQuestions(RecordBytes({"A", 3, 1}));
    SetEntries(QuestEntryBytes("A", {"{\\rtf1 Half of four?\\par", "}"}));

    QStringList order;
    OnModal(QStringLiteral("TShowMultForm"), [&](QDialog& d) {
        order << QStringLiteral("picture:") + d.windowTitle();
        EXPECT_FALSE(static_cast<TShowMultForm&>(d).Image1->pixmap().isNull());
        EXPECT_FALSE(d.windowIcon().isNull());
        d.accept();
    });
    auto about = [&](QDialog& d) {
        order << QStringLiteral("about:") + d.windowTitle();
        static_cast<TAboutBox&>(d).OKButton->click();
    };
    OnModal(QStringLiteral("TAboutBox"), about);
    OnModal(QStringLiteral("TTQtextDisplayForm"), [&](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        order << QStringLiteral("question:") + f.windowTitle();
        // The test's icon on the question screen.
        const QImage shown = f.windowIcon().pixmap(32, 32).toImage();
        EXPECT_EQ(QColor(shown.pixel(16, 16)), QColor(0x20, 0x40, 0x80));
        f.Button1->click();
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TAboutBox"), about);
    const QIcon toolIcon = QGuiApplication::windowIcon();
    PreviewTest();
    EXPECT_EQ(order, QStringList({"picture:Fractions", "about:About Fractions", "question:Fractions",
                                  "about:About Fractions"}));
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")), QStringList({Dir.File(QStringLiteral("done.htm"))}));
    EXPECT_EQ(QGuiApplication::windowIcon().cacheKey(), toolIcon.cacheKey());
}

} // namespace

#include "model/entryfile.h"
#include "presentation/progconfigform.h"
#include "presentation/programconfig.h"

#include <QCheckBox>
#include <cstring>

namespace {

TEST_F(PreviewPresentationTest, AnEntryFileThatCannotBeWrittenKeepsTheConfigurationOpen)
{
    SetConfigDefaults();
    TestConfig.Presentation.IntroEnabled = true;
    AppendIntroEntry(EntryPath, {QStringLiteral("{\\rtf1 Welcome\\par"), QStringLiteral("}")});
    const QByteArray entries = Entries();
    const TTestConfig kept = TestConfig;
    TImmutableFile lock(Dir.File(QStringLiteral("MATHS.QXR")));
    if (!lock.Active())
        GTEST_SKIP() << "this file system cannot make a file immutable";
    ExpectMessage(QStringLiteral("Error"));
    bool stayed = false;
    OnModal(QStringLiteral("TProgConfigForm"), [&](QDialog& d) {
        auto& f = static_cast<TProgConfigForm&>(d);
        ASSERT_TRUE(f.IntroChkBx->isChecked());
        f.IntroChkBx->click();   // the introduction entry is to be deleted
        f.BitBtn1->click();
        stayed = f.isVisible();
        f.BitBtn2->click();
    });
    EXPECT_FALSE(ProgramConfigDialog(TestConfig.Presentation, TestConfig.Program, EntryPath));
    EXPECT_TRUE(stayed);
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(MessageTexts().first().contains(QStringLiteral("MATHS.QXR"))) << MessageTexts().first().toStdString();
    EXPECT_EQ(Entries(), entries);
    EXPECT_EQ(std::memcmp(&kept, &TestConfig, sizeof kept), 0);
}

} // namespace
