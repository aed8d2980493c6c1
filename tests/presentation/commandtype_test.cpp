// The command type dialog and the about-box designer.
#include "harness.h"

#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/testscript.h"
#include "presentation/commandtypeform.h"
#include "presentation/designaboutform.h"
#include "runtime/aboutbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {

class CommandTypeTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
        std::memset(&Command, 0, sizeof Command);
    }
    TScratchDir Dir;
    TCommandSpec Command;
};

TEST_F(CommandTypeTest, StoredTypePicksTheKindAndOnlyItsDefineIsEnabled)
{
    const struct {
        int Type;
        const char* Radio;
        const char* Define;
    } cases[] = {{0, "RBType4", "ExeBtn"}, {4, "RBType4", "ExeBtn"}, {9, "RBType4", "ExeBtn"},
                 {10, "RBType4", "ExeBtn"}, {2, "RBType2", "GraphBtn"}, {3, "RBType3", "VoiceBtn"},
                 {6, "RBType6", "GraphAudioBtn"}};
    for (const auto& c : cases) {
        TCommandTypeForm form(QStringLiteral(" Opening Command Type "), 420, true);
        Command.CommandType = c.Type;
        form.Load(Command);
        EXPECT_TRUE(form.findChild<QRadioButton*>(QString::fromLatin1(c.Radio))->isChecked()) << c.Type;
        for (QPushButton* b : {form.ExeBtn, form.GraphBtn, form.VoiceBtn, form.GraphAudioBtn})
            EXPECT_EQ(b->isEnabled(), b->objectName() == QLatin1String(c.Define)) << c.Type;
    }

    // The callers' captions and help contexts.
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Opening Command Type "));
        EXPECT_EQ(HelpContextOf(&f), 420);
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DefineOpeningCommand(Command));
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Closing Command Type "));
        EXPECT_EQ(HelpContextOf(&f), 430);
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DefineClosingCommand(Command));
}

TEST_F(CommandTypeTest, OkChecksTheFilesOfTheCheckedKind)
{
    // Nothing defined: each kind names what is missing, the form stays.
    const struct {
        const char* Radio;
        const char* Message;
    } cases[] = {{"RBType4", "No Executable File has been defined."},
                 {"RBType2", "No Graphic File has been selected."},
                 {"RBType3", "No Voice File has been selected."},
                 {"RBType6", "No Graphic File has been selected."}};
    for (const auto& c : cases) {
        ExpectMessage(QStringLiteral("Error"));
        OnModal(QStringLiteral("TCommandTypeForm"), [&](QDialog& d) {
            auto& f = static_cast<TCommandTypeForm&>(d);
            f.findChild<QRadioButton*>(QString::fromLatin1(c.Radio))->click();
            f.OKBtn->click();
            EXPECT_TRUE(f.isVisible());
            f.CancelBtn->click();
        });
        EXPECT_FALSE(DefineClosingCommand(Command));
        EXPECT_EQ(MessageTexts().last(), QString::fromLatin1(c.Message));
    }
    // A graphic and sound without its sound.
    Command.CommandType = 6;
    Command.MixGraphic = QStringLiteral("a.bmp");
    ExpectMessage(QStringLiteral("Error"));
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        f.OKBtn->click();
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DefineOpeningCommand(Command));
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("No Sound File has been selected."));

    // A stored program of type 9 passes and is written back unchanged.
    std::memset(&Command, 0, sizeof Command);
    Command.CommandType = 9;
    Command.ProgramText = QStringLiteral("gedit notes.txt");
    Command.CommandValue = QStringLiteral("gedit notes.txt");
    const TCommandSpec kept = Command;
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) { static_cast<TCommandTypeForm&>(d).OKBtn->click(); });
    EXPECT_TRUE(DefineOpeningCommand(Command));
    EXPECT_EQ(std::memcmp(&kept, &Command, sizeof kept), 0);
}

