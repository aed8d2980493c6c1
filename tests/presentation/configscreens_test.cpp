// Screenshots of the program configuration dialogs and of a test's about
// box, for a person to look at. Runs only when QUENDRA_SCREENSHOTS names a
// folder, on a real display (e.g. Xvfb).
#include "harness.h"

#include "model/testconfig.h"
#include "platform/testscript.h"
#include "presentation/commandtypeform.h"
#include "presentation/designaboutform.h"
#include "presentation/helpfileform.h"
#include "presentation/progconfigform.h"
#include "presentation/programconfig.h"
#include "runtime/aboutbox.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <cstring>

namespace {

class ConfigScreensTest : public QuendraTest {};

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

TEST_F(ConfigScreensTest, ConfigurationDialogsAndAboutBox)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("MATHS"));
    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0, 0x80, 0x80));
        p.drawEllipse(2, 2, 44, 44);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
        p.drawText(icon.rect(), Qt::AlignCenter, QStringLiteral("M"));
    }
    icon.save(dir.File(QStringLiteral("maths.ico")), "ICO");
    dir.Write(QStringLiteral("help.htm"), "<p id=\"1\">Help</p>");
    SetConfigDefaults();
    TestConfig.Program.ProgramTitle = QStringLiteral("Fractions and Decimals");
    TestConfig.Program.UseIcon = true;
    TestConfig.Program.IconFile = QStringLiteral("maths.ico");
    TestConfig.Program.UseHelpFile = true;
    TestConfig.Program.HelpFile = QStringLiteral("help.htm");
    TestConfig.Program.HelpContext = 1;
    TPresentation& p = TestConfig.Presentation;
    p.OpeningEnabled = true;
    p.Opening.CommandType = 2;
    p.Opening.CommandValue = QStringLiteral("start.jpg,30");
    p.AboutEnabled = true;
    p.About.Caption = QStringLiteral("About Fractions");
    p.About.UseIcon = true;
    p.About.IconFile = QStringLiteral("maths.ico");
    p.About.ProgramName = QStringLiteral("Fractions and Decimals");
    p.About.VersionText = QStringLiteral("Version 1.2, spring term");
    p.About.AuthorText = QStringLiteral("Ms A. Smith, Year 7 Maths");
    p.About.Comment[0] = QStringLiteral("Twenty questions on fractions, decimals and percentages.");
    p.About.Comment[2] = QStringLiteral("Ask your teacher if a question is unclear.");

    OnModal(QStringLiteral("TProgConfigForm"), [](QDialog& d) {
        auto& f = static_cast<TProgConfigForm&>(d);
        f.move(40, 40);
        Shoot(QStringLiteral("progconfig"));
        TestScript::OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& c) {
            c.move(80, 80);
            Shoot(QStringLiteral("commandtype"));
            // The keyboard alone: Alt+D presses the one enabled "Define".
            if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
                c.reject();
                return;
            }
            bool defined = false;
            TestScript::OnModal(QStringLiteral("TGetGraphicForm"), [&](QDialog& g) {
                defined = true;
                Shoot(QStringLiteral("getgraphic"));
                g.reject();
            });
            c.activateWindow();
            PumpEvents(300);
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+d")});
            for (int i = 0; i < 100 && !defined; ++i)
                PumpEvents(20);
            EXPECT_TRUE(defined);
            c.reject();
        });
        f.OpenBtn->click();
        TestScript::OnModal(QStringLiteral("THelpfileForm"), [](QDialog& h) {
            h.move(80, 80);
            Shoot(QStringLiteral("helpfile"));
            h.reject();
        });
        f.HelpBtn->click();
        TestScript::OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& a) {
            a.move(60, 60);
            Shoot(QStringLiteral("designabout"));
            TestScript::OnModal(QStringLiteral("TAboutBox"), [](QDialog& b) {
                Shoot(QStringLiteral("aboutview"));
                b.accept();
            });
            static_cast<TDesignAboutForm&>(a).ViewBtn->click();
            a.reject();
        });
        f.AboutBtn->click();
        f.reject();
    });
    ProgramConfigDialog(TestConfig.Presentation, TestConfig.Program, EntryPath);

    // The about display without an icon.
    p.About.UseIcon = false;
    OnModal(QStringLiteral("TAboutBox"), [](QDialog& b) {
        Shoot(QStringLiteral("aboutnoicon"));
        b.accept();
    });
    ShowAbout(p.About, AboutModeAuthor);
}

} // namespace
