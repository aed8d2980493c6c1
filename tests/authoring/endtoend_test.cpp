// From a new project to a compiled test, through the dialogs only: three
// questions with formatted text, the middle one deleted, then compiled.

#include "authoringtest.h"

#include "app/mainform.h"
#include "app/makedirform.h"
#include "authoring/addquestionform.h"
#include "authoring/questeditform.h"
#include "authoring/taddtextform.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "platform/testscript.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace {

class EndToEndTest : public QuendraTest {};

quint32 Le32(const QByteArray& b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(b[at + i])) << (8 * i);
    return v;
}

// The compiled entry block the entry file must give: every entry's header,
// its bare source and its body lines up to its terminator, CR LF ended, then
// an 80-byte index record per entry.
QByteArray ExpectedEntryBlock(const QByteArray& entryFile)
{
    QList<QByteArray> lines = entryFile.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    QByteArray data;
    QList<QByteArray> index;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith('['))
            continue;
        const qsizetype start = 13 + data.size();
        QByteArray entry = lines[i] + "\r\n" + lines[i + 1].mid(7, 10) + "\r\n";
        qsizetype k = i + 2;
        for (; k < lines.size() && !lines[k].startsWith(']'); ++k)
            entry += lines[k] + "\r\n";
        data += entry;
        QByteArray rec(80, '\0');
        rec[0] = char(lines[i].size());
        std::memcpy(rec.data() + 1, lines[i].constData(), size_t(lines[i].size()));
        for (int b = 0; b < 4; ++b) {
            rec[61 + b] = char((quint32(start) >> (8 * b)) & 0xFF);
            rec[65 + b] = char((quint32(entry.size()) >> (8 * b)) & 0xFF);
        }
        const QByteArray source = lines[i + 1].mid(7, 10);
        rec[69] = char(source.size());
        std::memcpy(rec.data() + 70, source.constData(), size_t(source.size()));
        index << rec;
        i = k;
    }
    QByteArray block(13, '\0');
    block[0] = 3;
    block[1] = 'X';
    block[2] = 'R';
    block[3] = '1';
    const quint32 n = quint32(index.size()), at = quint32(13 + data.size());
    for (int b = 0; b < 4; ++b) {
        block[5 + b] = char((n >> (8 * b)) & 0xFF);
        block[9 + b] = char((at >> (8 * b)) & 0xFF);
    }
    block += data;
    for (const QByteArray& r : index)
        block += r;
    return block;
}

// One pass of the add loop through the main window's dialogs: the
// identifier, the numbers, the text typed and formatted in the editor.
struct TNewQuestion {
    QString Id, Answers, Correct, Text;
    int BoldFrom, BoldLength;   // made bold with the B button
    int ColourFrom, ColourLength, ColourItem;   // coloured with the colour list
};

void ScriptAdd(const TNewQuestion& q, bool another)
{
    TestScript::OnModal(QStringLiteral("TAddQuestionForm"), [q](QDialog& d) {
        auto& f = static_cast<TAddQuestionForm&>(d);
        f.Edit1->setText(q.Id);
        f.OKBtn->click();
    });
    TestScript::OnModal(QStringLiteral("TTAddTextForm"), [q](QDialog& d) {
        auto& f = static_cast<TTAddTextForm&>(d);
        f.Edit1->setText(q.Answers);
        f.Edit2->setText(q.Correct);
        f.Button1->click();
    });
    TestScript::OnModal(QStringLiteral("TQuestEditForm"), [q](QDialog& d) {
        auto& f = static_cast<TQuestEditForm&>(d);
        f.RichEdit1->SetText(q.Text);
        f.RichEdit1->Select(q.BoldFrom, q.BoldLength);
        f.BtnB->click();
        f.RichEdit1->Select(q.ColourFrom, q.ColourLength);
        f.ColorCombo->setCurrentIndex(q.ColourItem);
        Q_EMIT f.ColorCombo->activated(q.ColourItem);
        f.SaveBtn->click();
    });
    TestScript::OnModal(QStringLiteral("TTAddTextForm"), [](QDialog& d) {
        static_cast<TTAddTextForm&>(d).BitBtn1->click();
    });
    TestScript::AnswerMessage(QStringLiteral("Confirm"), another ? 1 : 0);
}

