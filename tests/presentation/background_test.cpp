// The background design dialogs, the preview, and the display record's
// bytes.
#include "harness.h"
#include "../model/bytes.h"

#include "model/fileutil.h"
#include "platform/testscript.h"
#include "presentation/cfgdesignbackform.h"
#include "presentation/intdesignbackform.h"
#include "presentation/tbackform.h"
#include "presentation/vpdesignbackform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QApplication>
#include <QKeyEvent>
#include "platform/help.h"
#include "platform/wiatile.h"
#include <cstring>

namespace {

class BackgroundTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
    }
    TScratchDir Dir;
    TScratchDir Outside;
};

QByteArray Bmp()
{
    // A 1 x 1 24-bit bitmap, written by hand.
    QByteArray b("BM");
    b += TestBytes::Le32(58) + TestBytes::Le32(0) + TestBytes::Le32(54);
    b += TestBytes::Le32(40) + TestBytes::Le32(1) + TestBytes::Le32(1) + TestBytes::Le16(1) + TestBytes::Le16(24);
    b += TestBytes::Le32(0) + TestBytes::Le32(4) + TestBytes::Le32(2835) + TestBytes::Le32(2835);
    b += TestBytes::Le32(0) + TestBytes::Le32(0);
    b += QByteArray("\x00\x00\xFF\x00", 4);
    return b;
}

