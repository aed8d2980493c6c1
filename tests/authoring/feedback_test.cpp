// The score-group feedback comments window and its menu: the flags in the
// project file and the COMMS entries change together.
#include "attachtest.h"

#include "authoring/commentsform.h"
#include "authoring/hypmenuform.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int FlagsOffset = 90;   // GroupFeedbackDefined[0..10] in the project file

class FeedbackTest : public AttachTest {
protected:
    void SetUp() override
    {
        AttachTest::SetUp();
        SetConfigDefaults();
        SaveConfig();
    }
    QByteArray Flags() const { return Dir.Read(QStringLiteral("MATHS.QXJ")).mid(FlagsOffset, 11); }
    static QByteArray FlagBytes(std::initializer_list<int> set)
    {
        QByteArray b(11, '\0');
        for (int g : set)
            b[g] = 1;
        return b;
    }
    // The next showing of the comments window.
    static void Comments(std::function<void(TCommentsForm&)> act)
    {
        OnModal(QStringLiteral("TCommentsForm"), [act](QDialog& d) { act(static_cast<TCommentsForm&>(d)); });
    }
    static QStringList Marks(const TCommentsForm& f)
    {
        QStringList m;
        for (QLabel* p : f.Panels)
            m << p->text();
        return m;
    }
};

TEST_F(FeedbackTest, Group10IsDefinedThenDeletedWithoutAsking)
{
    Comments([](TCommentsForm& f) {
        EXPECT_EQ(HelpContextOf(&f), 305);
        EXPECT_EQ(f.GroupBox1->title(), QStringLiteral(" Customize Results Feedback "));
        EXPECT_EQ(f.RadioButtons[0]->text(), QStringLiteral("  Group 0"));
        EXPECT_EQ(f.RadioButtons[10]->text(), QStringLiteral("  Group 10 "));
        EXPECT_EQ(f.RadioButtons[10]->objectName(), QStringLiteral("RadioButton11"));
        EXPECT_EQ(f.Panels[10]->objectName(), QStringLiteral("Panel11"));
        EXPECT_FALSE(f.AddBtn->isEnabled());
        EXPECT_FALSE(f.DelBtn->isEnabled());
        EXPECT_EQ(Marks(f), QStringList(11, QString()));
        f.RadioButtons[10]->click();
        EXPECT_EQ(f.SelectedTag, 11);
        EXPECT_TRUE(f.AddBtn->isEnabled());
        EXPECT_FALSE(f.DelBtn->isEnabled());
        f.AddBtn->click();
    });
    Menu("THypMenuForm", [](TAttachMenuForm& m) {
        auto& h = static_cast<THypMenuForm&>(m);
        EXPECT_FALSE(h.EditMode);
        EXPECT_EQ(h.Label1->text(), QStringLiteral("Results Group :"));
        EXPECT_EQ(h.Edit1->text(), QStringLiteral("GROUP 10 FEEDBACK"));
        EXPECT_FALSE(h.Edit1->isEnabled());
        EXPECT_EQ(h.GroupBox1->title(), QStringLiteral(" Select Information type "));
        EXPECT_EQ(HelpContextOf(&h), 500);
        h.Button1->click();
    });
    TypeText(QStringLiteral("Top marks!"), 1);
    Menu("THypMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
    Comments([this](TCommentsForm& f) {
        // The entry and the eleventh flag are written before the window
        // shows again.
        EXPECT_EQ(Flags(), FlagBytes({10}));
        EXPECT_EQ(EntryNames(Entries()), QStringList({"GROUP 10 FEEDBACK/COMMS"}));
        EXPECT_EQ(f.Panels[10]->text(), QString(QChar(0x2713)));
        EXPECT_TRUE(f.DelBtn->isEnabled());
        f.DelBtn->click();   // no confirmation
        EXPECT_EQ(f.Panels[10]->text(), QString());
        EXPECT_FALSE(f.DelBtn->isEnabled());
        EXPECT_EQ(Flags(), FlagBytes({}));
        f.BitBtn1->click();
    });
    ShowCommentsForm();
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));
    EXPECT_EQ(Stored(QStringLiteral("GROUP 10 FEEDBACK"), QStringLiteral("COMMS")), QStringList());
}

