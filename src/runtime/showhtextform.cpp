#include "runtime/showhtextform.h"

#include "model/entryfile.h"
#include "model/errors.h"
#include "platform/fonts.h"
#include "platform/richedit.h"
#include "runtime/background.h"
#include "runtime/entrydisplays.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TShowHTextForm::TShowHTextForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowHTextForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetEntryDisplayDefaults(FDisplay);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->setAccessibleName(tr("Text panel"));
    RichEdit1 = new TRichEdit(Panel2);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Text"));
    RichEdit1->SetReadOnlyDisplay(true);
    RichEdit1->SetInnerBorder(5);
    RichEdit1->SetScrollBars(true, false);
    auto* inner = new QVBoxLayout(Panel2);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->addWidget(RichEdit1);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(25);
    Panel1->setAccessibleName(tr("Button bar"));
    BitBtn1 = new QPushButton(tr("&OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAccessibleName(tr("OK"));
    BitBtn1->setDefault(true);
    BitBtn1->resize(75, 23);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2, 1);
    layout->addWidget(Panel1);
    setMinimumSize(1, 1);
}

void TShowHTextForm::SetDisplay(const TEntryDisplay& display, const QStringList& text)
{
    FDisplay = display;
    ClampViewPort(FDisplay);
    FText = text;
    setWindowTitle(CurrentEntryName);
    SetPanelColour(Panel2, FDisplay.VPBack.u());
    RichEdit1->SetColor(ColourToQColor(FDisplay.VPBack.u()));
    try {
        RichEdit1->LoadFromLines(FText);
    } catch (const EQuendraError&) {
        RichEdit1->SetText(FText.join(u'\n'));
    }
}

QRect TShowHTextForm::DesignedGeometry() const
{
    return QRect(DesignLeft + FDisplay.VPLeft, DesignTop + FDisplay.VPTop, FDisplay.VPWidth + 3,
                 FDisplay.VPHeight);
}

void TShowHTextForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    // The designed size is that of the whole window, frame included.
    const QRect r = DesignedGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(qMax(1, r.width() - frame.width()), qMax(1, r.height() - frame.height()));
    move(r.topLeft());
}

void TShowHTextForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    BitBtn1->move(width() / 2 - BitBtn1->width() / 2, 1);   // Panel1 spans the window
}

void TShowHTextForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
