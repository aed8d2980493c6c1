#include "authoring/hypaddform.h"

#include "authoring/entrydialogs.h"
#include "authoring/hyperlinks.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/projectfiles.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "platform/richedit.h"
#include "presentation/formkit.h"
#include "runtime/hyperlinkphrase.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Thypaddform::Thypaddform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("hypaddform"));
    setWindowTitle(tr("Click on HyperText Link to define.   Press F1 for Help"));
    SetHelpContext(this, 151);

    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Question text"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetScrollBars(true, false);
    // Every mouse button defines the phrase at the caret; no menu comes up.
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Close"));
    Button1 = MakeButton(this, "Button1", tr("&Show All"));
    Button2 = MakeButton(this, "Button2", tr("&Delete"));
    Button1->setEnabled(false);
    Button2->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(BitBtn1);
    bar->addWidget(Button1);
    bar->addWidget(Button2);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(bar);
    resize(640, 480);
    CentreOnScreen(this);

    RichEdit1->viewport()->installEventFilter(this);
    RichEdit1->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &Thypaddform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Thypaddform::Button2Click);
    RichEdit1->setFocus();
}

void Thypaddform::Load(const QByteArray& rtf)
{
    RichEdit1->LoadFromStream(rtf);
    RichEdit1->SetColor(ColourToQColor(QuestionBuffer.TextBackColor.u()));
    RichEdit1->SetSelStart(0);
    UpdateButtons();
}

void Thypaddform::UpdateButtons()
{
    bool any = false;
    try {
        any = EntrySourceExists(EntryPath, SourceHyper);
    } catch (const EQuendraError&) {
        any = false;   // an unreadable file offers nothing to show or delete
    }
    Button1->setEnabled(any);
    Button2->setEnabled(any);
}

void Thypaddform::Guarded(const std::function<void()>& action)
{
    // Errors end the action, not the window.
    try {
        action();
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
    }
    UpdateButtons();
}

void Thypaddform::RichEdit1MouseDown()
{
    Guarded([this] {
        const QString phrase = GetHyperlinkPhrase(*RichEdit1).left(31);
        if (!phrase.isEmpty())
            EditHyperlink(phrase);
    });
    RichEdit1->setFocus();
}

void Thypaddform::Button1Click()
{
    Guarded([] { ViewEntryDialog(EntryPath, SourceHyper, 335); });
    (Button1->isEnabled() ? Button1 : BitBtn1)->setFocus();
}

void Thypaddform::Button2Click()
{
    Guarded([] { DeleteEntryDialog(EntryPath, SourceHyper, 340); });
    (Button2->isEnabled() ? Button2 : BitBtn1)->setFocus();
}

bool Thypaddform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton)
            RichEdit1->setTextCursor(RichEdit1->cursorForPosition(press->position().toPoint()));
        // After the press: a window opened inside it would keep the mouse grab.
        QTimer::singleShot(0, this, &Thypaddform::RichEdit1MouseDown);
    }
    // Without a mouse: the arrow keys move the caret, Enter or Space on an
    // underlined phrase defines it.
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)
            && key->modifiers() == Qt::NoModifier) {
            RichEdit1MouseDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DefineHyperlinks(const QByteArray& rtf)
{
    Thypaddform form(QApplication::activeWindow());
    form.Load(rtf);
    ShowModal(form);
}
