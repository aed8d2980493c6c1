#include "harness.h"
#include "../common/failingdisk.h"

#include "platform/messages.h"
#include "platform/testscript.h"
#include "runtime/hnotesform.h"
#include "runtime/notefileform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextDocument>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextCursor>

namespace {

class NotepadTest : public QuendraTest {};

void Type(THNotesForm& f, const QString& text)
{
    f.Memo1->moveCursor(QTextCursor::End);
    f.Memo1->insertPlainText(text);
}

TEST_F(NotepadTest, LoadSaveAndTheYesNoCancelPaths)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("notes.txt"), QByteArray("line one\r\ncaf\xE9\r\n"));

    // No: the window closes and the typed text is not written.
    OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
        auto& f = static_cast<THNotesForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Current File : NOTES.TXT"));
        EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("line one\ncaf\u00e9\n"));
        Type(f, QStringLiteral("more"));
        TestScript::AnswerMessage(QStringLiteral("YesNoCancel"), mrNo);
        f.Exit1->trigger();
        EXPECT_FALSE(f.isVisible());
    });
    ShowNotepad(QStringLiteral("NOTES.TXT"));
    EXPECT_EQ(MessageTexts(), QStringList({"File notes.txt has changed. Save Now?"}));
    EXPECT_EQ(dir.Read(QStringLiteral("notes.txt")), QByteArray("line one\r\ncaf\xE9\r\n"));

    // Cancel: it stays open; Yes: saved in CR LF lines and Windows-1252, then closed.
    OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
        auto& f = static_cast<THNotesForm&>(d);
        Type(f, QStringLiteral("\u00e0 la fin"));
        TestScript::AnswerMessage(QStringLiteral("YesNoCancel"), mrCancel);
        f.reject();
        EXPECT_TRUE(f.isVisible());
        TestScript::AnswerMessage(QStringLiteral("YesNoCancel"), mrYes);
        f.reject();
        EXPECT_FALSE(f.isVisible());
    });
    ShowNotepad(QStringLiteral("notes.txt"));
    EXPECT_EQ(dir.Read(QStringLiteral("notes.txt")), QByteArray("line one\r\ncaf\xE9\r\n\xE0 la fin"));

    // A new file: New asks nothing when unchanged, Save goes to Save As.
    OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
        auto& f = static_cast<THNotesForm&>(d);
        f.New1->trigger();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Current File : Untitled"));
        EXPECT_TRUE(f.Memo1->toPlainText().isEmpty());
        Type(f, QStringLiteral("fresh"));
        TestScript::Answer(QStringLiteral("save"), QVariant(dir.File(QStringLiteral("NEW.TXT"))));
        f.Save1->trigger();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Current File : NEW.TXT"));
        // Open after a change: Yes saves first, then the open dialog.
        Type(f, QStringLiteral("!"));
        TestScript::AnswerMessage(QStringLiteral("YesNoCancel"), mrYes);
        TestScript::Answer(QStringLiteral("open"), QVariant(dir.File(QStringLiteral("notes.txt"))));
        f.Open1->trigger();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Current File : notes.txt"));
        EXPECT_TRUE(f.Memo1->toPlainText().startsWith(QStringLiteral("line one")));
        f.accept();
    });
    ShowNotepad(QStringLiteral("missing.txt"));
    EXPECT_EQ(dir.Read(QStringLiteral("NEW.TXT")), QByteArray("fresh!"));
    EXPECT_FALSE(dir.Exists(QStringLiteral("missing.txt")));
}

TEST_F(NotepadTest, FileErrorsKeepTheText)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
        auto& f = static_cast<THNotesForm&>(d);
        Type(f, QStringLiteral("precious"));
        ExpectMessage(QStringLiteral("Error"));
        TestScript::Answer(QStringLiteral("save"), QVariant(dir.File(QStringLiteral("no/such/dir/x.txt"))));
        EXPECT_FALSE(f.Save1Click());
        EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("precious"));
        EXPECT_TRUE(f.Memo1->document()->isModified());
        // Open of a file that vanished: reported, memo kept.
        ExpectMessage(QStringLiteral("YesNoCancel"), mrNo);
        f.accept();
    });
    ShowNotepad(QString());
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_TRUE(MessageTexts()[0].contains(QStringLiteral("x.txt"))) << MessageTexts()[0].toStdString();
}

TEST_F(NotepadTest, FindAndReplace)
{
    THNotesForm f;
    f.Memo1->setPlainText(QStringLiteral("Cat cat cat. Concat"));
    // Case-sensitive, forward from the end of the selection.
    EXPECT_TRUE(f.FindNext(QStringLiteral("cat")));
    EXPECT_EQ(f.Memo1->textCursor().selectionStart(), 4);
    EXPECT_TRUE(f.FindNext(QStringLiteral("cat")));
    EXPECT_EQ(f.Memo1->textCursor().selectionStart(), 8);
    EXPECT_TRUE(f.FindNext(QStringLiteral("cat")));
    EXPECT_EQ(f.Memo1->textCursor().selectionStart(), 16);
    EXPECT_FALSE(f.FindNext(QStringLiteral("cat")));   // a miss keeps the selection
    EXPECT_EQ(f.Memo1->textCursor().selectionStart(), 16);

    // Through the scripted dialogs.
    QTextCursor c = f.Memo1->textCursor();
    c.setPosition(0);
    f.Memo1->setTextCursor(c);
    TestScript::Answer(QStringLiteral("find"), QVariant(QStringList({"Con"})));
    f.Find1->trigger();
    EXPECT_EQ(f.Memo1->textCursor().selectedText(), QStringLiteral("Con"));

    c.setPosition(0);
    f.Memo1->setTextCursor(c);
    QVariantList steps;
    steps << QVariantMap{{"action", "replace"}, {"find", "cat"}, {"replace", "dog"}};
    TestScript::Answer(QStringLiteral("replace"), QVariant(steps));
    f.Replace1->trigger();
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("Cat dog cat. Concat"));

    // Replace all, with a replacement that holds the search text.
    c.setPosition(0);
    f.Memo1->setTextCursor(c);
    EXPECT_EQ(f.ReplaceText(QStringLiteral("cat"), QStringLiteral("cats"), true), 2);
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("Cat dog cats. Concats"));
    // Nothing to replace: nothing changes.
    EXPECT_EQ(f.ReplaceText(QStringLiteral("zebra"), QStringLiteral("x"), true), 0);
    f.Memo1->document()->setModified(false);
}