TEST_F(CommandTypeTest, ADefinitionReplacesTheOtherKindsAndNothingIsCut)
{
    TCommandTypeForm form(QStringLiteral(" Closing Command Type "), 430, false);
    Command.CommandType = 9;
    Command.ProgramText = QStringLiteral("gedit notes.txt");
    Command.CommandValue = QStringLiteral("gedit notes.txt");
    form.Load(Command);
    // A graphic defined instead of the program clears the program text.
    form.RBType2->click();
    ASSERT_TRUE(form.TakeDefinition(2, QStringLiteral("pic.bmp,30"), QStringLiteral("pic.bmp"), {}, 30));
    EXPECT_EQ(form.Command.CommandType.get(), 2);
    EXPECT_TRUE(form.Command.ProgramText.IsEmpty());
    EXPECT_EQ(form.Command.Graphic.str(), QStringLiteral("pic.bmp"));
    EXPECT_EQ(form.Command.Duration.get(), 30);
    EXPECT_EQ(form.Command.CommandValue.str(), QStringLiteral("pic.bmp,30"));
    EXPECT_TRUE(form.DefinedHere);

    // A graphic and sound whose value is longer than its field is refused
    // whole, with a message; the command stays as it was.
    const TCommandSpec before = form.Command;
    const QString graphic = QString(120, u'g') + QStringLiteral(".bmp");
    const QString sound = QString(100, u's') + QStringLiteral(".wav");
    const QString value = graphic + u',' + sound + QStringLiteral(",50");
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_FALSE(form.TakeDefinition(6, value, graphic, sound, 50));
    EXPECT_TRUE(MessageTexts().last().startsWith(QStringLiteral("The command ") + value));
    EXPECT_EQ(std::memcmp(&before, &form.Command, sizeof before), 0);
    // A name longer than its field likewise.
    const QString longName = QString(151, u'x');
    ExpectMessage(QStringLiteral("Error"));
    EXPECT_FALSE(form.TakeDefinition(2, longName.left(10), longName, {}, 1));
    EXPECT_EQ(std::memcmp(&before, &form.Command, sizeof before), 0);
    // An empty value defines nothing.
    EXPECT_FALSE(form.TakeDefinition(3, QString(), {}, QString(), 0));
    EXPECT_EQ(std::memcmp(&before, &form.Command, sizeof before), 0);

    // Exactly 200 characters fit.
    const QString g2 = QString(96, u'g') + QStringLiteral(".bmp");
    const QString s2 = QString(92, u's') + QStringLiteral(".wav");
    const QString v2 = g2 + u',' + s2 + QStringLiteral(",50");
    ASSERT_EQ(v2.size(), 200);
    ASSERT_TRUE(form.TakeDefinition(6, v2, g2, s2, 50));
    EXPECT_EQ(form.Command.CommandValue.str(), v2);
    EXPECT_EQ(form.Command.MixSound.str(), s2);
    EXPECT_TRUE(form.Command.Graphic.IsEmpty());

    // A program of the closing chooser (type 10) goes to the program text.
    ASSERT_TRUE(form.TakeDefinition(10, QStringLiteral("end.htm"), {}, {}, 0));
    EXPECT_EQ(form.Command.ProgramText.str(), QStringLiteral("end.htm"));
    EXPECT_TRUE(form.Command.MixGraphic.IsEmpty());
    EXPECT_EQ(form.Command.CommandType.get(), 10);
}

class DesignAboutTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
        std::memset(&About, 0, sizeof About);
    }
    TScratchDir Dir;
    TAboutSpec About;
};

TEST_F(DesignAboutTest, OkStoresEveryFieldAndViewShowsTheBoxWithTheOldWhen)
{
    About.ShowWhen = 1;
    About.Caption = QStringLiteral("Old");
    OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        EXPECT_TRUE(f.EndRButt->isChecked());
        EXPECT_TRUE(f.IconGrpBx->isHidden());
        EXPECT_EQ(f.BoxTitleEdit->maxLength(), 40);
        EXPECT_EQ(f.ProgNameEdit->maxLength(), 32);
        EXPECT_EQ(f.VersionEdit->maxLength(), 42);
        EXPECT_EQ(f.AuthorEdit->maxLength(), 42);
        EXPECT_EQ(f.Comm4->maxLength(), 65);
        f.BoxTitleEdit->setText(QStringLiteral("About Maths"));
        f.ProgNameEdit->setText(QStringLiteral("Maths"));
        f.Comm1->setText(QStringLiteral("A"));
        f.Comm3->setText(QStringLiteral("B"));
        f.NeitherRButt->click();
        // "&View": the box as designed, in mode 0, without the new when.
        TestScript::OnModal(QStringLiteral("TAboutBox"), [&f](QDialog& b) {
            auto& box = static_cast<TAboutBox&>(b);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("About Maths"));
            EXPECT_EQ(box.ProductName->text(), QStringLiteral("Maths"));
            EXPECT_EQ(box.Comms->text(), QStringLiteral("A \n\nB \n\n"));
            EXPECT_TRUE(box.ProgramIcon->isHidden());
            EXPECT_EQ(f.About.ShowWhen.get(), 1);
            box.OKButton->click();
        });
        f.ViewBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignAboutBox(About));
    EXPECT_EQ(About.ShowWhen.get(), 3);
    EXPECT_EQ(About.Caption.str(), QStringLiteral("About Maths"));
    EXPECT_EQ(About.ProgramName.str(), QStringLiteral("Maths"));
    EXPECT_EQ(About.Comment[0].str(), QStringLiteral("A"));
    EXPECT_TRUE(About.Comment[1].IsEmpty());
    EXPECT_EQ(About.Comment[2].str(), QStringLiteral("B"));

    // Cancel changes nothing.
    const TAboutSpec kept = About;
    OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        f.BoxTitleEdit->setText(QStringLiteral("Other"));
        f.StartRButt->click();
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DesignAboutBox(About));
    EXPECT_EQ(std::memcmp(&kept, &About, sizeof kept), 0);
}

