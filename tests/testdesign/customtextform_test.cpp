// The texts dialog: what Save writes where, what Cancel and Defaults leave.
#include "designtest.h"

#include "model/testconfig.h"
#include "platform/testscript.h"
#include "testdesign/testpresentation.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// Offsets of the record, counted by hand from its layout.
constexpr int ContinueAt = 657, ReservedAt = 670, NextAt = 683, QuitSaveAt = 722, ToTakeAt = 842,
              MaxStartAt = 884, AllLostAt = 1021, CompleteAt = 1092;
constexpr int CaptionsAt = 1383 + 3217;   // Presentation, then its caption set
constexpr int QuitAt = CaptionsAt + 34, PrintAt = CaptionsAt + 68, FindAt = CaptionsAt + 85,
              MediaAt = CaptionsAt + 102;

void Type(QDialog& d, const char* edit, const QString& text) { Child<QLineEdit>(d, edit)->setText(text); }

} // namespace

class TextsTest : public DesignTest {};

TEST_F(TextsTest, SaveWritesEachTextAtItsFieldCutToItsCapacity)
{
    OnModal(QStringLiteral("TCustomTextForm"), [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_EQ(Child<QLineEdit>(d, "Quitsaveedit")->text(), QStringLiteral("Quit && &Sav"));
        Type(d, "Quitedit", QStringLiteral("&Stop"));
        Type(d, "ContinueEdit", QStringLiteral("&Go on"));
        // 29 characters may be typed here; the field keeps 20.
        Type(d, "totakeEdit", QStringLiteral("How many questions to tak"));
        Type(d, "AVIedit", QStringLiteral("Press Play"));
        Type(d, "AllLostedit", QStringLiteral("Lose everything?"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeTexts();
    ExpectOnly(Before, ProjectFile(),
               {{QuitAt, Str("&Stop")},
                {ContinueAt, Str("&Go on")},
                {ToTakeAt, Str("How many questions t")},
                {MediaAt, Str("Press Play")},
                {AllLostAt, Str("Lose everything?")}});
    EXPECT_EQ(MediaPrompt, QStringLiteral("Press Play"));
    EXPECT_EQ(TestConfig.QuestionsToTakeText.str(), QStringLiteral("How many questions t"));
}

TEST_F(TextsTest, DefaultsThenCancelChangesNothingNotEvenTheMediaPrompt)
{
    QByteArray record = DefaultRecord();
    PutStr(record, NextAt, "Weiter");
    PutStr(record, MediaAt, "Go");
    UseRecord(record);
    ASSERT_EQ(MediaPrompt, QStringLiteral("Go"));
    const QByteArray memory(reinterpret_cast<const char*>(&TestConfig), 5428);
    OnModal(QStringLiteral("TCustomTextForm"), [](QDialog& d) {
        Type(d, "Passedit", QStringLiteral("Skip"));
        Child<QPushButton>(d, "DefaultBtn")->click();
        EXPECT_EQ(Child<QLineEdit>(d, "NextEdit")->text(), QStringLiteral("&Next"));
        EXPECT_EQ(Child<QLineEdit>(d, "AVIedit")->text(), QStringLiteral("Press the Start button"));
        // The prompt of the program waits for Save.
        EXPECT_EQ(MediaPrompt, QStringLiteral("Go"));
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeTexts();
    EXPECT_EQ(ProjectFile(), Before);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&TestConfig), 5428), memory);
    EXPECT_EQ(MediaPrompt, QStringLiteral("Go"));
}

TEST_F(TextsTest, DefaultsThenSaveWritesTheDefaultTextsAndCaptions)
{
    QByteArray record = DefaultRecord();
    PutStr(record, NextAt, "Weiter");
    PutStr(record, ReservedAt, "X");
    PutStr(record, QuitSaveAt, "Q");
    PutStr(record, MediaAt, "Go");
    PutStr(record, PrintAt, "Drucken");
    PutStr(record, FindAt, "Suchen");
    UseRecord(record);
    OnModal(QStringLiteral("TCustomTextForm"), [](QDialog& d) {
        Child<QPushButton>(d, "DefaultBtn")->click();
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeTexts();
    // Bytes after a shorter text are left behind; only length and text count.
    const QByteArray after = ProjectFile();
    EXPECT_EQ(after.mid(NextAt, 6), Str("&Next"));
    EXPECT_EQ(after.mid(ReservedAt, 6), Str("&Quit"));
    EXPECT_EQ(after.mid(QuitSaveAt, 13), Str("Quit && &Sav"));
    EXPECT_EQ(after.mid(MediaAt, 23), Str("Press the Start button"));
    EXPECT_EQ(after.mid(PrintAt, 7), Str("&Print"));
    EXPECT_EQ(after.mid(FindAt, 6), Str("&Find"));
    EXPECT_EQ(after.mid(MaxStartAt, 34), Str("The maximum starting question is "));
    EXPECT_EQ(MediaPrompt, QStringLiteral("Press the Start button"));
    // Nothing outside the texts moved.
    EXPECT_EQ(after.left(ContinueAt), record.left(ContinueAt));
    EXPECT_EQ(after.mid(1383, 3217), record.mid(1383, 3217));
    EXPECT_EQ(after.mid(CaptionsAt + 128), record.mid(CaptionsAt + 128));
}

TEST_F(TextsTest, StoredTextsLongerThanTheirEditsSurviveASave)
{
    QByteArray record = DefaultRecord();
    const QByteArray longStart(55, 'm');    // field of 60, edit of 40
    const QByteArray longComplete(58, 'c'); // field of 60, edit of 45
    const QByteArray longQuit("&Leave the test!");   // 16: field of 16, edit of 12
    PutStr(record, MaxStartAt, longStart);
    PutStr(record, CompleteAt, longComplete);
    PutStr(record, QuitAt, longQuit);
    // Bytes after a text are not significant and stay as they are.
    record[ContinueAt + 1 + 9] = 'Z';
    UseRecord(record);
    OnModal(QStringLiteral("TCustomTextForm"), [&](QDialog& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "MaxStartQEdit")->text().toLatin1(), longStart);
        EXPECT_EQ(Child<QLineEdit>(d, "Quitedit")->text().toLatin1(), longQuit);
        Type(d, "RetakeQ", QStringLiteral("Again?"));
        Child<QPushButton>(d, "SaveBtn")->click();
    });
    CustomizeTexts();
    ExpectOnly(Before, ProjectFile(), {{1337, Str("Again?")}});
}

TEST_F(TextsTest, AFailingDiskKeepsTheDialogTheRecordAndTheFile)
{
    OnModal(QStringLiteral("TCustomTextForm"), [this](QDialog& d) {
        Type(d, "NextEdit", QStringLiteral("&Onward"));
        Type(d, "AVIedit", QStringLiteral("Press Play"));
        TestScript::AnswerMessage(QStringLiteral("Error"), 0, [](const QString& text) {
            EXPECT_TRUE(text.contains(QStringLiteral("MATHS.QXJ"))) << text.toStdString();
        });
        {
            TFileSizeLimit full(100);
            Child<QPushButton>(d, "SaveBtn")->click();
        }
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(TestConfig.NextCaption.str(), QStringLiteral("&Next"));
        EXPECT_EQ(MediaPrompt, QStringLiteral("Press the Start button"));
        EXPECT_EQ(Files(), QStringList{QStringLiteral("MATHS.QXJ")});
        Child<QPushButton>(d, "CancelBtn")->click();
    });
    CustomizeTexts();
    EXPECT_EQ(ProjectFile(), Before);
}
