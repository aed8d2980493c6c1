#include "runtime/qtextdisplayform.h"

#include "model/errors.h"
#include "model/testconfig.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/richedit.h"
#include "runtime/aboutbox.h"
#include "runtime/entrystore.h"
#include "runtime/hyperlinkphrase.h"
#include "runtime/runengine.h"
#include "runtime/runscreens.h"
#include "runtime/runwidgets.h"
#include "runtime/runstate.h"
#include "runtime/scorebar.h"
#include "runtime/showentry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int BarButtonWidth = 75, BarButtonHeight = 18, BarTop = 4, BarStart = 5, BarStep = 80;

} // namespace

TTQtextDisplayForm::TTQtextDisplayForm(const QStringList& lines, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TQtextDisplayForm"));
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setFixedSize(640, 480);
    setWindowTitle(ProgramTitleText);
    FState.Open();

    MenuPnl = new QFrame(this);
    MenuPnl->setObjectName(QStringLiteral("MenuPnl"));
    MenuPnl->setFixedHeight(25);
    MenuPnl->setAccessibleName(tr("Commands"));
    const QRect bar(0, BarTop, BarButtonWidth, BarButtonHeight);
    PassBtn = NewButton(MenuPnl, "PassBtn", QString(), bar);
    InformBtn = NewButton(MenuPnl, "InformBtn", QString(), bar);
    ExplBtn = NewButton(MenuPnl, "ExplBtn", QString(), bar);
    HelpBtn = NewButton(MenuPnl, "HelpBtn", QString(), bar);
    QuitSaveBtn = NewButton(MenuPnl, "QuitSaveBtn", QString(), bar);
    QuitBtn = NewButton(MenuPnl, "QuitBtn", QString(), bar);
    AboutBtn = NewButton(MenuPnl, "AboutBtn", QString(), bar);
    for (QPushButton* b : {PassBtn, InformBtn, ExplBtn, HelpBtn, QuitSaveBtn, QuitBtn, AboutBtn})
        b->hide();

    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetScrollBars(true, false);
    RichEdit1->setAccessibleName(tr("Question text"));
    // The question's own formatting decides; the screen's bold face is for
    // its buttons and labels only.
    QFont plain = QApplication::font();
    plain.setBold(false);
    plain.setPointSizeF(QApplication::font().pointSizeF());
    RichEdit1->setFont(plain);
    RichEdit1->viewport()->installEventFilter(this);
    RichEdit1->installEventFilter(this);   // Enter on a hyperlink phrase opens it

    AnswerPnl = new QFrame(this);
    AnswerPnl->setObjectName(QStringLiteral("AnswerPnl"));
    AnswerPnl->setFixedHeight(33);
    AnswerPnl->setAccessibleName(tr("Answers"));
    ButtonPnl = new QFrame(AnswerPnl);
    ButtonPnl->setObjectName(QStringLiteral("ButtonPnl"));
    ButtonPnl->setGeometry(0, 0, 640, 33);
    const QString answerText = TestConfig.AnswerText.str();
    const int answerCount = CurrentQuestion.AnswerCount.get();
    for (int k = 1; k <= 6; ++k) {
        const QByteArray name = "Button" + QByteArray::number(k);
        QPushButton* b = NewButton(ButtonPnl, name.constData(), AnswerCaption(answerText, k),
                                    QRect(43 + 96 * (k - 1), 8, 75, 25));
        b->setProperty("Tag", k);
        b->setAccessibleName(answerText.left(11) + u' ' + AnswerLetter(k));
        connect(b, &QPushButton::clicked, this, [this, k] { AnswerClick(k); });
        if (k > answerCount) {
            b->setEnabled(false);
            b->hide();
        }
        FAnswerButtons[k - 1] = b;
        // The letter alone answers too: nothing on this screen takes typing.
        auto* key = new QShortcut(QKeySequence(QString(AnswerLetter(k))), this);
        connect(key, &QShortcut::activated, this, [this, b] {
            if (b->isVisible() && b->isEnabled())
                b->click();
        });
    }
    Button1 = FAnswerButtons[0]; Button2 = FAnswerButtons[1]; Button3 = FAnswerButtons[2];
    Button4 = FAnswerButtons[3]; Button5 = FAnswerButtons[4]; Button6 = FAnswerButtons[5];
    ShowAnsPnl = MakeLabel(AnswerPnl, "ShowAnsPnl", QString(), QRect(187, 7, 265, 21));
    ShowAnsPnl->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ShowAnsPnl->setAlignment(Qt::AlignCenter);
    ShowAnsPnl->hide();
    NextBitBtn = NewButton(AnswerPnl, "NextBitBtn", QString(), QRect(43, 5, 75, 25));
    ContBitBtn = NewButton(AnswerPnl, "ContBitBtn", QString(), QRect(43, 5, 75, 25));
    NextBitBtn->hide();
    ContBitBtn->hide();

    ScorePnl = new QFrame(this);
    ScorePnl->setObjectName(QStringLiteral("ScorePnl"));
    ScorePnl->setFixedHeight(36);
    ScorePnl->setAccessibleName(tr("Score panel"));
    TotQuestLbl = MakeLabel(ScorePnl, "TotQuestLbl", QString(), QRect(6, 2, 110, 16));
    ShowTquestlbl = MakeLabel(ScorePnl, "ShowTquestlbl", QString(), QRect(118, 2, 38, 16));
    ScoreLbl = MakeLabel(ScorePnl, "ScoreLbl", QString(), QRect(6, 18, 150, 16));
    ScoreLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Gauge1 = new TScoreBar(ScorePnl);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(160, 8, 345, 20);
    Answered = MakeLabel(ScorePnl, "Answered", QString(), QRect(512, 2, 80, 16));
    QDoneLbl = MakeLabel(ScorePnl, "QDoneLbl", QString(), QRect(594, 2, 40, 16));
    CorrectLbl = MakeLabel(ScorePnl, "CorrectLbl", QString(), QRect(512, 18, 80, 16));
    QrightLbl = MakeLabel(ScorePnl, "QrightLbl", QString(), QRect(594, 18, 40, 16));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MenuPnl);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(AnswerPnl);
    layout->addWidget(ScorePnl);

    // Score panel and colours.
    ScorePnl->setVisible(TestConfig.QuestionScreen.DisplayScorePanel);
    Colourise(ScorePnl, TestConfig.QuestionScreen.ScorePanelColor.u(), ColourToQColor(TestConfig.QuestionScreen.ScorePanelTextColor.u()));
    Colourise(AnswerPnl, TestConfig.QuestionScreen.AnswerBarColor.u());
    Gauge1->SetMaxValue(TakeCount);
    Gauge1->SetProgress(CorrectCount);
    Gauge1->SetBackColor(ColourToQColor(TestConfig.QuestionScreen.ScoreBarColor.u()));
    Gauge1->SetForeColor(ColourToQColor(TestConfig.QuestionScreen.ScoreProgressColor.u()));

    // Captions from the test's settings.
    SetCaption(AboutBtn, TestConfig.Presentation.Captions.AboutCaption.str());
    SetCaption(NextBitBtn, TestConfig.NextCaption.str());
    SetCaption(ContBitBtn, TestConfig.ContinueCaption.str());
    SetCaption(PassBtn, TestConfig.PassCaption.str());
    SetCaption(InformBtn, TestConfig.InformationCaption.str());
    SetCaption(QuitSaveBtn, TestConfig.QuitSaveCaption.str());
    SetCaption(ExplBtn, TestConfig.ExplanationCaption.str());
    SetCaption(HelpBtn, TestConfig.Presentation.Captions.HelpCaption.str());
    SetCaption(QuitBtn, tr("&Quit"));
    ScoreLbl->setText(TestConfig.ScoreText.str());
    TotQuestLbl->setText(TestConfig.TotalQuestionsText.str());
    CorrectLbl->setText(TestConfig.CorrectText.str());
    Answered->setText(TestConfig.AnsweredText.str());
    ShowAnsPnl->setText(TestConfig.CorrectAnswerIsText.str());
    Gauge1->setAccessibleName(TestConfig.ScoreText.str());
    RefreshScore();
    LayOutCommandBar();

    // The question text.
    RichEdit1->SetColor(ColourToQColor(CurrentQuestion.TextBackColor.u()));
    try {
        RichEdit1->LoadFromLines(lines);
    } catch (const EQuendraError&) {
        RichEdit1->SetText(lines.join(u'\n'));   // not RTF: shown as it is
    }
    RichEdit1->SetSelStart(0);

    connect(NextBitBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::NextBitBtnClick);
    connect(ContBitBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::NextBitBtnClick);
    connect(PassBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::PassBtnClick);
    connect(QuitSaveBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::QuitSaveBtnClick);
    connect(QuitBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::QuitBtnClick);
    connect(ExplBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::ExplBtnClick);
    connect(InformBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::InformBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::HelpBtnClick);
    connect(AboutBtn, &QPushButton::clicked, this, &TTQtextDisplayForm::AboutBtnClick);

    // Tab: the answers, Next or Continue, then the command bar, the text last.
    QWidget* order[] = {Button1, Button2, Button3, Button4, Button5, Button6, NextBitBtn, ContBitBtn,
                        PassBtn, InformBtn, ExplBtn, HelpBtn, AboutBtn, QuitSaveBtn, QuitBtn, RichEdit1};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Button1->setFocus();

    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
    move(screen.center() - QPoint(width() / 2, height() / 2));
}

