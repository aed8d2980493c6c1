// Viewing and deleting an entry chosen from the selection list.
#include "authoringtest.h"

#include "authoring/entrydialogs.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "platform/testscript.h"
#include "runtime/buttlistform.h"
#include "runtime/showentry.h"
#include "runtime/txtvpdispform.h"
#include "platform/richedit.h"

#include <QListWidget>
#include <QPushButton>

namespace {

class EntryDialogsTest : public AuthoringTest {};

const QByteArray Two = "[Nile]\r\nsource=HYPER\r\ntype=10\r\ncommand=nile.htm\r\n]\r\n\r\n"
                       "[Q1^INFO^]\r\nsource=INFO\r\ntype=3\r\ncommand=a.wav\r\n]\r\n\r\n"
                       "[Amazon]\r\nsource=HYPER\r\ntype=10\r\ncommand=amazon.htm\r\n]\r\n\r\n";

void Pick(const QString& caption, int row, bool select = true)
{
    TestScript::OnModal(QStringLiteral("TButtListForm"), [=](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        EXPECT_EQ(f.windowTitle(), caption);
        ASSERT_EQ(f.ListBox1->count(), 2);
        EXPECT_EQ(f.ListBox1->item(0)->text(), QStringLiteral("Nile"));
        EXPECT_EQ(f.ListBox1->item(1)->text(), QStringLiteral("Amazon"));
        f.ListBox1->setCurrentRow(row);
        (select ? f.SelectBtn : f.CloseBtn)->click();
    });
}

TEST_F(EntryDialogsTest, SelectEntryName)
{
    QString name = QStringLiteral("old");
    SelectEntryName(EntryPath, QStringLiteral("HYPER"), QStringLiteral("x"), name, 300, 0);   // no file: no list
    EXPECT_TRUE(name.isEmpty());
    SetEntries(Two);
    SelectEntryName(EntryPath, QStringLiteral("COMMS"), QStringLiteral("x"), name, 300, 0);   // no such entry
    EXPECT_TRUE(name.isEmpty());
    Pick(QStringLiteral("Choose"), 1);
    SelectEntryName(EntryPath, QStringLiteral("HYPER"), QStringLiteral("Choose"), name, 300, 0);
    EXPECT_EQ(name, QStringLiteral("Amazon"));
    Pick(QStringLiteral("Choose"), 1, false);
    SelectEntryName(EntryPath, QStringLiteral("HYPER"), QStringLiteral("Choose"), name, 300, 0);
    EXPECT_TRUE(name.isEmpty());
}

TEST_F(EntryDialogsTest, ViewShowsTheChosenEntry)
{
    SetEntries(Two);
    Pick(QStringLiteral("Select an Entry to view"), 1);
    ViewEntryDialog(EntryPath, QStringLiteral("HYPER"), 300);
    EXPECT_EQ(CurrentEntryName, QStringLiteral("Amazon"));
    ASSERT_EQ(TestScript::Logged(QStringLiteral("open-document")).size(), 1);
    EXPECT_TRUE(TestScript::Logged(QStringLiteral("open-document")).first().endsWith(QStringLiteral("/amazon.htm")));
    EXPECT_EQ(Entries(), Two);
}

TEST_F(EntryDialogsTest, DeleteAsksFirst)
{
    SetEntries(Two);
    Pick(QStringLiteral("Select an Entry to delete"), 0);
    ExpectMessage(QStringLiteral("Confirm"), 0);   // No
    DeleteEntryDialog(EntryPath, QStringLiteral("HYPER"), 300);
    EXPECT_EQ(Entries(), Two);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("The \"Nile\" entry will be deleted.\n\rContinue?")});

    Pick(QStringLiteral("Select an Entry to delete"), 0);
    ExpectMessage(QStringLiteral("Confirm"), 1);   // Yes
    DeleteEntryDialog(EntryPath, QStringLiteral("HYPER"), 300);
    EXPECT_EQ(Entries(), Two.mid(Two.indexOf("[Q1^INFO^]")));
}

TEST_F(EntryDialogsTest, ShowEntryDispatchesByTypeCode)
{
    // A type-5 entry reaches the view-port display with its record and text.
    int shown = 0;
    TEntryDisplay seen{};
    OnModal(QStringLiteral("TTxtVPDispForm"), [&](QDialog& d) {
        auto& form = static_cast<TTxtVPDispForm&>(d);
        ++shown;
        seen = form.Display();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Shown"));
        EXPECT_EQ(form.RichEdit1->Text(), QStringLiteral("a"));
        d.reject();
    });
    TEntryDisplay d;
    SetEntryDisplayDefaults(d);
    d.VPLeft = 33;
    d.SBackColor = 0x00112233u;
    AppendDisplayEntry(EntryPath, QStringLiteral("Shown"), 5, QStringLiteral("HYPER"),
                       {QStringLiteral("{\\rtf1 a}")}, d);
    QStringList lines;
    ASSERT_TRUE(ReadEntry(EntryPath, QStringLiteral("Shown"), QStringLiteral("HYPER"), lines));
    ShowEntry(lines);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(seen.VPLeft.get(), 33);
    EXPECT_EQ(seen.SBackColor.u(), 0x00112233u);
    EXPECT_EQ(CurrentEntryName, QStringLiteral("Shown"));

    // A header line as the first line loses its brackets; codes 11 and 12 do nothing.
    ShowEntry({QStringLiteral("[Odd]"), QStringLiteral("source=HYPER"), QStringLiteral("type=11"),
               QStringLiteral("command=x")});
    EXPECT_EQ(CurrentEntryName, QStringLiteral("Odd"));
    // A damaged entry is an error naming it, not a crash.
    EXPECT_THROW(ShowEntry({QStringLiteral("Broken"), QStringLiteral("source=HYPER")}), EQuendraError);
    EXPECT_THROW(ShowEntry({QStringLiteral("Broken"), QStringLiteral("source=HYPER"), QStringLiteral("type=1")}),
                 EQuendraError);
}

} // namespace