TEST_F(DesignAboutTest, IconRules)
{
    Dir.Write(QStringLiteral("logo.ico"), "x");
    // Ticking "Use Icon" over the pattern empties the edit; OK without a
    // name unticks it and stores no name.
    OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("*.ico"));
        f.UseIconChkBox->click();
        EXPECT_FALSE(f.IconGrpBx->isHidden());
        EXPECT_TRUE(f.IconEdit->text().isEmpty());
        EXPECT_EQ(f.IconFileListBox->count(), 1);
        f.OKBtn->click();
        EXPECT_FALSE(f.UseIconChkBox->isChecked());
    });
    ASSERT_TRUE(DesignAboutBox(About));
    EXPECT_FALSE(About.UseIcon);
    EXPECT_TRUE(About.IconFile.IsEmpty());

    // A name picked from the list is kept; unticked, the name goes.
    OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        f.UseIconChkBox->click();
        Q_EMIT f.IconFileListBox->itemClicked(f.IconFileListBox->item(0));
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignAboutBox(About));
    EXPECT_TRUE(About.UseIcon);
    EXPECT_EQ(About.IconFile.str(), QStringLiteral("logo.ico"));
    OnModal(QStringLiteral("TDesignAboutForm"), [](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        EXPECT_EQ(f.IconEdit->text(), QStringLiteral("logo.ico"));
        f.UseIconChkBox->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DesignAboutBox(About));
    EXPECT_FALSE(About.UseIcon);
    EXPECT_TRUE(About.IconFile.IsEmpty());
}

} // namespace

#include "presentation/exe2choiceform.h"
#include "presentation/exechoiceform.h"
#include "presentation/getaudioform.h"
#include "presentation/getexeform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getgraudioform.h"
#include "presentation/gethtmform.h"

namespace {

// "Define" runs the media dialog of the checked kind, preset with the
// stored file or the first project file of the kind.
TEST_F(CommandTypeTest, DefineRunsTheMediaDialogOfTheKind)
{
    Dir.Write(QStringLiteral("old.bmp"), "b");
    Dir.Write(QStringLiteral("pic.jpg"), "j");
    Dir.Write(QStringLiteral("ding.wav"), "w");
    Dir.Write(QStringLiteral("tune.mid"), "m");
    Command.CommandType = 9;
    Command.ProgramText = QStringLiteral("view notes.txt");
    Command.CommandValue = QStringLiteral("view notes.txt");

    // A graphic instead of the stored program: the first "*.jpg" is offered.
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        EXPECT_TRUE(f.RBType4->isChecked());
        f.RBType2->click();
        TestScript::OnModal(QStringLiteral("TGetGraphicForm"), [](QDialog& g) {
            auto& graphic = static_cast<TGetGraphicForm&>(g);
            EXPECT_EQ(graphic.Edit1->text(), QStringLiteral("pic.jpg"));
            graphic.Edit1->setText(QStringLiteral("old.bmp"));
            graphic.Edit2->setText(QStringLiteral("25"));
            graphic.OKBtn->click();
        });
        f.GraphBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DefineOpeningCommand(Command));
    EXPECT_EQ(Command.CommandType.get(), 2);
    EXPECT_EQ(Command.Graphic.str(), QStringLiteral("old.bmp"));
    EXPECT_EQ(Command.Duration.get(), 25);
    EXPECT_EQ(Command.CommandValue.str(), QStringLiteral("old.bmp,25"));
    EXPECT_TRUE(Command.ProgramText.IsEmpty());

