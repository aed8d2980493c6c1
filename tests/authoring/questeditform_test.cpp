// The question text editor: the toolbar follows the selection, formats are
// applied and stored, and the text entry is written under the identifier
// without touching entries of other sources that share its name.

#include "authoringtest.h"

#include "authoring/questeditform.h"
#include "model/projectfiles.h"
#include "platform/help.h"
#include "platform/richedit.h"
#include "platform/testscript.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace {

class QuestEditTest : public AuthoringTest {
protected:
    static TQuestionRecord Record(const QByteArray& identifier)
    {
        TQuestionRecord r;
        std::memcpy(&r, RecordBytes({identifier, 4, 1}).constData(), 55);
        return r;
    }
    static void Choose(QComboBox* combo, const QString& text)
    {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        Q_EMIT combo->activated(i);
    }
    // Two different font families of this desktop.
    static QStringList TwoFonts(const TQuestEditForm& f)
    {
        EXPECT_GE(f.FontNameCombo->count(), 2);
        return {f.FontNameCombo->itemText(0), f.FontNameCombo->itemText(1)};
    }
};

TEST_F(QuestEditTest, ToolbarShowsOnlyWhatTheWholeSelectionShares)
{
    TQuestEditForm f;
    f.Load(true, Record("Q1"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(HelpContextOf(&f), 150);
    EXPECT_EQ(f.size(), QSize(640, 480));
    EXPECT_EQ(f.ColorCombo->count(), 17);
    EXPECT_EQ(f.sizeCombo->count(), 13);
    EXPECT_EQ(f.sizeCombo->itemText(12), QStringLiteral("72"));
    EXPECT_EQ(f.ColorCombo->ItemColour(10), 0x0000FFu);   // clRed
    EXPECT_EQ(f.ColorCombo->ItemColour(13), 0xFF0000u);   // clBlue
    EXPECT_TRUE(f.ColorCombo->itemText(5).isEmpty());      // swatches only
    const QStringList fonts = TwoFonts(f);

    f.RichEdit1->SetText(QStringLiteral("Hello World"));
    f.RichEdit1->Select(0, 5);
    Choose(f.FontNameCombo, fonts[0]);
    Choose(f.sizeCombo, QStringLiteral("12"));
    f.BtnB->click();
    f.RichEdit1->Select(6, 5);
    Choose(f.FontNameCombo, fonts[1]);
    Choose(f.sizeCombo, QStringLiteral("20"));
    f.ColorCombo->setCurrentIndex(10);
    Q_EMIT f.ColorCombo->activated(10);
    f.BtnH->click();

    // Two fonts, two sizes, bold on one part only: nothing shown.
    f.RichEdit1->Select(0, 11);
    EXPECT_EQ(f.FontNameCombo->currentIndex(), -1);
    EXPECT_TRUE(f.sizeCombo->currentText().isEmpty());
    EXPECT_FALSE(f.BtnB->isChecked());
    EXPECT_FALSE(f.BtnH->isChecked());
    EXPECT_EQ(f.ColorCombo->currentIndex(), -1);

    f.RichEdit1->Select(1, 3);
    EXPECT_EQ(f.FontNameCombo->currentText(), fonts[0]);
    EXPECT_EQ(f.sizeCombo->currentText(), QStringLiteral("12"));
    EXPECT_TRUE(f.BtnB->isChecked());
    EXPECT_FALSE(f.BtnI->isChecked());

    f.RichEdit1->Select(7, 3);
    EXPECT_EQ(f.FontNameCombo->currentText(), fonts[1]);
    EXPECT_EQ(f.sizeCombo->currentText(), QStringLiteral("20"));
    EXPECT_EQ(f.ColorCombo->currentIndex(), 10);
    EXPECT_TRUE(f.BtnH->isChecked());
    EXPECT_FALSE(f.BtnB->isChecked());

    // One font, two sizes: the name is shown, the size box is empty.
    f.RichEdit1->Select(0, 11);
    Choose(f.FontNameCombo, fonts[0]);
    f.RichEdit1->Select(0, 11);
    EXPECT_EQ(f.FontNameCombo->currentText(), fonts[0]);
    EXPECT_TRUE(f.sizeCombo->currentText().isEmpty());

    // A typed size is applied on Enter; nonsense puts the box back.
    f.RichEdit1->Select(0, 5);
    f.sizeCombo->setEditText(QStringLiteral("30"));
    Q_EMIT f.sizeCombo->lineEdit()->returnPressed();
    EXPECT_EQ(f.RichEdit1->SelAttributes().Size, 30);
    f.sizeCombo->setEditText(QStringLiteral("abc"));
    Q_EMIT f.sizeCombo->lineEdit()->returnPressed();
    EXPECT_EQ(f.RichEdit1->SelAttributes().Size, 30);
    EXPECT_EQ(f.sizeCombo->currentText(), QStringLiteral("30"));

    // Up again removes the style.
    f.RichEdit1->Select(0, 5);
    ASSERT_TRUE(f.BtnB->isChecked());
    f.BtnB->click();
    f.RichEdit1->Select(0, 5);
    EXPECT_FALSE(f.RichEdit1->SelAttributes().Bold);
    EXPECT_FALSE(f.BtnB->isChecked());
}

TEST_F(QuestEditTest, SaveWritesTheTextEntryAndKeepsAHyperlinkOfTheSameName)
{
    // A hyperlink phrase equal to the identifier already exists.
    const QByteArray hyper = CommandEntryBytes("Q1", "HYPER", 10, "page.htm");
    SetEntries(hyper);
    TQuestionRecord rec = Record("Q1");
    OnModal(QStringLiteral("TQuestEditForm"), [&](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        EXPECT_EQ(f.RichEdit1->TextLength(), 0);   // the hyperlink is not a question text
        f.RichEdit1->SetText(QStringLiteral("What is 2+2? [A] 3 [B] 4"));
        f.RichEdit1->Select(8, 3);
        f.BtnB->click();
        TestScript::Answer(QStringLiteral("colour"), QVariant(QColor(255, 255, 0)));
        f.Button1->click();
        f.SaveBtn->click();
    });
    EXPECT_TRUE(RunQuestionTextEditor(true, rec));
    EXPECT_EQ(quint32(rec.TextBackColor), 0x0000FFFFu);
    QByteArray entries = Entries();
    ASSERT_TRUE(entries.startsWith(hyper));
    QByteArray quest = entries.mid(hyper.size());
    EXPECT_TRUE(quest.startsWith("[Q1]\r\nsource=QUEST\r\ntext=\r\n{\\rtf1")) << quest.constData();
    EXPECT_TRUE(quest.endsWith("}\r\n]\r\n\r\n")) << quest.constData();
    EXPECT_TRUE(quest.contains("\\b")) << quest.constData();
    EXPECT_TRUE(quest.contains("\\'5bA\\'5d")) << quest.constData();

    // Reopened: the text, its bold word and the background come back;
    // Cancel answers true because the question has a text.
    OnModal(QStringLiteral("TQuestEditForm"), [&](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("What is 2+2? [A] 3 [B] 4"));
        EXPECT_EQ(f.RichEdit1->Color(), QColor(255, 255, 0));
        f.RichEdit1->Select(8, 3);
        EXPECT_TRUE(f.BtnB->isChecked());
        f.RichEdit1->Select(0, 4);
        EXPECT_FALSE(f.BtnB->isChecked());
        f.OKBtn->click();
    });
    EXPECT_TRUE(RunQuestionTextEditor(false, rec));
    EXPECT_EQ(Entries(), entries);

    // Saved again: replaced in place, the hyperlink untouched.
    OnModal(QStringLiteral("TQuestEditForm"), [&](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        f.RichEdit1->SetText(QStringLiteral("Changed"));
        f.SaveBtn->click();
    });
    EXPECT_TRUE(RunQuestionTextEditor(false, rec));
    entries = Entries();
    ASSERT_TRUE(entries.startsWith(hyper));
    EXPECT_EQ(EntryNames(entries), QStringList({"Q1/HYPER", "Q1/QUEST"}));
    EXPECT_TRUE(entries.contains("Changed"));
    EXPECT_FALSE(entries.contains("What is"));
}

TEST_F(QuestEditTest, EmptyTextStoresNothing)
{
    TQuestionRecord rec = Record("Q2");
    OnModal(QStringLiteral("TQuestEditForm"), [](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        f.RichEdit1->SetText(QStringLiteral("typed and cleared"));
        f.Button2->click();
        EXPECT_EQ(f.RichEdit1->TextLength(), 0);
        f.SaveBtn->click();
    });
    EXPECT_FALSE(RunQuestionTextEditor(true, rec));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));
    // Cancel of a question without a text answers false.
    OnModal(QStringLiteral("TQuestEditForm"), [](QDialog& d) { static_cast<TQuestEditForm&>(d).OKBtn->click(); });
    EXPECT_FALSE(RunQuestionTextEditor(true, rec));
}

