// The media dialogs: choosing from the project list, copying a file in,
// durations, the empty-name refusals, the names that would break a command,
// and the previews.
#include "harness.h"
#include "../platform/testmedia.h"

#include "model/entryfile.h"
#include "platform/testscript.h"
#include "presentation/getaudioform.h"
#include "presentation/getexeform.h"
#include "presentation/getgraphicform.h"
#include "presentation/getgraudioform.h"
#include "presentation/gethtmform.h"
#include "presentation/getmidiform.h"
#include "presentation/getvideoform.h"
#include "presentation/getwinexeform.h"
#include "presentation/mediachoosers.h"
#include "runtime/multimedia.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class MediaDialogTest : public QuendraTest {
protected:
    void SetUp() override
    {
        QuendraTest::SetUp();
        Dir.UseAsProject(QStringLiteral("T"));
    }
    QStringList Items(QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void Click(QListWidget* list, const QString& name)
    {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        Q_EMIT list->itemClicked(found.first());
    }
    TScratchDir Dir;
    TScratchDir Outside;
};

QByteArray Bmp() { return TestMedia::Encode(TestMedia::Pattern(8, 6), "BMP"); }

TEST_F(MediaDialogTest, GraphicFromTheListWithItsDuration)
{
    Dir.Write(QStringLiteral("pic.BMP"), Bmp());
    Dir.Write(QStringLiteral("photo.jpg"), "x");
    Dir.Write(QStringLiteral("ding.wav"), "x");
    OnModal(QStringLiteral("TGetGraphicForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetGraphicForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Select .BMP or .JPG Graphic  "));
        EXPECT_EQ(Items(f.FileListBox1), QStringList({"photo.jpg", "pic.BMP"}));
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("7"));
        EXPECT_FALSE(f.BitBtn1->isEnabled());
        Click(f.FileListBox1, QStringLiteral("pic.BMP"));
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("pic.BMP"));
        EXPECT_TRUE(f.BitBtn1->isEnabled());
        // Leaving the duration: empty is 0; a letter or a negative number is
        // refused and reset; leading zeros are written from the number.
        f.Edit2->setText(QString());
        EXPECT_TRUE(f.DurationExit());
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("0"));
        for (const char* bad : {"5x", "-5", "1e3"}) {
            ExpectMessage(QStringLiteral("Error"));
            f.Edit2->setText(QString::fromLatin1(bad));
            EXPECT_FALSE(f.DurationExit());
            EXPECT_EQ(f.Edit2->text(), QStringLiteral("0"));
            EXPECT_EQ(f.focusWidget(), f.Edit2);
        }
        EXPECT_EQ(f.Edit2->maxLength(), 4);
        f.Edit2->setText(QStringLiteral("0050"));
        f.OKBtn->click();
    });
    QString command = QStringLiteral("old"), graphic;
    int duration = 7;
    ASSERT_TRUE(GetGraphicCommand(command, graphic, duration));
    EXPECT_EQ(command, QStringLiteral("pic.BMP,50"));
    EXPECT_EQ(graphic, QStringLiteral("pic.BMP"));
    EXPECT_EQ(duration, 50);
    EXPECT_EQ(MessageTexts(), QStringList(3, QStringLiteral("That is not a valid number")));

    // Cancel changes nothing, whatever was done in the dialog.
    OnModal(QStringLiteral("TGetGraphicForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetGraphicForm&>(d);
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("pic.BMP"));
        Click(f.FileListBox1, QStringLiteral("photo.jpg"));
        f.Edit2->setText(QStringLiteral("9"));
        f.CancelBtn->click();
    });
    EXPECT_FALSE(GetGraphicCommand(command, graphic, duration));
    EXPECT_EQ(command, QStringLiteral("pic.BMP,50"));
    EXPECT_EQ(graphic, QStringLiteral("pic.BMP"));
    EXPECT_EQ(duration, 50);
}