QPushButton* TTQtextDisplayForm::AnswerButton(int number) const
{
    return number >= 1 && number <= 6 ? FAnswerButtons[number - 1] : nullptr;
}

void TTQtextDisplayForm::LayOutCommandBar()
{
    int x = BarStart;
    const auto place = [&x](QPushButton* b, bool shown) {
        b->setVisible(shown);
        if (shown) {
            b->move(x, BarTop);
            x += BarStep;
        }
    };
    if (!FState.Answered) {
        place(PassBtn, TestConfig.AllowPass);
        place(InformBtn, CurrentQuestion.HasInformation);
        place(HelpBtn, TestConfig.Program.UseHelpFile);
        place(AboutBtn, TestConfig.Presentation.AboutEnabled);
        return;
    }
    PassBtn->hide();
    InformBtn->hide();
    place(ExplBtn, CurrentQuestion.HasExplanation);
    place(HelpBtn, TestConfig.Program.UseHelpFile);
    place(AboutBtn, TestConfig.Presentation.AboutEnabled);
    if (FState.IsLast()) {
        ContBitBtn->show();
        NextBitBtn->hide();
        QuitSaveBtn->hide();
        QuitBtn->hide();
        ContBitBtn->setDefault(true);
    } else {
        ContBitBtn->hide();
        NextBitBtn->show();
        NextBitBtn->setDefault(true);
        place(QuitSaveBtn, QuitSaveOffered());
        place(QuitBtn, true);
    }
}