TEST_F(QuestEditTest, ImportReplacesTheTextAndAFailedImportKeepsIt)
{
    Dir.Write(QStringLiteral("plain.txt"), QByteArray("Caf\xC3\xA9 line one\r\nline two\r\n"));
    Dir.Write(QStringLiteral("latin.txt"), QByteArray("Caf\xE9"));
    Dir.Write(QStringLiteral("styled.rtf"), QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Some \\b bold\\b0  text\\par}"));
    TQuestEditForm f;
    f.Load(true, Record("Q1"));
    EXPECT_FALSE(f.RichEdit1->Modified());

    TestScript::Answer(QStringLiteral("open"), QVariant(Dir.File(QStringLiteral("plain.txt"))));
    f.ImportBtn->click();
    EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Caf\u00e9 line one\nline two"));
    EXPECT_TRUE(f.RichEdit1->Modified());

    TestScript::Answer(QStringLiteral("open"), QVariant(Dir.File(QStringLiteral("latin.txt"))));
    f.ImportBtn->click();
    EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Caf\u00e9"));

    TestScript::Answer(QStringLiteral("open"), QVariant(Dir.File(QStringLiteral("styled.rtf"))));
    f.ImportBtn->click();
    EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Some bold text"));
    f.RichEdit1->Select(5, 4);
    EXPECT_TRUE(f.BtnB->isChecked());

    TestScript::Answer(QStringLiteral("open"), QVariant(Dir.File(QStringLiteral("gone.txt"))));
    ExpectMessage(QStringLiteral("Error"));
    f.ImportBtn->click();
    EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Some bold text"));

    // Cancelled: nothing changes.
    TestScript::Answer(QStringLiteral("open"), QVariant());
    f.ImportBtn->click();
    EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Some bold text"));
}

TEST_F(QuestEditTest, HyperlinkDefinitionTakesTheEditorDownAndBringsItBack)
{
    TQuestionRecord rec = Record("Q1");
    OnModal(QStringLiteral("TQuestEditForm"), [](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        f.RichEdit1->SetText(QStringLiteral("Kept across"));
        f.Button10->click();
    });
    // The hyperlink window shows the text as it stands in the editor.
    OnModal(QStringLiteral("Thypaddform"), [](QDialog& d) {
        auto* text = d.findChild<TRichEdit*>(QStringLiteral("RichEdit1"));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->Text().trimmed(), QStringLiteral("Kept across"));
        d.accept();
    });
    OnModal(QStringLiteral("TQuestEditForm"), [](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        EXPECT_EQ(f.RichEdit1->Text(), QStringLiteral("Kept across"));
        f.OKBtn->click();
    });
    EXPECT_FALSE(RunQuestionTextEditor(true, rec));
    EXPECT_FALSE(Dir.Exists(QStringLiteral("MATHS.QXR")));   // the button saves nothing
}

} // namespace