TEST_F(MediaDialogTest, EmptyNamesAreRefusedWithTheFocusOnTheirEdit)
{
    struct TCase {
        TGetMediaForm* Form;
        QStringList Messages;
    };
    TGetGrAudioForm grAudio;
    grAudio.Edit2->setText(QStringLiteral("ding.wav"));   // only a sound: the graphic comes first
    std::vector<TCase> cases = {
        {new TGetGraphicForm, {"No Graphic file has been selected"}},
        {new TGetAudioForm, {"No Voice file has been selected"}},
        {new TGetMidiForm, {"No MIDI file has been selected"}},
        {new TGetVideoForm, {"No Video file has been selected"}},
        {new TGetExeForm, {"No executable file has been selected"}},
        {new TGetWinExeForm, {"No executable file has been selected"}},
        {new TGetHTMForm, {"No HTML file has been selected"}},
    };
    for (TCase& c : cases) {
        TestScript::ShownMessages().clear();
        ExpectMessage(QStringLiteral("Error"));
        c.Form->Slots[0].Edit->setText(QStringLiteral("   "));
        c.Form->OKBtn->click();
        EXPECT_EQ(MessageTexts(), c.Messages) << c.Form->metaObject()->className();
        EXPECT_EQ(c.Form->focusWidget(), c.Form->Slots[0].Edit) << c.Form->metaObject()->className();
        EXPECT_EQ(c.Form->result(), QDialog::Rejected);
        delete c.Form;
    }
    TestScript::ShownMessages().clear();
    ExpectMessage(QStringLiteral("Error"));
    grAudio.OKBtn->click();
    grAudio.Edit1->setText(QStringLiteral("pic.bmp"));
    grAudio.Edit2->clear();
    ExpectMessage(QStringLiteral("Error"));
    grAudio.OKBtn->click();
    EXPECT_EQ(MessageTexts(), QStringList({"No Graphic file has been selected", "No Sound file has been selected"}));
    EXPECT_EQ(grAudio.focusWidget(), grAudio.Edit2);
}

TEST_F(MediaDialogTest, NamesThatBreakACommandOrLeaveTheProjectAreRefused)
{
    for (const char* bad : {"a,b.bmp", "sub/pic.bmp", "..pic.bmp", "/tmp/pic.bmp"}) {
        TGetGraphicForm f;
        TestScript::ShownMessages().clear();
        ExpectMessage(QStringLiteral("Error"));
        f.Edit1->setText(QString::fromLatin1(bad));
        f.OKBtn->click();
        ASSERT_EQ(MessageTexts().size(), 1);
        EXPECT_TRUE(MessageTexts().first().contains(QString::fromLatin1(bad))) << bad;
        EXPECT_EQ(f.result(), QDialog::Rejected);
        EXPECT_EQ(f.focusWidget(), f.Edit1);
    }
    // A program may live anywhere, but a comma would split it.
    TGetExeForm exe;
    exe.Edit1->setText(QStringLiteral("/usr/bin/../bin/true"));
    exe.OKBtn->click();
    EXPECT_EQ(exe.result(), QDialog::Accepted);
    TGetExeForm exe2;
    ExpectMessage(QStringLiteral("Error"));
    exe2.Edit1->setText(QStringLiteral("my,prog"));
    exe2.OKBtn->click();
    EXPECT_EQ(exe2.result(), QDialog::Rejected);
    // Type 9: the program is free, the file after the blank is the project's.
    TGetWinExeForm win;
    win.Edit1->setText(QStringLiteral("/opt/viewer/bin/view notes.txt"));
    win.OKBtn->click();
    EXPECT_EQ(win.result(), QDialog::Accepted);
    for (const char* bad : {"view ../notes.txt", "view a,b.txt", "view sub/notes.txt"}) {
        TGetWinExeForm w;
        ExpectMessage(QStringLiteral("Error"));
        w.Edit1->setText(QString::fromLatin1(bad));
        w.OKBtn->click();
        EXPECT_EQ(w.result(), QDialog::Rejected) << bad;
    }
    // Program and page edits hold 200 characters, file names 150.
    EXPECT_EQ(exe.Edit1->maxLength(), 200);
    EXPECT_EQ(win.Edit1->maxLength(), 200);
    EXPECT_EQ(TGetHTMForm().Edit1->maxLength(), 200);
    EXPECT_EQ(TGetAudioForm().Edit1->maxLength(), 150);
}