    // Graphic and sound: the stored graphic is not the type's, so the
    // presets are the first picture and the first "*.wav".
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        EXPECT_TRUE(f.RBType2->isChecked());
        f.RBType6->click();
        TestScript::OnModal(QStringLiteral("TGetGrAudioForm"), [](QDialog& g) {
            auto& ga = static_cast<TGetGrAudioForm&>(g);
            EXPECT_EQ(ga.Edit1->text(), QStringLiteral("pic.jpg"));
            EXPECT_EQ(ga.Edit2->text(), QStringLiteral("ding.wav"));
            ga.Edit2->setText(QStringLiteral("tune.mid"));
            ga.Edit3->setText(QStringLiteral("40"));
            ga.OKBtn->click();
        });
        f.GraphAudioBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DefineOpeningCommand(Command));
    EXPECT_EQ(Command.CommandType.get(), 6);
    EXPECT_EQ(Command.MixGraphic.str(), QStringLiteral("pic.jpg"));
    EXPECT_EQ(Command.MixSound.str(), QStringLiteral("tune.mid"));
    EXPECT_TRUE(Command.Graphic.IsEmpty());
    EXPECT_EQ(Command.CommandValue.str(), QStringLiteral("pic.jpg,tune.mid,40"));

    // A voice; the dialog cancelled first changes nothing.
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        f.RBType3->click();
        TestScript::OnModal(QStringLiteral("TGetAudioForm"), [](QDialog& g) {
            static_cast<TGetAudioForm&>(g).CancelBtn->click();
        });
        f.VoiceBtn->click();
        EXPECT_FALSE(f.DefinedHere);
        TestScript::OnModal(QStringLiteral("TGetAudioForm"), [](QDialog& g) {
            auto& a = static_cast<TGetAudioForm&>(g);
            EXPECT_EQ(a.Edit1->text(), QStringLiteral("ding.wav"));
            a.OKBtn->click();
        });
        f.VoiceBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DefineClosingCommand(Command));
    EXPECT_EQ(Command.CommandType.get(), 3);
    EXPECT_EQ(Command.Voice.str(), QStringLiteral("ding.wav"));
    EXPECT_EQ(Command.CommandValue.str(), QStringLiteral("ding.wav"));
    EXPECT_TRUE(Command.MixGraphic.IsEmpty());
}

TEST_F(CommandTypeTest, ExecutablesGoThroughTheChoosers)
{
    // The opening command: the two-way chooser, a program with parameters.
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        TestScript::OnModal(QStringLiteral("TExe2ChoiceForm"), [](QDialog& c) {
            auto& chooser = static_cast<TExe2ChoiceForm&>(c);
            TestScript::OnModal(QStringLiteral("TGetExeForm"), [](QDialog& e) {
                auto& exe = static_cast<TGetExeForm&>(e);
                exe.Edit1->setText(QStringLiteral("sh"));
                exe.Edit2->setText(QStringLiteral("-c true"));
                exe.OKBtn->click();
            });
            chooser.AddBtn1->click();
            chooser.OKBtn->click();
        });
        f.ExeBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DefineOpeningCommand(Command));
    EXPECT_EQ(Command.CommandType.get(), 4);
    EXPECT_EQ(Command.ProgramText.str(), QStringLiteral("sh,-c true"));
    EXPECT_EQ(Command.CommandValue.str(), QStringLiteral("sh,-c true"));

    // The closing command: the three-way chooser, an HTML page.
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        TestScript::OnModal(QStringLiteral("TExeChoiceForm"), [](QDialog& c) {
            auto& chooser = static_cast<TExeChoiceForm&>(c);
            TestScript::OnModal(QStringLiteral("TGetHTMForm"), [](QDialog& h) {
                auto& html = static_cast<TGetHTMForm&>(h);
                html.Edit1->setText(QStringLiteral("end.htm"));
                html.OKBtn->click();
            });
            chooser.RadioButton3->click();
            chooser.AddBtn3->click();
            chooser.OKBtn->click();
        });
        f.ExeBtn->click();
        f.OKBtn->click();
    });
    ASSERT_TRUE(DefineClosingCommand(Command));
    EXPECT_EQ(Command.CommandType.get(), 10);
    EXPECT_EQ(Command.CommandValue.str(), QStringLiteral("end.htm"));

    // A chooser left without "Add" defines nothing: with no program stored
    // the form refuses OK.
    std::memset(&Command, 0, sizeof Command);
    ExpectMessage(QStringLiteral("Error"));
    OnModal(QStringLiteral("TCommandTypeForm"), [](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        TestScript::OnModal(QStringLiteral("TExe2ChoiceForm"), [](QDialog& c) {
            static_cast<TExe2ChoiceForm&>(c).OKBtn->click();
        });
        f.ExeBtn->click();
        EXPECT_FALSE(f.DefinedHere);
        f.OKBtn->click();
        EXPECT_TRUE(f.isVisible());
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DefineOpeningCommand(Command));
    EXPECT_EQ(MessageTexts().last(), QStringLiteral("No Executable File has been defined."));
}

