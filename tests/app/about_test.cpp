#include "harness.h"

#include "app/aboutbox.h"
#include "app/quizaboutform.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "runtime/aboutbox.h"

#include <QBuffer>
#include <QFrame>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cstring>

namespace {

class AboutTest : public QuendraTest {};

TAboutSpec ZeroSpec()
{
    TAboutSpec a;
    std::memset(&a, 0, sizeof a);
    return a;
}

TEST_F(AboutTest, ToolsOwnAboutBoxShowsTheDesignedTexts)
{
    bool sawBox = false;
    OnModal(QStringLiteral("TQuizaboutform"), [](QDialog& d) {
        auto& form = static_cast<TQuizaboutform&>(d);
        EXPECT_EQ(HelpContextOf(&form), 80);
        EXPECT_EQ(form.AboutBtn->text(), QStringLiteral("&About Quendra"));
        EXPECT_EQ(form.CloseBtn->text(), QStringLiteral("&Close"));
        EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0x00, 0x80, 0x80));
        form.AboutBtn->click();
        form.CloseBtn->click();
    });
    OnModal(QStringLiteral("TAboutBox"), [&](QDialog& d) {
        auto& box = static_cast<TAboutBox&>(d);
        sawBox = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Quendra"));
        EXPECT_EQ(box.ProductName->text(), QStringLiteral("    Quendra Ver 2.5"));
        EXPECT_EQ(box.Version->text(), QStringLiteral(" for Windows 98 and Windows 95"));
        EXPECT_EQ(box.AuthorLbl->text(), QStringLiteral("The Quendra developers"));
        EXPECT_EQ(box.Comms->text(),
                  QStringLiteral("Quendra creates multi-media multiple-choice Tests. "
                                 "It was released in June 2000. If it is more than a "
                                 "year old, check our Web Site for a later version. You  "
                                 "can also find free Educational Programs there. "));
        // The built-in picture, not a project file; the lines sit beside it.
        EXPECT_FALSE(box.ProgramIcon->isHidden());
        ASSERT_FALSE(box.ProgramIcon->pixmap().isNull());
        EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(64, 64));
        EXPECT_GT(box.ProductName->x(), box.ProgramIcon->geometry().right());
        EXPECT_EQ(box.OKButton->text(), QStringLiteral("OK"));
        box.OKButton->click();
    });
    ShowAboutBox();
    EXPECT_TRUE(sawBox);

    // The record behind it: all zero apart from the texts, shown at start.
    const TAboutSpec tool = ToolAboutSpec();
    EXPECT_EQ(int(tool.ShowWhen), 0);
    EXPECT_FALSE(tool.UseIcon);
    EXPECT_TRUE(tool.IconFile.IsEmpty());
}

TEST_F(AboutTest, CommentsJoinWithSpacesAndEmptyLinesBreakParagraphs)
{
    TAboutSpec a = ZeroSpec();
    a.Comment[0] = QStringLiteral("A");
    a.Comment[2] = QStringLiteral("B");
    EXPECT_EQ(AboutCommentText(a), QStringLiteral("A \r\n\r\nB \r\n\r\n"));
    EXPECT_EQ(AboutCommentText(ZeroSpec()), QStringLiteral("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));

    TAboutBox box;
    ASSERT_TRUE(box.Prepare(a, AboutModeAuthor));
    EXPECT_EQ(box.Comms->text(), QStringLiteral("A \n\nB \n\n"));
}

TEST_F(AboutTest, AuthorModeIconRules)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("MATHS"));

    // A missing icon: only the message, no box.
    TAboutSpec a = ZeroSpec();
    a.UseIcon = true;
    a.IconFile = QStringLiteral("LOGO.ICO");
    a.Caption = QStringLiteral("About Maths");
    ExpectMessage(QStringLiteral("Error"));
    ShowAbout(a, AboutModeAuthor);
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_EQ(MessageTexts().first(), QStringLiteral("The Icon file LOGO.ICO is missing"));

    // The icon present (in lower case on disk): shown, lines beside it.
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    dir.Write(QStringLiteral("logo.ico"), png);
    {
        TAboutBox box;
        ASSERT_TRUE(box.Prepare(a, AboutModeAuthor));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About Maths"));
        EXPECT_FALSE(box.ProgramIcon->isHidden());
        EXPECT_GT(box.ProductName->x(), 8);
    }

    // No icon: the picture is hidden and the three lines take the width.
    a.UseIcon = false;
    a.ProgramName = QStringLiteral("Maths Quiz");
    a.VersionText = QStringLiteral("Version 1");
    a.AuthorText = QStringLiteral("Ms Smith");
    TAboutBox box;
    ASSERT_TRUE(box.Prepare(a, AboutModeAuthor));
    EXPECT_TRUE(box.ProgramIcon->isHidden());
    for (QLabel* l : {box.ProductName, box.Version, box.AuthorLbl}) {
        EXPECT_EQ(l->x(), 8);
        EXPECT_EQ(l->width(), box.Panel1->width() - 16);
    }
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("Maths Quiz"));
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version 1"));
    EXPECT_EQ(box.AuthorLbl->text(), QStringLiteral("Ms Smith"));

    // The tool's own mode never looks at the icon file.
    a.UseIcon = true;
    a.IconFile = QStringLiteral("NOWHERE.ICO");
    TAboutBox tool;
    EXPECT_TRUE(tool.Prepare(a, AboutModeTool));
    EXPECT_FALSE(tool.ProgramIcon->isHidden());
}

TEST_F(AboutTest, F1OpensTheAboutTopic)
{
    HelpFilePath = QStringLiteral(QUENDRA_BIN_DIR "/QUEDRIX.HLP");
    TQuizaboutform form;
    form.show();
    form.AboutBtn->setFocus();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(form.AboutBtn, &f1);
    EXPECT_EQ(TestScript::Logged(QStringLiteral("help")), QStringList{HelpFilePath + QStringLiteral("#80")});
    if (THelpViewer* v = THelpViewer::Instance(false)) {
        EXPECT_EQ(v->CurrentContext, 80);
        v->close();
    }
    PumpEvents();
}

} // namespace