TEST_F(MediaDialogTest, FindFileCopiesIntoTheProjectOnlyWhenAsked)
{
    Outside.Write(QStringLiteral("far.bmp"), Bmp());
    Outside.Write(QStringLiteral("same.bmp"), "outside");
    Dir.Write(QStringLiteral("same.bmp"), "inside");
    Dir.Write(QStringLiteral("here.bmp"), Bmp());
    TGetGraphicForm f;
    f.Edit1->setText(QStringLiteral("here.bmp"));
    // No: the edit keeps its text and the project stays free of the file.
    TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.bmp")));
    ExpectMessage(QStringLiteral("Confirm"), 0);
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("here.bmp"));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("far.bmp")));
    EXPECT_EQ(MessageTexts(), QStringList({"Copy the file " + Outside.File(QStringLiteral("far.bmp"))
                                           + " to the Project directory?"}));
    // Yes: copied, listed and chosen.
    TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("far.bmp")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("far.bmp"));
    EXPECT_EQ(Dir.Read(QStringLiteral("far.bmp")), Bmp());
    EXPECT_EQ(Items(f.FileListBox1), QStringList({"far.bmp", "here.bmp", "same.bmp"}));
    // A different file of the same name is replaced only when asked.
    TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("same.bmp")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    ExpectMessage(QStringLiteral("Confirm"), 0);
    f.FindFileClick(0);
    EXPECT_EQ(Dir.Read(QStringLiteral("same.bmp")), QByteArray("inside"));
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("same.bmp"));
    // A file of the project itself is taken without a question and never
    // copied onto itself.
    TestScript::ShownMessages().clear();
    TestScript::Answer(QStringLiteral("open"), Dir.File(QStringLiteral("here.bmp")));
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("here.bmp"));
    EXPECT_EQ(Dir.Read(QStringLiteral("here.bmp")), Bmp());
    EXPECT_TRUE(MessageTexts().isEmpty());
    // Cancelled open dialog: nothing changes. With an empty edit and No, the
    // first project picture ("*.jpg" before "*.bmp") is offered.
    TestScript::Answer(QStringLiteral("open"), QVariant());
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("here.bmp"));
    f.Edit1->clear();
    Dir.Write(QStringLiteral("z.JPG"), "x");
    Outside.Write(QStringLiteral("other.bmp"), "x");
    TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("other.bmp")));
    ExpectMessage(QStringLiteral("Confirm"), 0);
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("z.JPG"));
}