TEST_F(CommandTypeTest, ATooLongGraphicAndSoundFromTheDialogIsRefused)
{
    const QString graphic = QString(120, u'g') + QStringLiteral(".bmp");
    const QString sound = QString(100, u's') + QStringLiteral(".wav");
    Dir.Write(graphic, "b");
    Dir.Write(sound, "w");
    Command.CommandType = 2;
    Command.Graphic = QStringLiteral("a.bmp");
    Command.CommandValue = QStringLiteral("a.bmp,5");
    const TCommandSpec kept = Command;
    ExpectMessage(QStringLiteral("Error"));
    OnModal(QStringLiteral("TCommandTypeForm"), [&](QDialog& d) {
        auto& f = static_cast<TCommandTypeForm&>(d);
        f.RBType6->click();
        TestScript::OnModal(QStringLiteral("TGetGrAudioForm"), [&](QDialog& g) {
            auto& ga = static_cast<TGetGrAudioForm&>(g);
            ga.Edit1->setText(graphic);
            ga.Edit2->setText(sound);
            ga.Edit3->setText(QStringLiteral("50"));
            ga.OKBtn->click();
        });
        f.GraphAudioBtn->click();
        EXPECT_FALSE(f.DefinedHere);
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DefineOpeningCommand(Command));
    EXPECT_TRUE(MessageTexts().last().startsWith(QStringLiteral("The command ") + graphic + u',' + sound + QStringLiteral(",50 is longer than 200 characters.")));
    EXPECT_EQ(std::memcmp(&kept, &Command, sizeof kept), 0);
}

} // namespace

#include <QBuffer>
#include <QFile>
#include <QImage>

namespace {

// The about display in mode 0, as "&View" shows it: with an icon file of the
// project (a real .ICO), and without one.
TEST_F(DesignAboutTest, ViewShowsTheAboutBoxWithAndWithoutItsIcon)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor(0xC0, 0x20, 0x20));
    QByteArray ico;
    QBuffer buffer(&ico);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "ICO"));
    Dir.Write(QStringLiteral("logo.ico"), ico);
    About.UseIcon = true;
    About.IconFile = QStringLiteral("logo.ico");
    About.ProgramName = QStringLiteral("Maths");
    int shown = 0;
    OnModal(QStringLiteral("TDesignAboutForm"), [&](QDialog& d) {
        auto& f = static_cast<TDesignAboutForm&>(d);
        TestScript::OnModal(QStringLiteral("TAboutBox"), [&](QDialog& b) {
            auto& box = static_cast<TAboutBox&>(b);
            EXPECT_FALSE(box.ProgramIcon->isHidden());
            const QImage icon = box.ProgramIcon->pixmap().toImage();
            ASSERT_FALSE(icon.isNull());
            EXPECT_EQ(QColor(icon.pixel(icon.width() / 2, icon.height() / 2)), QColor(0xC0, 0x20, 0x20));
            EXPECT_GT(box.ProductName->x(), box.ProgramIcon->geometry().right());
            ++shown;
            box.OKButton->click();
        });
        f.ViewBtn->click();
        f.UseIconChkBox->click();
        TestScript::OnModal(QStringLiteral("TAboutBox"), [&](QDialog& b) {
            auto& box = static_cast<TAboutBox&>(b);
            EXPECT_TRUE(box.ProgramIcon->isHidden());
            EXPECT_EQ(box.ProductName->x(), 8);
            EXPECT_EQ(box.ProductName->width(), box.Panel1->width() - 16);
            ++shown;
            box.OKButton->click();
        });
        f.ViewBtn->click();
        // The icon ticked again but its file gone: only the message.
        f.UseIconChkBox->click();
        QFile::remove(Dir.File(QStringLiteral("logo.ico")));
        TestScript::AnswerMessage(QStringLiteral("Error"));
        f.ViewBtn->click();
        f.CancelBtn->click();
    });
    EXPECT_FALSE(DesignAboutBox(About));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(MessageTexts(), QStringList({"The Icon file logo.ico is missing"}));
}

} // namespace
