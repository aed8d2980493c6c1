// Pre-View: the whole test taken in the tool through the real question
// screens, with the settings read back afterwards.
#include "authoringtest.h"

#include "authoring/questionlist.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/richedit.h"
#include "runtime/qtextdisplayform.h"
#include "runtime/runstate.h"

#include "model/errors.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

class PreviewTestCase : public AuthoringTest {
protected:
    void SetUp() override
    {
        AuthoringTest::SetUp();
        HelpFilePath = Dir.File(QStringLiteral("QUEDRIX.HLP"));
        SetCurrentHelpFile(HelpFilePath);
        SetConfigDefaults();
        TestConfig.AllowPass = true;
        TestConfig.AllowQuitSave = true;
        TestConfig.Program.UseHelpFile = true;
        TestConfig.Program.HelpFile = QStringLiteral("maths.htm");
        TestConfig.Presentation.Captions.MediaStartText = QStringLiteral("Press Play");
        SaveConfig();
        // A, a question marked deleted, then C and D.
        QByteArray deleted = RecordBytes({"B"});
        deleted[0] = 1;
        QByteArray used = RecordBytes({"C", 3, 2});
        used[1] = 1;   // run-time bytes left in a stored record
        used[2] = 3;
        SetQuestions(RecordBytes({"A"}) + deleted + used + RecordBytes({"D", 2, 2}));
        SetEntries(QuestEntryBytes("A", {"{\\rtf1 First\\par", "}"}) + QuestEntryBytes("C", {"{\\rtf1 Third\\par", "}"}));
    }

    // The next question screen: checks what it shows, then acts.
    void Screen(const QString& text, const std::function<void(TTQtextDisplayForm&)>& act)
    {
        OnModal(QStringLiteral("TTQtextDisplayForm"), [=, this](QDialog& d) {
            auto& form = static_cast<TTQtextDisplayForm&>(d);
            EXPECT_EQ(form.RichEdit1->Text().trimmed(), text);
            act(form);
        });
    }
};

TEST_F(PreviewTestCase, ATestTakenInTheToolLeavesTheSettingsAsStored)
{
    Screen(QStringLiteral("First"), [this](TTQtextDisplayForm& f) {
        // The test's help file while the run shows its first question.
        EXPECT_EQ(CurrentHelpFile(), Dir.File(QStringLiteral("maths.htm")));
        EXPECT_TRUE(f.PassBtn->isVisible());
        EXPECT_EQ(f.ShowTquestlbl->text(), QStringLiteral("3"));   // the deleted question is not taken
        f.Button1->click();
        f.NextBitBtn->click();
    });
    Screen(QStringLiteral("Third"), [](TTQtextDisplayForm& f) {
        EXPECT_FALSE(f.QuitSaveBtn->isVisible());
        f.PassBtn->click();
    });
    Screen(QString(), [](TTQtextDisplayForm& f) {   // no text entry: an empty text
        f.Button1->click();                          // wrong
        EXPECT_TRUE(f.ContBitBtn->isVisible());
        f.ContBitBtn->click();
    });
    ExpectMessage(QStringLiteral("Confirm"), 1);   // retake the passed one
    Screen(QStringLiteral("Third"), [](TTQtextDisplayForm& f) {
        EXPECT_FALSE(f.PassBtn->isVisible());
        EXPECT_EQ(f.QDoneLbl->text(), QStringLiteral("2"));
        f.Button2->click();
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TTResultsForm"), [](QDialog& d) { d.accept(); });
    PreviewTest();
    EXPECT_EQ(MessageTexts().value(0), QStringLiteral("1 questions(s) were passed.\r\n\r\rDo you want to retake them?"));
    EXPECT_EQ(CorrectCount, 2);
    EXPECT_EQ(ScorePercent, 66);
    EXPECT_TRUE(TestConfig.AllowPass);   // cleared by the run, read back from the project file
    EXPECT_EQ(MediaPrompt, QStringLiteral("Press Play"));
    EXPECT_EQ(CurrentHelpFile(), HelpFilePath);
    EXPECT_EQ(TestQuestionList.Count(), 0);
    EXPECT_FALSE(RunEntries);
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.sav")));
}

TEST_F(PreviewTestCase, QuitAndSaveLeavesTheSavedRunInTheProjectFolder)
{
    Screen(QStringLiteral("First"), [](TTQtextDisplayForm& f) {
        f.Button1->click();
        EXPECT_TRUE(f.QuitSaveBtn->isVisible());
        f.QuitSaveBtn->click();
    });
    PreviewTest();
    const QByteArray saved = Dir.Read(QStringLiteral("MATHS.sav"));
    ASSERT_EQ(saved.size(), 3 * 55);
    EXPECT_EQ(saved.mid(0, 6), QByteArray("\x01\x01\x01\x00\x00\x00", 6));
    EXPECT_EQ(saved.mid(55, 6), QByteArray(6, '\0'));   // C starts clean
    EXPECT_EQ(saved.mid(55 + 6, 2), QByteArray("\x01" "C", 2));

    // The next Pre-View resumes at C.
    Screen(QStringLiteral("Third"), [](TTQtextDisplayForm& f) {
        EXPECT_EQ(f.QDoneLbl->text(), QStringLiteral("1"));
        f.Button2->click();
        f.NextBitBtn->click();
    });
    Screen(QString(), [](TTQtextDisplayForm& f) {
        f.Button2->click();
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TTResultsForm"), [](QDialog& d) { d.accept(); });
    PreviewTest();
    EXPECT_EQ(CorrectCount, 3);
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.sav")));
}

} // namespace

namespace {

TEST_F(PreviewTestCase, AFailedSaveEndsTheRunAndStillRestoresTheTool)
{
    // A folder in the saved run's place: the run starts afresh, and Quit &
    // Save cannot write.
    ASSERT_TRUE(QDir(Dir.Path()).mkdir(QStringLiteral("MATHS.sav")));
    Screen(QStringLiteral("First"), [](TTQtextDisplayForm& f) {
        f.Button1->click();
        f.QuitSaveBtn->click();
    });
    bool failed = false;
    try {
        PreviewTest();
    } catch (const EQuendraError& e) {
        failed = true;
        EXPECT_TRUE(e.Message().contains(QStringLiteral("MATHS.sav"))) << e.Message().toStdString();
    }
    EXPECT_TRUE(failed);
    EXPECT_TRUE(TestConfig.AllowPass);
    EXPECT_EQ(CurrentHelpFile(), HelpFilePath);
    EXPECT_EQ(TestQuestionList.Count(), 0);
    EXPECT_FALSE(RunEntries);
}

} // namespace