TEST_F(MediaDialogTest, OneFileDialogsReturnTheNameTwice)
{
    Dir.Write(QStringLiteral("Ding.WAV"), "x");
    Dir.Write(QStringLiteral("tune.mid"), "x");
    Dir.Write(QStringLiteral("film.AVI"), "x");
    QString command, value;
    OnModal(QStringLiteral("TGetAudioForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetAudioForm&>(d);
        EXPECT_EQ(Items(f.FileListBox1), QStringList({"Ding.WAV"}));
        Click(f.FileListBox1, QStringLiteral("Ding.WAV"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(GetAudioCommand(command, value));
    EXPECT_EQ(command, QStringLiteral("Ding.WAV"));
    EXPECT_EQ(value, command);
    OnModal(QStringLiteral("TGetMidiForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetMidiForm&>(d);
        EXPECT_EQ(Items(f.FileListBox1), QStringList({"tune.mid"}));
        Click(f.FileListBox1, QStringLiteral("tune.mid"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(GetMidiCommand(command, value));
    EXPECT_EQ(value, QStringLiteral("tune.mid"));
    EXPECT_EQ(command, value);
    OnModal(QStringLiteral("TGetVideoForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetVideoForm&>(d);
        EXPECT_EQ(Items(f.FileListBox1), QStringList({"film.AVI"}));
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("tune.mid"));
        Click(f.FileListBox1, QStringLiteral("film.AVI"));
        f.CancelBtn->click();
    });
    EXPECT_FALSE(GetVideoCommand(command, value));
    EXPECT_EQ(value, QStringLiteral("tune.mid"));
    EXPECT_EQ(command, QStringLiteral("tune.mid"));

    // Graphic and sound: the sound list takes WAV and MIDI.
    Dir.Write(QStringLiteral("pic.bmp"), Bmp());
    QString graphic, sound;
    int duration = 0;
    OnModal(QStringLiteral("TGetGrAudioForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetGrAudioForm&>(d);
        EXPECT_EQ(Items(f.FileListBox2), QStringList({"Ding.WAV", "tune.mid"}));
        Click(f.FileListBox1, QStringLiteral("pic.bmp"));
        EXPECT_FALSE(f.BitBtn1->isEnabled());
        Click(f.FileListBox2, QStringLiteral("tune.mid"));
        EXPECT_TRUE(f.BitBtn1->isEnabled());
        f.Edit3->clear();
        f.OKBtn->click();
    });
    ASSERT_TRUE(GetGraphicAudioCommand(command, graphic, sound, duration));
    EXPECT_EQ(command, QStringLiteral("pic.bmp,tune.mid,0"));
    EXPECT_EQ(graphic, QStringLiteral("pic.bmp"));
    EXPECT_EQ(sound, QStringLiteral("tune.mid"));
    EXPECT_EQ(duration, 0);
}

TEST_F(MediaDialogTest, PreviewsPlayWithTheDialogDisabled)
{
    Dir.Write(QStringLiteral("pic.bmp"), Bmp());
    CurrentEntryName = QStringLiteral("Sunset");
    TGetGraphicForm g;
    g.Edit1->setText(QStringLiteral("pic.bmp"));
    g.Edit2->setText(QStringLiteral("0"));
    bool disabled = false;
    OnModal(QStringLiteral("TShowMultForm"), [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Sunset"));
        disabled = !g.isEnabled();
        d.reject();
    });
    g.BitBtn1->click();
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(g.isEnabled());
    // A missing file gives the player's message.
    TGetAudioForm a;
    a.Edit1->setText(QStringLiteral("gone.wav"));
    ExpectMessage(QStringLiteral("Error"));
    a.BitBtn1->click();
    EXPECT_EQ(MessageTexts(), QStringList({"The file GONE.WAV is missing"}));
    // HTML opens through the desktop, with the project's file.
    Dir.Write(QStringLiteral("Page.HTM"), "<p>x</p>");
    TGetHTMForm h;
    h.Edit1->setText(QStringLiteral("page.htm"));
    h.BitBtn1->click();
    EXPECT_EQ(TestScript::Logged(QStringLiteral("open-document")), QStringList({Dir.File(QStringLiteral("Page.HTM"))}));
}

TEST_F(MediaDialogTest, ProgramsWithAndWithoutParameters)
{
    // A program without extension, found by its executable bit.
    Dir.Write(QStringLiteral("game"), "#!/bin/sh\nsleep 0.3\necho \"$1\" > ran.txt\n");
    QFile::setPermissions(Dir.File(QStringLiteral("game")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Dir.Write(QStringLiteral("notes.txt"), "x");
    Dir.Write(QStringLiteral("OLD.BAT"), "x");
    QString command = QStringLiteral("game,-fast");
    OnModal(QStringLiteral("TGetExeForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetExeForm&>(d);
        EXPECT_EQ(Items(f.FileListBox1), QStringList({"game", "OLD.BAT"}));
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("game"));
        EXPECT_EQ(f.Edit2->text(), QStringLiteral("-fast"));
        // Running it disables the dialog until the program has ended.
        bool disabledMeanwhile = false;
        QTimer::singleShot(100, &f, [&] { disabledMeanwhile = !f.isEnabled(); });
        f.BitBtn1->click();
        EXPECT_TRUE(disabledMeanwhile);
        EXPECT_TRUE(f.isEnabled());
        EXPECT_EQ(Dir.Read(QStringLiteral("ran.txt")), QByteArray("-fast\n"));
        f.Edit2->setText(QStringLiteral("  "));
        f.OKBtn->click();
    });
    ASSERT_TRUE(GetExeCommand(command));
    EXPECT_EQ(command, QStringLiteral("game"));
    OnModal(QStringLiteral("TGetExeForm"), [&](QDialog& d) {
        auto& f = static_cast<TGetExeForm&>(d);
        EXPECT_TRUE(f.Edit2->text().isEmpty());
        f.Edit2->setText(QStringLiteral("-a, -b"));
        f.OKBtn->click();
    });
    ASSERT_TRUE(GetExeCommand(command));
    EXPECT_EQ(command, QStringLiteral("game,-a, -b"));

    // Copying a program in keeps it executable.
    Outside.Write(QStringLiteral("tool"), "#!/bin/sh\n");
    QFile::setPermissions(Outside.File(QStringLiteral("tool")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TGetExeForm f;
    TestScript::Answer(QStringLiteral("open"), Outside.File(QStringLiteral("tool")));
    ExpectMessage(QStringLiteral("Confirm"), 1);
    f.FindFileClick(0);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("tool"));
    EXPECT_TRUE(QFile::permissions(Dir.File(QStringLiteral("tool"))) & QFile::ExeOwner);

    // Type 9: the text as typed.
    command = QStringLiteral("game notes.txt");
    OnModal(QStringLiteral("TGetWinExeForm"), [&](QDialog& d) {
        auto& w = static_cast<TGetWinExeForm&>(d);
        EXPECT_EQ(w.Edit1->text(), QStringLiteral("game notes.txt"));
        w.BitBtn1->click();
        EXPECT_EQ(Dir.Read(QStringLiteral("ran.txt")), (Dir.File(QStringLiteral("notes.txt")) + u'\n').toUtf8());
        w.OKBtn->click();
    });
    ASSERT_TRUE(GetWinExeCommand(command));
    EXPECT_EQ(command, QStringLiteral("game notes.txt"));
}

} // namespace
