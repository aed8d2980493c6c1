// Keyboard and screen readers: every control of every dialog is reached by
// Tab, announces its visible caption, and no two accelerators of a dialog
// share a letter.
#include "designtest.h"

#include "platform/help.h"
#include "platform/testscript.h"
#include "testdesign/designlook.h"
#include "testdesign/testpresentation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

namespace {

bool IsControl(const QWidget* w)
{
    return w->isVisibleTo(w->window()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// The accelerator letter of a caption ("Score &Bar" -> 'B'), 0 for none.
QChar Accelerator(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return QChar();
}

void CheckForm(QDialog& d, int helpContext, const char* className)
{
    SCOPED_TRACE(className);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(d.toolTip(), QStringLiteral(" Press F1 for Help"));
    EXPECT_EQ(HelpContextOf(&d), helpContext);
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0, 128, 128));

    // F1 opens the help at the dialog's context (there is no help file in
    // the test folder, hence the message).
    TestScript::AnswerMessage(QStringLiteral("Error"));
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d.focusWidget(), &f1);
    const QStringList help = TestScript::Logged(QStringLiteral("help"));
    ASSERT_FALSE(help.isEmpty());
    EXPECT_TRUE(help.last().endsWith(QStringLiteral("#%1").arg(helpContext))) << help.last().toStdString();

    // Every control announces a name; an edit announces its label.
    QSet<QWidget*> controls;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (!IsControl(w))
            continue;
        controls.insert(w);
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(w->accessibleName(), PlainCaption(b->text())) << w->objectName().toStdString();
        }
    }
    for (QLabel* l : d.findChildren<QLabel*>()) {
        if (l->buddy()) {
            EXPECT_EQ(l->buddy()->accessibleName(), PlainCaption(l->text())) << l->objectName().toStdString();
        }
    }

    // Tab from the first control visits every control once and comes back.
    QWidget* first = d.focusWidget();
    ASSERT_NE(first, nullptr);
    QSet<QWidget*> seen;
    QWidget* w = first;
    for (int guard = 0; guard < 500; ++guard) {
        if (IsControl(w))
            seen.insert(w);
        w = w->nextInFocusChain();
        if (w == first)
            break;
    }
    EXPECT_EQ(seen, controls);

    // Accelerators of buttons and labels are unique within the dialog.
    QSet<QChar> letters;
    for (QWidget* c : d.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&d))
            continue;
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(c))
            caption = b->text();
        else if (auto* l = qobject_cast<QLabel*>(c); l && l->buddy())
            caption = l->text();
        const QChar a = Accelerator(caption);
        if (a.isNull())
            continue;
        EXPECT_FALSE(letters.contains(a)) << "accelerator " << QString(a).toStdString() << " twice";
        letters.insert(a);
    }
}

} // namespace

class KeyboardTest : public DesignTest {};

TEST_F(KeyboardTest, EveryDialogIsUsableWithTheKeyboardAndAScreenReader)
{
    QByteArray record = DefaultRecord();
    record[11] = 1;   // results to disk: every button of the results menu on
    UseRecord(record);
    struct TForm {
        const char* ClassName;
        int Help;
        const char* Close;
        std::function<void()> Open;
    };
    const TForm forms[] = {
        {"TTCustForm", 205, "CloseBtn", [] { TestPresentationMenu(); }},
        {"TCustomTextForm", 360, "CancelBtn", [] { CustomizeTexts(); }},
        {"TFunctionsForm", 340, "CancelBtn", [] { CustomizeFunctions(); }},
        {"TQuestPresentForm", 320, "CancelBtn", [] { CustomizeQuestionDisplay(); }},
        {"TStudentInputForm", 304, "CancelBtn", [] { CustomizeStudentInput(); }},
        {"TResMenuForm", 300, "CloseBtn", [] { CustomizeResults(); }},
        {"TQDesignRForm", 302, "CancelBtn", [] { DesignResultsGraph(); }},
        {"TGroupScoreForm", 301, "CancelBtn", [] { DesignScoreGroups(); }},
        {"TScoreDesignForm", 325, "CancelBtn",
         [] {
             TQuestionScreenColors block = TestConfig.QuestionScreen;
             DesignScoreBar(block);
         }},
        {"TDataFileFormat", 303, "CancelBtn", [] { DesignDataFileLines(); }},
    };
    for (const TForm& f : forms) {
        OnModal(QString::fromLatin1(f.ClassName), [&f](QDialog& d) {
            CheckForm(d, f.Help, f.ClassName);
            Child<QPushButton>(d, f.Close)->click();
        });
        f.Open();
    }
    EXPECT_EQ(ProjectFile(), Before);
}
