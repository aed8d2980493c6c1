// Screenshots of the attachment menus, the hyperlink window and an
// attachment shown during a run, for a person to look at. Runs only when
// QUENDRA_SCREENSHOTS names a folder, on a real display (Xvfb).
#include "attachtest.h"
#include "../platform/testmedia.h"

#include "authoring/attachments.h"
#include "authoring/commentsform.h"
#include "authoring/hypaddform.h"
#include "authoring/hyperlinks.h"
#include "authoring/questionlist.h"
#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "model/testconfig.h"
#include "platform/richedit.h"
#include "runtime/qtextdisplayform.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <cstring>

namespace {

QString ShotDir() { return qEnvironmentVariable("QUENDRA_SCREENSHOTS"); }

void Shoot(const QString& name)
{
    PumpEvents(600);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ShotDir() + u'/' + name + QStringLiteral(".png"));
}

class AttachShots : public AttachTest {};

TEST_F(AttachShots, MenusHyperlinkWindowAndARun)
{
    if (ShotDir().isEmpty() || QGuiApplication::platformName() == u"offscreen")
        GTEST_SKIP() << "set QUENDRA_SCREENSHOTS and run on a display";
    SetConfigDefaults();
    TestConfig.ShowResultsGraph = true;
    TestConfig.GroupFeedbackDefined[3] = true;
    TestConfig.GroupFeedbackDefined[10] = true;
    SaveConfig();
    SetQuestions(RecordBytes({"Q1", 4, 2, 0x00E0FFFF, false, true, false, true}));
    Dir.Write(QStringLiteral("delta.bmp"), TestMedia::Encode(TestMedia::Pattern(320, 240), "BMP"));
    SetEntries(QuestEntryBytes("Q1", {"{\\rtf1\\ansi\\fs28 Which river flows through \\ul Cairo\\ulnone ?\\par",
                                      "See the \\ul map of the Nile delta\\ulnone  first.\\par", "}"})
               + CommandEntryBytes("GROUP 3 FEEDBACK", "COMMS", 13, "tips.txt"));
    std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
    QuestionBuffer.TextBackColor = 0x00E0FFFF;

    Menu("TQInfoMenuForm", [](TAttachMenuForm& m) {
        m.RadioButton6->click();
        Shoot(QStringLiteral("infomenu"));
        m.RadioButton1->click();
        m.Button1->click();
    });
    TypeText(QStringLiteral("The Nile flows through Cairo on its way to the sea."), 1);
    Menu("TQInfoMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
    EditAttachment(QStringLiteral("Q1^INFO^"));
    Menu("TQInfoMenuForm", [](TAttachMenuForm& m) {
        m.RadioButton2->click();
        m.Button2->click();
    });
    OnModal(QStringLiteral("TGetGraphicForm"), [](QDialog& d) {
        Shoot(QStringLiteral("graphicdialog"));
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    Menu("TQInfoMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
    EditAttachment(QStringLiteral("Q1^WG^"));

    OnModal(QStringLiteral("Thypaddform"), [](QDialog& d) {
        auto& f = static_cast<Thypaddform&>(d);
        Shoot(QStringLiteral("hyperlinkwindow"));
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) {
            m.RadioButton9->click();
            Shoot(QStringLiteral("hyperlinkmenu"));
            m.RadioButton1->click();
            m.Button1->click();
        });
        TypeText(QStringLiteral("Cairo is the capital of Egypt."), 1);
        Menu("TQuestHypMenuForm", [](TAttachMenuForm& m) { m.OKBtn->click(); });
        PressAt(f.RichEdit1, 27);
        d.accept();
    });
    QStringList text;
    ReadQuestionEntry(EntryPath, QStringLiteral("Q1"), text);
    DefineHyperlinks(text.join(QStringLiteral("\r\n")).toLatin1());

    OnModal(QStringLiteral("TCommentsForm"), [](QDialog& d) {
        auto& f = static_cast<TCommentsForm&>(d);
        f.RadioButtons[3]->click();
        Shoot(QStringLiteral("comments"));
        f.AddBtn->click();
    });
    Menu("THypMenuForm", [](TAttachMenuForm& m) {
        Shoot(QStringLiteral("feedbackmenu"));
        m.CancelBtn->click();
    });
    OnModal(QStringLiteral("TCommentsForm"), [](QDialog& d) { d.accept(); });
    ShowCommentsForm();

    OnModal(QStringLiteral("Thypermenuform"), [](QDialog& d) {
        Shoot(QStringLiteral("hypertextutilities"));
        d.accept();
    });
    HypertextUtilities();

    OnModal(QStringLiteral("TTQtextDisplayForm"), [](QDialog& d) {
        auto& f = static_cast<TTQtextDisplayForm&>(d);
        OnModal(QStringLiteral("TShowHTextForm"), [](QDialog& w) {
            Shoot(QStringLiteral("run-information"));
            w.reject();
        });
        f.InformBtn->click();
        OnModal(QStringLiteral("TShowHTextForm"), [](QDialog& w) {
            Shoot(QStringLiteral("run-hyperlink"));
            w.reject();
        });
        PressAt(f.RichEdit1, 27);
        OnModal(QStringLiteral("TShowMultForm"), [](QDialog& w) {
            Shoot(QStringLiteral("run-wrongfeedback"));
            w.reject();
        });
        f.Button1->click();
        f.ContBitBtn->click();
    });
    OnModal(QStringLiteral("TTResultsForm"), [](QDialog& d) { d.accept(); });
    PreviewTest();
}

} // namespace
