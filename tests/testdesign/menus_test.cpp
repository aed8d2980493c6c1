// The test presentation menu and the results menu: enabling rules, and the
// menu still up (its modal loop running) after each dialog it opens.
#include "designtest.h"

#include "model/testconfig.h"
#include "platform/testscript.h"
#include "testdesign/testpresentation.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QPushButton>

namespace {

// Cancels the next dialog of the class, after checking that the menu under
// it is out of sight and the dialog itself on the screen.
void CancelNext(const char* className, const char* button = "CancelBtn")
{
    TestScript::OnModal(QString::fromLatin1(className), [button](QDialog& d) {
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        EXPECT_TRUE(desktop.contains(d.frameGeometry().center()));
        QWidget* menu = d.parentWidget();
        EXPECT_TRUE(menu && menu->isVisible() && !desktop.intersects(menu->frameGeometry()));
        Child<QPushButton>(d, button)->click();
    });
}

// Counts the times a window is hidden. Hiding a dialog inside its modal
// loop ends that loop, even when it is shown again at once; then the menu
// would be gone the moment its first dialog closed.
class THideCounter : public QObject {
public:
    explicit THideCounter(QWidget* w) { w->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            ++Count;
        return false;
    }
};

// Presses the button of the menu and checks that the menu stayed up, its
// loop running, through the dialog it opened, and has the focus back on
// that button.
void PressAndExpectBack(QDialog& menu, const char* button)
{
    auto* b = Child<QPushButton>(menu, button);
    THideCounter hides(&menu);
    const QPoint home = menu.pos();
    b->click();
    EXPECT_EQ(hides.Count, 0) << button;
    EXPECT_EQ(menu.pos(), home) << button;
    EXPECT_TRUE(menu.isVisible()) << button;
    EXPECT_EQ(menu.focusWidget(), b) << button;
}

} // namespace

class MenusTest : public DesignTest {};

TEST_F(MenusTest, TheMenuComesBackAfterEveryDialogAndFollowsTheResultFunctions)
{
    QByteArray record = DefaultRecord();
    record[9] = 0;   // no results graph: all four result functions off
    UseRecord(record);
    OnModal(QStringLiteral("TTCustForm"), [](QDialog& menu) {
        EXPECT_EQ(menu.windowTitle(), QStringLiteral("Press F1 for Help"));
        EXPECT_FALSE(Child<QPushButton>(menu, "ResultsBtn")->isEnabled());
        CancelNext("TCustomTextForm");
        PressAndExpectBack(menu, "TextBtn");
        CancelNext("TQuestPresentForm");
        PressAndExpectBack(menu, "QuestBtn");
        // Switching the swap file on enables the results menu on return.
        OnModal(QStringLiteral("TFunctionsForm"), [](QDialog& d) {
            Child<QCheckBox>(d, "CheckBox5")->click();
            Child<QPushButton>(d, "SaveBtn")->click();
        });
        PressAndExpectBack(menu, "FunctBtn");
        EXPECT_TRUE(Child<QPushButton>(menu, "ResultsBtn")->isEnabled());

        OnModal(QStringLiteral("TResMenuForm"), [](QDialog& results) {
            // Swap file only: score groups, nothing else.
            EXPECT_FALSE(Child<QPushButton>(results, "GraphBtn")->isEnabled());
            EXPECT_TRUE(Child<QPushButton>(results, "GroupsBtn")->isEnabled());
            EXPECT_FALSE(Child<QPushButton>(results, "FeedbackBtn")->isEnabled());
            EXPECT_FALSE(Child<QPushButton>(results, "InputBtn")->isEnabled());
            EXPECT_FALSE(Child<QPushButton>(results, "OutputBtn")->isEnabled());
            EXPECT_TRUE(Child<QPushButton>(results, "CloseBtn")->isEnabled());
            EXPECT_EQ(results.focusWidget(), Child<QPushButton>(results, "GroupsBtn"));
            CancelNext("TGroupScoreForm");
            PressAndExpectBack(results, "GroupsBtn");
            CancelNext("TGroupScoreForm");
            PressAndExpectBack(results, "GroupsBtn");
            Child<QPushButton>(results, "CloseBtn")->click();
        });
        PressAndExpectBack(menu, "ResultsBtn");
        Child<QPushButton>(menu, "CloseBtn")->click();
    });
    TestPresentationMenu();
    ExpectOnly(Before, ProjectFile(), {{15, QByteArray(1, 1)}});
}

TEST_F(MenusTest, TheResultsMenuOffersWhatTheFunctionsUse)
{
    QByteArray record = DefaultRecord();
    record[9] = 1;    // results graph
    record[13] = 1;   // results to the printer
    UseRecord(record);
    OnModal(QStringLiteral("TResMenuForm"), [](QDialog& results) {
        for (const char* b : {"GraphBtn", "GroupsBtn", "FeedbackBtn", "InputBtn", "OutputBtn"})
            EXPECT_TRUE(Child<QPushButton>(results, b)->isEnabled()) << b;
        CancelNext("TQDesignRForm");
        PressAndExpectBack(results, "GraphBtn");
        CancelNext("TStudentInputForm");
        PressAndExpectBack(results, "InputBtn");
        CancelNext("TDataFileFormat");
        PressAndExpectBack(results, "OutputBtn");
        CancelNext("TCommentsForm", "BitBtn1");
        PressAndExpectBack(results, "FeedbackBtn");
        Child<QPushButton>(results, "CloseBtn")->click();
    });
    CustomizeResults();
    EXPECT_EQ(ProjectFile(), Before);
}