void TTQtextDisplayForm::RefreshScore()
{
    ShowTquestlbl->setText(QString::number(TakeCount));
    QDoneLbl->setText(QString::number(FState.AnsweredFigure));
    QrightLbl->setText(QString::number(CorrectCount));
    ShowTquestlbl->setAccessibleName(TotQuestLbl->text() + u' ' + ShowTquestlbl->text());
    QDoneLbl->setAccessibleName(Answered->text() + u' ' + QDoneLbl->text());
    QrightLbl->setAccessibleName(CorrectLbl->text() + u' ' + QrightLbl->text());
    Gauge1->SetProgress(CorrectCount);
}

void TTQtextDisplayForm::WhileBusy(const std::function<void()>& action)
{
    FBusy = true;
    setEnabled(false);
    const auto restore = [this] {
        setEnabled(true);
        FBusy = false;
    };
    try {
        action();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TTQtextDisplayForm::AnswerClick(int chosen)
{
    if (FBusy || FState.Answered || chosen < 1 || chosen > CurrentQuestion.AnswerCount.get())
        return;
    // The answer buttons and Pass go first: a second click while the
    // feedback plays finds nothing to press.
    for (QPushButton* b : FAnswerButtons)
        b->hide();
    PassBtn->hide();
    InformBtn->hide();
    const bool correct = FState.Answer(chosen);
    if (!correct && TestConfig.DisplayRightAnswer) {
        ShowAnsPnl->setText(TestConfig.CorrectAnswerIsText.str() + u' '
                            + AnswerLetter(CurrentQuestion.CorrectAnswer.get()));
        ShowAnsPnl->setAccessibleName(ShowAnsPnl->text());
        ShowAnsPnl->show();
    }
    RefreshScore();
    LayOutCommandBar();
    (ContBitBtn->isVisible() ? ContBitBtn : NextBitBtn)->setFocus();
    if (correct && CurrentQuestion.HasRightFeedback)
        ShowAttachment(QStringLiteral("^RT^"));
    else if (!correct && CurrentQuestion.HasWrongFeedback)
        ShowAttachment(QStringLiteral("^WG^"));
}

void TTQtextDisplayForm::NextBitBtnClick()
{
    if (!FBusy)
        accept();
}

void TTQtextDisplayForm::PassBtnClick()
{
    if (!FBusy && !FState.Answered)
        accept();
}

void TTQtextDisplayForm::QuitSaveBtnClick()
{
    if (FBusy)
        return;
    QuitSaveRequested = true;
    accept();
}

bool TTQtextDisplayForm::TryQuit()
{
    if (FBusy)
        return false;
    if (FState.QuitNeedsConfirmation()) {
        if (!Confirm(TestConfig.AllLostText.str()))
            return false;
        QuitRequested = true;
    }
    return true;
}

void TTQtextDisplayForm::QuitBtnClick()
{
    if (TryQuit())
        done(QDialog::Rejected);
}

void TTQtextDisplayForm::reject() { QuitBtnClick(); }

void TTQtextDisplayForm::closeEvent(QCloseEvent* event)
{
    if (FClosed) {
        event->accept();
        return;
    }
    event->ignore();
    QuitBtnClick();
}

void TTQtextDisplayForm::done(int result)
{
    if (!FClosed) {
        FClosed = true;
        FState.Close();
        SetCurrentHelpFile(HelpFilePath);
    }
    QDialog::done(result);
}

void TTQtextDisplayForm::ShowAttachment(const QString& suffix)
{
    QStringList lines;
    const QString name = CurrentQuestion.Identifier.str() + suffix;
    if (!RunEntries || !RunEntries->ReadEntry(name, QStringLiteral("INFO"), lines))
        return;
    lines[0].clear();
    WhileBusy([&] { ShowEntry(lines); });
}

void TTQtextDisplayForm::ExplBtnClick() { if (!FBusy) ShowAttachment(QStringLiteral("^EXP^")); }
void TTQtextDisplayForm::InformBtnClick() { if (!FBusy) ShowAttachment(QStringLiteral("^INFO^")); }

void TTQtextDisplayForm::HelpBtnClick()
{
    if (FBusy)
        return;
    SetCurrentHelpFile(TestHelpFile());
    ShowHelp(CurrentHelpFile(), TestConfig.Program.HelpContext.get());
}

void TTQtextDisplayForm::AboutBtnClick()
{
    if (!FBusy)
        WhileBusy([] { ShowAbout(TestConfig.Presentation.About, 0); });
}

void TTQtextDisplayForm::RichEdit1MouseDown()
{
    if (FBusy)
        return;
    const QString phrase = GetHyperlinkPhrase(*RichEdit1);
    if (phrase.isEmpty())
        return;
    QStringList lines;
    if (RunEntries && RunEntries->ReadEntry(phrase, QStringLiteral("HYPER"), lines))
        WhileBusy([&] { ShowEntry(lines); });
    else
        ShowInfo(u'"' + phrase + u'"' + tr(" is not HyperText"));
}

bool TTQtextDisplayForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton)
            RichEdit1->setTextCursor(RichEdit1->cursorForPosition(press->position().toPoint()));
        // After the press is handled: a window opened inside it would keep
        // the mouse grab.
        QTimer::singleShot(0, this, &TTQtextDisplayForm::RichEdit1MouseDown);
    }
    // Without a mouse: the arrow keys move the caret in the text, and Enter
    // on an underlined phrase opens its hyperlink (elsewhere Enter still
    // presses Next or Continue).
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier
            && !GetHyperlinkPhrase(*RichEdit1).isEmpty()) {
            RichEdit1MouseDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowQuestion(const QStringList& lines)
{
    TTQtextDisplayForm form(lines, RunWindowParent());
    ShowModal(form);
}