TEST_F(BackgroundTest, EntryDisplayFieldsLieAtTheirOffsets)
{
    TEntryDisplay d;
    std::memset(&d, 0xEE, sizeof d);
    d.VPBack = 0x00112233u;
    d.FullScreen = true;
    d.DisplayType = 3;
    d.SBackColor = 0x00C0C0C0u;
    d.SGraphic = QStringLiteral("pic.jpg");
    d.SWallpaper = QStringLiteral("paper.bmp");
    d.VPLeft = 120;
    d.VPTop = -80;
    d.VPWidth = 400;
    d.VPHeight = 200;
    d.RLTop = 1;
    d.RLLeft = 0x01020304;
    d.Print = false;
    const QByteArray bytes(reinterpret_cast<const char*>(&d), sizeof d);
    ASSERT_EQ(bytes.size(), 340);
    using namespace TestBytes;
    EXPECT_EQ(bytes.mid(0, 4), Le32(0x00112233));
    EXPECT_EQ(bytes.mid(4, 1), QByteArray(1, '\x01'));
    EXPECT_EQ(bytes.mid(5, 4), Le32(3));
    EXPECT_EQ(bytes.mid(9, 4), Le32(0x00C0C0C0));
    EXPECT_EQ(bytes.mid(13, 8), QByteArray("\x07pic.jpg"));
    EXPECT_EQ(bytes.mid(164, 10), QByteArray("\x09paper.bmp"));
    EXPECT_EQ(bytes.mid(315, 4), Le32(120));
    EXPECT_EQ(bytes.mid(319, 4), Le32(quint32(-80)));
    EXPECT_EQ(bytes.mid(323, 4), Le32(400));
    EXPECT_EQ(bytes.mid(327, 4), Le32(200));
    EXPECT_EQ(bytes.mid(331, 4), Le32(1));
    EXPECT_EQ(bytes.mid(335, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.mid(339, 1), QByteArray(1, '\0'));
}

TEST_F(BackgroundTest, ChoosingATypePreselectsAProjectFile)
{
    Dir.Write(QStringLiteral("b1.bmp"), Bmp());
    Dir.Write(QStringLiteral("b2.bmp"), Bmp());
    TPresentation p;
    SetPresentationDefaults(p);
    p.Intro.Display.SWallpaper = QStringLiteral("old.bmp");
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    OnModal(QStringLiteral("TIntDesignBackForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDesignBackForm&>(dlg);
        EXPECT_TRUE(f.ColorRBtn->isChecked());
        EXPECT_TRUE(f.ColorGrpBx->isVisibleTo(&f));
        EXPECT_FALSE(f.GraphicGrpBx->isVisibleTo(&f));
        EXPECT_EQ(f.FileListBox1->count(), 2);
        f.GraphicRBtn->click();
        EXPECT_TRUE(f.GraphicGrpBx->isVisibleTo(&f));
        QString first;
        FindProjectFile(QStringLiteral("*.bmp"), first);
        EXPECT_EQ(f.GraphicEdit->text(), first);
        EXPECT_TRUE(f.Back.Wallpaper.isEmpty());
        EXPECT_EQ(f.OpenDialog1.Filter, QStringLiteral("Graphic Files|*.BMP;*.JPG"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignIntroBackground(p, prog, {}));
    EXPECT_EQ(p.Intro.Display.DisplayType.get(), 2);
    EXPECT_TRUE(p.Intro.Display.SGraphic.str().startsWith(QStringLiteral("b")));
    EXPECT_TRUE(p.Intro.Display.SWallpaper.IsEmpty());

    // Wallpaper: a ".JPG" name is dropped for the introduction, kept for a
    // type-5 screen; a typed name counts without a click.
    p.Intro.Display.DisplayType = 3;
    p.Intro.Display.SWallpaper = QStringLiteral("x.JPG");
    OnModal(QStringLiteral("TIntDesignBackForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDesignBackForm&>(dlg);
        f.WallpaperRBtn->click();
        EXPECT_EQ(f.WallPaperEdit->text(), QStringLiteral("b1.bmp"));
        f.WallPaperEdit->setText(QStringLiteral("b2.bmp"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignIntroBackground(p, prog, {}));
    EXPECT_EQ(p.Intro.Display.SWallpaper.str(), QStringLiteral("b2.bmp"));
    EXPECT_TRUE(p.Intro.Display.SGraphic.IsEmpty());

    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.SGraphic = QStringLiteral("keep.jpg");
    d.SWallpaper = QStringLiteral("x.jpg");
    OnModal(QStringLiteral("TVPDesignBackForm"), [](QDialog& dlg) {
        auto& f = static_cast<TVPDesignBackForm&>(dlg);
        EXPECT_EQ(HelpContextOf(&f), 480);
        f.WallpaperRBtn->click();
        EXPECT_EQ(f.WallPaperEdit->text(), QStringLiteral("x.jpg"));
        EXPECT_EQ(f.OpenDialog1.Filter, QStringLiteral("BMP Wallpaper Files|*.BMP"));
        f.ColorRBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignDisplayScreen(d, {}));
    EXPECT_EQ(d.DisplayType.get(), 1);
    EXPECT_EQ(d.SGraphic.str(), QStringLiteral("keep.jpg"));   // kept for type 5
    EXPECT_EQ(d.SWallpaper.str(), QStringLiteral("x.jpg"));

    // The introduction with a coloured screen clears both names; Cancel
    // changes nothing.
    OnModal(QStringLiteral("TIntDesignBackForm"), [](QDialog& dlg) {
        auto& f = static_cast<TIntDesignBackForm&>(dlg);
        f.ColorRBtn->click();
        TestScript::Answer(QStringLiteral("colour"), QColor(0, 0x80, 0));
        f.Button3->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignIntroBackground(p, prog, {}));
    EXPECT_EQ(p.Intro.Display.SBackColor.u(), 0x008000u);
    EXPECT_TRUE(p.Intro.Display.SWallpaper.IsEmpty() && p.Intro.Display.SGraphic.IsEmpty());
    const TPresentation before = p;
    OnModal(QStringLiteral("TIntDesignBackForm"), [](QDialog& dlg) {
        static_cast<TIntDesignBackForm&>(dlg).GraphicRBtn->click();
        static_cast<TIntDesignBackForm&>(dlg).CancelBtn->click();
    });
    EXPECT_FALSE(DesignIntroBackground(p, prog, {}));
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST_F(BackgroundTest, FindFileCopiesOnlyWhenAskedAndNeverOverAFileSilently)
{
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    prog.BackgroundKind = 2;
    prog.BackgroundGraphic = QStringLiteral("mine.bmp");
    Outside.Write(QStringLiteral("far.bmp"), Bmp());
    Outside.Write(QStringLiteral("same.bmp"), Bmp() + "x");
    Dir.Write(QStringLiteral("same.bmp"), Bmp());
    Dir.Write(QStringLiteral("mine.bmp"), Bmp());
    auto run = [&](std::function<void(TCFGDesignBackForm&)> body) {
        OnModal(QStringLiteral("TCFGDesignBackForm"), [body](QDialog& dlg) {
            auto& f = static_cast<TCFGDesignBackForm&>(dlg);
            body(f);
            f.OKBtn->click();
        });
        return DesignProgramBackground(prog);
    };
    // A cancelled open ends "Find File": no question, nothing changes.
    ASSERT_TRUE(run([](TCFGDesignBackForm& f) {
        EXPECT_EQ(HelpContextOf(&f), 410);
        TestScript::Answer(QStringLiteral("open"), QVariant());
        f.Button2->click();
        EXPECT_EQ(f.GraphicEdit->text(), QStringLiteral("mine.bmp"));
    }));
    EXPECT_TRUE(MessageTexts().isEmpty());

    // Declining the copy of an outside file keeps the edit.
    ExpectMessage(QStringLiteral("Confirm"), 0);
    run([&](TCFGDesignBackForm& f) {
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.bmp")));
        f.Button2->click();
        EXPECT_EQ(f.GraphicEdit->text(), QStringLiteral("mine.bmp"));
    });
    EXPECT_EQ(MessageTexts().last(),
              QStringLiteral("Copy the file ") + Outside.File(QStringLiteral("far.bmp"))
                  + QStringLiteral(" to the Project directory?"));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("far.bmp")));

    // Accepting copies it and takes its bare name.
    ExpectMessage(QStringLiteral("Confirm"), 1);
    run([&](TCFGDesignBackForm& f) {
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.bmp")));
        f.Button2->click();
        EXPECT_EQ(f.GraphicEdit->text(), QStringLiteral("far.bmp"));
        EXPECT_EQ(f.FileListBox1->count(), 3);
    });
    EXPECT_EQ(Dir.Read(QStringLiteral("far.bmp")), Bmp());
    EXPECT_EQ(prog.BackgroundGraphic.str(), QStringLiteral("far.bmp"));

    // A different file of the same name: asked; No keeps the project's own.
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Confirm"), 0);
    run([&](TCFGDesignBackForm& f) {
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("same.bmp")));
        f.Button2->click();
    });
    EXPECT_TRUE(MessageTexts().last().startsWith(QStringLiteral("The Project directory already holds")));
    EXPECT_EQ(Dir.Read(QStringLiteral("same.bmp")), Bmp());
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Confirm"), 1);
    run([&](TCFGDesignBackForm& f) {
        TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("same.bmp")));
        f.Button2->click();
    });
    EXPECT_EQ(Dir.Read(QStringLiteral("same.bmp")), Bmp() + "x");

    // The project's own file: no copy onto itself, no question.
    const int asked = int(MessageTexts().size());
    run([&](TCFGDesignBackForm& f) {
        TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("mine.bmp")));
        f.Button2->click();
        EXPECT_EQ(f.GraphicEdit->text(), QStringLiteral("mine.bmp"));
    });
    EXPECT_EQ(MessageTexts().size(), asked);
    EXPECT_EQ(Dir.Read(QStringLiteral("mine.bmp")), Bmp());
}

TEST_F(BackgroundTest, PreviewShowsTheSettingsAsTheyStandAndRefusesAJpgWallpaper)
{
    Dir.Write(QStringLiteral("tile.bmp"), Bmp());
    TProgramSettings prog;
    SetProgramSettingsDefaults(prog);
    prog.ProgramTitle = QStringLiteral("Quiz");
    OnModal(QStringLiteral("TCFGDesignBackForm"), [](QDialog& dlg) {
        auto& f = static_cast<TCFGDesignBackForm&>(dlg);
        f.WallpaperRBtn->click();
        OnModal(QStringLiteral("TTBackForm"), [](QDialog& d2) {
            auto& b = static_cast<TTBackForm&>(d2);
            EXPECT_EQ(b.windowTitle(), QStringLiteral("Quiz"));
            EXPECT_TRUE(b.wiaTile1->isVisibleTo(&b));
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&b, &esc);
            EXPECT_FALSE(b.isVisible());
        });
        f.ViewBitBtn->click();
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DesignProgramBackground(prog));
    EXPECT_EQ(prog.BackgroundKind.get(), 1);

    prog.BackgroundKind = 3;
    prog.BackgroundWallpaper = QStringLiteral("tile.jpg");
    ExpectMessage(QStringLiteral("Information"));
    PreviewProgramBackground(prog);   // not shown: no modal scripted
    EXPECT_TRUE(MessageTexts().last().startsWith(QStringLiteral("Wallpaper must be a .BMP file.")));
}

} // namespace