TEST_F(FeedbackTest, MarksFollowTheFlagsAndEditingKeepsAGroupDefined)
{
    // Flags for groups 0 and 3; the entry file holds group 3 and group 5.
    TestConfig.GroupFeedbackDefined[0] = true;
    TestConfig.GroupFeedbackDefined[3] = true;
    SaveConfig();
    SetEntries(CommandEntryBytes("GROUP 3 FEEDBACK", "COMMS", 10, "well.htm")
               + CommandEntryBytes("GROUP 5 FEEDBACK", "COMMS", 13, "tips.txt"));
    const QString check(QChar(0x2713));
    Comments([&](TCommentsForm& f) {
        QStringList expected(11, QString());
        expected[0] = expected[3] = check;
        EXPECT_EQ(Marks(f), expected);
        // Group 2, cancelled: stays unmarked, its flag 0.
        f.RadioButtons[2]->click();
        EXPECT_FALSE(f.DelBtn->isEnabled());
        f.AddBtn->click();
    });
    Menu("THypMenuForm", [](TAttachMenuForm& m) { m.CancelBtn->click(); });
    Comments([&](TCommentsForm& f) {
        EXPECT_EQ(f.Panels[2]->text(), QString());
        EXPECT_EQ(Flags(), FlagBytes({0, 3}));
        // Group 5 has an entry but no flag: editing it, even cancelled,
        // marks it.
        f.RadioButtons[5]->click();
        f.AddBtn->click();
    });
    Menu("THypMenuForm", [](TAttachMenuForm& m) {
        auto& h = static_cast<THypMenuForm&>(m);
        EXPECT_TRUE(h.EditMode);
        EXPECT_EQ(h.Label1->text(), QStringLiteral("Results Group :"));
        EXPECT_EQ(h.Edit1->text(), QStringLiteral("GROUP 5 FEEDBACK"));
        EXPECT_EQ(h.GroupBox1->title(), QStringLiteral(" Select Information type "));
        EXPECT_TRUE(h.RadioButton9->isChecked());
        EXPECT_EQ(h.NoteName, QStringLiteral("tips.txt"));
        h.CancelBtn->click();
    });
    Comments([&](TCommentsForm& f) {
        EXPECT_EQ(f.Panels[5]->text(), check);
        EXPECT_TRUE(f.DelBtn->isEnabled());
        EXPECT_EQ(Flags(), FlagBytes({0, 3, 5}));
        // Group 0 is flagged but has no entry: Delete only clears the flag.
        f.RadioButtons[0]->click();
        EXPECT_TRUE(f.DelBtn->isEnabled());
        const QByteArray entries = Entries();
        f.DelBtn->click();
        EXPECT_EQ(Entries(), entries);
        EXPECT_EQ(f.Panels[0]->text(), QString());
        EXPECT_EQ(Flags(), FlagBytes({3, 5}));
        f.BitBtn1->click();
    });
    ShowCommentsForm();
    EXPECT_TRUE(MessageTexts().isEmpty());
}

TEST_F(FeedbackTest, DeleteWithNoEntryFileAndAFailedDelete)
{
    TestConfig.GroupFeedbackDefined[4] = true;
    SaveConfig();
    Comments([this](TCommentsForm& f) {
        f.RadioButtons[4]->click();
        f.DelBtn->click();
        EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));   // nothing created
        EXPECT_EQ(f.Panels[4]->text(), QString());
        EXPECT_EQ(Flags(), FlagBytes({}));
        f.BitBtn1->click();
    });
    ShowCommentsForm();
    EXPECT_TRUE(MessageTexts().isEmpty());

    // The entry file cannot be rewritten: the mark and the flag stay.
    TestConfig.GroupFeedbackDefined[4] = true;
    SaveConfig();
    SetEntries(CommandEntryBytes("GROUP 4 FEEDBACK", "COMMS", 10, "four.htm"));
    TImmutableFile locked(Dir.File(QStringLiteral("MATHS.QXR")));
    if (!locked.Active())
        GTEST_SKIP() << "the file system cannot lock a file";
    Comments([this](TCommentsForm& f) {
        f.RadioButtons[4]->click();
        ExpectMessage(QStringLiteral("Error"));
        f.DelBtn->click();
        EXPECT_EQ(f.Panels[4]->text(), QString(QChar(0x2713)));
        EXPECT_TRUE(f.DelBtn->isEnabled());
        EXPECT_EQ(Flags(), FlagBytes({4}));
        EXPECT_TRUE(TestConfig.GroupFeedbackDefined[4]);
        f.BitBtn1->click();
    });
    ShowCommentsForm();
    EXPECT_EQ(Entries(), CommandEntryBytes("GROUP 4 FEEDBACK", "COMMS", 10, "four.htm"));
}

} // namespace