TEST_F(EndToEndTest, NewProjectThreeQuestionsDeleteTheMiddleOneAndCompile)
{
    TScratchDir dir;
    Ttestmainform form;
    TestScript::OnModal(QStringLiteral("TMakeDirForm"), [&](QDialog& d) {
        auto& f = static_cast<TMakeDirForm&>(d);
        f.Edit1->setText(dir.Path());
        f.Edit2->setText(QStringLiteral("QUIZ"));
        f.BitBtn1->click();
    });
    form.StartBtnClick();
    ASSERT_EQ(ProjectPath, dir.File(QStringLiteral("QUIZ.QXJ")));
    EXPECT_TRUE(form.AddBtn->isEnabled());
    EXPECT_FALSE(form.EditBtn->isEnabled());

    ScriptAdd({"Capital", "3", "2", "The capital of France is: A Lyon B Paris C Nice", 25, 7, 32, 5, 10}, true);
    ScriptAdd({"Sum", "2", "1", "2 + 2 = ? A 4 B 5", 0, 5, 10, 1, 13}, true);
    ScriptAdd({"River", "4", "4", "The longest river: A Rhine B Thames C Seine D Nile", 4, 7, 44, 6, 3}, false);
    form.AddBtnClick();
    EXPECT_TRUE(form.CompileBtn->isEnabled());
    ASSERT_EQ(dir.Read(QStringLiteral("QUIZ.QXQ")).size(), 165);

    ChooseFromList(1);
    TestScript::AnswerMessage(QStringLiteral("Confirm"), 1);
    form.DeleteBtnClick();

    const QByteArray questions = dir.Read(QStringLiteral("QUIZ.QXQ"));
    EXPECT_EQ(questions, RecordBytes({"Capital", 3, 2}) + RecordBytes({"River", 4, 4}));
    const QByteArray entries = dir.Read(QStringLiteral("QUIZ.QXR"));
    EXPECT_EQ(EntryNames(entries), QStringList({"Capital/QUEST", "River/QUEST"}));
    // The formats typed in the editor are in the stored text.
    EXPECT_TRUE(entries.contains("\\b")) << entries.constData();
    EXPECT_TRUE(entries.contains("\\red255\\green0\\blue0")) << entries.constData();   // clRed
    EXPECT_TRUE(entries.contains("\\red0\\green128\\blue0")) << entries.constData();   // clGreen
    EXPECT_FALSE(entries.contains("2 + 2"));

    TestScript::AnswerMessage(QStringLiteral("Information"));
    form.CompileBtnClick();
    EXPECT_EQ(TestScript::ShownMessages().last().Text,
              QStringLiteral("The Test QUIZ.QXC has been compiled. Use the command VISTREL QUIZ.QXC to display it."));

    const QByteArray compiled = dir.Read(QStringLiteral("QUIZ.QXC"));
    const QByteArray block = ExpectedEntryBlock(entries);
    ASSERT_EQ(compiled.size(), 5440 + block.size() + 110);
    EXPECT_EQ(compiled.left(5428), dir.Read(QStringLiteral("QUIZ.QXJ")));
    EXPECT_EQ(Le32(compiled, 5428), 5440u);
    EXPECT_EQ(Le32(compiled, 5432), quint32(5440 + block.size()));
    EXPECT_EQ(Le32(compiled, 5436), 2u);
    EXPECT_EQ(compiled.mid(5440, block.size()), block);
    EXPECT_EQ(compiled.right(110), questions);
    EXPECT_FALSE(dir.Exists(QStringLiteral("QUIZ.$$$")));
}

} // namespace