TEST_F(NotepadTest, EditMenuEnablingAndPrinting)
{
    TScratchDir dir;
    THNotesForm f;
    f.Memo1->setPlainText(QStringLiteral("top printed line\nsecond printed line"));
    QApplication::clipboard()->clear();
    f.Edit1Popup();
    EXPECT_FALSE(f.Cut1->isEnabled());
    EXPECT_FALSE(f.Copy1->isEnabled());
    f.Memo1->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    f.Edit1Popup();
    EXPECT_TRUE(f.Cut1->isEnabled());
    EXPECT_TRUE(f.Copy1->isEnabled());
    EXPECT_EQ(f.Paste1->isEnabled(), QApplication::clipboard()->mimeData()->hasText());

    TestScript::Answer(QStringLiteral("printsetup"), QVariant(true));
    f.PrintSetup1->trigger();
    const QString pdf = dir.File(QStringLiteral("out.pdf"));
    TestScript::Answer(QStringLiteral("print"), QVariant(pdf));
    f.Print1->trigger();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (p.waitForFinished(10000) && p.exitCode() == 0) {
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QStringLiteral("top printed line"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("second printed line")));
    }
    // A cancelled print writes nothing.
    TestScript::Answer(QStringLiteral("print"), QVariant());
    f.Print1->trigger();
    f.Memo1->document()->setModified(false);
}

TEST_F(NotepadTest, NoteFileNameDialog)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    OnModal(QStringLiteral("TNoteFileForm"), [](QDialog& d) {
        auto& f = static_cast<TNoteFileForm&>(d);
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("old.txt"));
        EXPECT_EQ(f.Edit1->maxLength(), 60);
        f.Edit1->setText(QStringLiteral("tips.txt"));
        // View opens the notepad on the typed name.
        TestScript::OnModal(QStringLiteral("THNotesForm"), [](QDialog& n) {
            EXPECT_EQ(n.windowTitle(), QStringLiteral("Current File : tips.txt"));
            n.accept();
        });
        f.ViewBtn->click();
        f.OKBtn->click();
    });
    QString name = QStringLiteral("old.txt");
    EXPECT_TRUE(EditNoteFileName(name));
    EXPECT_EQ(name, QStringLiteral("tips.txt"));
    OnModal(QStringLiteral("TNoteFileForm"), [](QDialog& d) {
        auto& f = static_cast<TNoteFileForm&>(d);
        f.Edit1->setText(QStringLiteral("other.txt"));
        f.CancelBtn->click();
    });
    EXPECT_FALSE(EditNoteFileName(name));
    EXPECT_EQ(name, QStringLiteral("tips.txt"));
}

} // namespace

namespace {

TEST_F(NotepadTest, OpenFailureKeepsCaptionNameAndTextTogether)
{
    TScratchDir dir;
    dir.UseAsProject(QStringLiteral("T"));
    dir.Write(QStringLiteral("first.txt"), QByteArray("first\r\n"));
    QDir().mkpath(dir.File(QStringLiteral("folder.txt")));   // cannot be read as a text
    OnModal(QStringLiteral("THNotesForm"), [&](QDialog& d) {
        auto& f = static_cast<THNotesForm&>(d);
        const QString caption = f.windowTitle();
        ExpectMessage(QStringLiteral("Error"));
        TestScript::Answer(QStringLiteral("open"), QVariant(dir.File(QStringLiteral("folder.txt"))));
        f.Open1->trigger();
        EXPECT_EQ(f.windowTitle(), caption);
        EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("first\n"));
        // Save still writes the file the caption names.
        Type(f, QStringLiteral("more"));
        EXPECT_TRUE(f.Save1Click());
        f.accept();
    });
    ShowNotepad(QStringLiteral("first.txt"));
    EXPECT_EQ(dir.Read(QStringLiteral("first.txt")), QByteArray("first\r\nmore"));
    EXPECT_TRUE(QFileInfo(dir.File(QStringLiteral("folder.txt"))).isDir());
}

TEST_F(NotepadTest, FailingDiskKeepsTheOldNotesFile)
{
    TScratchDir dir;
    const QByteArray old("old notes\r\n");
    dir.Write(QStringLiteral("notes.txt"), old);
    const QString file = dir.File(QStringLiteral("notes.txt"));
    const QStringList files = QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden);
    const TLimitedRun run = RunWithFileSizeLimit(5, [&] { SaveNotesFile(file, QStringLiteral("new and longer notes\n")); });
    EXPECT_TRUE(run.Threw);
    EXPECT_TRUE(run.Message.contains(QStringLiteral("notes.txt"))) << run.Message.toStdString();
    EXPECT_TRUE(run.Message.contains(QStringLiteral("File too large"))) << run.Message.toStdString();
    EXPECT_EQ(dir.Read(QStringLiteral("notes.txt")), old);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), files);
    SaveNotesFile(file, QStringLiteral("caf\u00e9\n"));
    EXPECT_EQ(dir.Read(QStringLiteral("notes.txt")), QByteArray("caf\xE9\r\n"));
}

} // namespace
