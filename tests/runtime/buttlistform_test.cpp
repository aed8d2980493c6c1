#include "harness.h"

#include "platform/help.h"
#include "platform/testscript.h"

#include <QCoreApplication>
#include "runtime/buttlistform.h"
#include "runtime/getinputtextform.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class ButtListFormTest : public QuendraTest {};

const QStringList Items = {"Apple", "banana", "Cherry pie", "apple tart", "Date"};

// Scripts the find dialog: types the text and presses the button (1 Find
// First, 2 Find Next, 0 Cancel).
void ScriptFind(const QString& text, int button)
{
    TestScript::OnModal(QStringLiteral("TGetInputTextForm"), [text, button](QDialog& d) {
        auto& f = static_cast<TGetInputTextForm&>(d);
        f.Edit1->setText(text);
        (button == 1 ? f.FindFirstBtn : button == 2 ? f.FindNextBtn : f.CancelBtn)->click();
    });
}

TEST_F(ButtListFormTest, ChoiceCloseAndCaption)
{
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Pick one"));
        EXPECT_EQ(f.ListBox1->count(), 5);
        EXPECT_EQ(f.ListBox1->currentRow(), 2);
        EXPECT_EQ(HelpContextOf(f.ListBox1), 310);
        f.ListBox1->setCurrentRow(3);
        f.SelectBtn->click();
    });
    EXPECT_EQ(SelectFromList(Items, 2, 310, QStringLiteral("Pick one")), 3);

    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Select an Entry "));
        f.CloseBtn->click();
    });
    EXPECT_EQ(SelectFromList(Items, 1, 0, QString()), -1);

    // An initial index outside the list selects nothing; Select then gives -1.
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        EXPECT_TRUE(f.ListBox1->selectedItems().isEmpty());
        f.SelectBtn->click();
    });
    EXPECT_EQ(SelectFromList(Items, 9, 0, QString()), -1);

    // Enter in the list chooses the current item.
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(f.ListBox1, &enter);
    });
    EXPECT_EQ(SelectFromList(Items, 4, 0, QString()), 4);

    // An empty list closes with -1 whatever is pressed.
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) { static_cast<TButtListForm&>(d).SelectBtn->click(); });
    EXPECT_EQ(SelectFromList({}, 0, 0, QString()), -1);
}

TEST_F(ButtListFormTest, FindRules)
{
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        // Find First ignores case and matches inside the text.
        ScriptFind(QStringLiteral("APPLE"), 1);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 0);
        EXPECT_TRUE(f.SelectBtn->hasFocus() || !f.isActiveWindow());
        // Find Next starts after the item found last; the dialog is opened
        // with the previous search text.
        TestScript::OnModal(QStringLiteral("TGetInputTextForm"), [](QDialog& d2) {
            auto& g = static_cast<TGetInputTextForm&>(d2);
            EXPECT_EQ(g.Edit1->text(), QStringLiteral("APPLE"));
            EXPECT_EQ(g.windowTitle(), QStringLiteral("Find"));
            g.FindNextBtn->click();
        });
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 3);
        // Find Next after the last match: nothing found, first item selected.
        f.ListBox1->setCurrentRow(4);
        ScriptFind(QStringLiteral("apple"), 2);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 0);
        // Find First again starts over.
        ScriptFind(QStringLiteral("pie"), 1);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 2);
        // A cancelled find selects the first item.
        ScriptFind(QStringLiteral("date"), 0);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 0);
        // A text found nowhere selects the first item.
        f.ListBox1->setCurrentRow(3);
        ScriptFind(QStringLiteral("zebra"), 1);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 0);
        // A miss keeps the item found last: Find Next goes on after "Cherry pie".
        ScriptFind(QStringLiteral("a"), 2);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 3);
        f.SelectBtn->click();
    });
    EXPECT_EQ(SelectFromList(Items, 0, 0, QString()), 3);

    // Find Next in a fresh list starts at the first item.
    OnModal(QStringLiteral("TButtListForm"), [](QDialog& d) {
        auto& f = static_cast<TButtListForm&>(d);
        ScriptFind(QStringLiteral("AN"), 2);
        f.FindBtn->click();
        EXPECT_EQ(f.ListBox1->currentRow(), 1);
        f.SelectBtn->click();
    });
    EXPECT_EQ(SelectFromList(Items, 4, 0, QString()), 1);
}

TEST_F(ButtListFormTest, AskFindTextResults)
{
    QString text = QStringLiteral("old");
    ScriptFind(QStringLiteral("new"), 0);
    EXPECT_EQ(AskFindText(text), 0);
    EXPECT_EQ(text, QStringLiteral("old"));
    ScriptFind(QStringLiteral("first"), 1);
    EXPECT_EQ(AskFindText(text), 1);
    EXPECT_EQ(text, QStringLiteral("first"));
    ScriptFind(QStringLiteral("next"), 2);
    EXPECT_EQ(AskFindText(text), 2);
    EXPECT_EQ(text, QStringLiteral("next"));
}

} // namespace
