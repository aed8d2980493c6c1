#include "presentation/vpdesigntitleform.h"

#include "model/errors.h"
#include "model/fileutil.h"
#include "platform/colordialog.h"
#include "platform/fontdialog.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/modal.h"
#include "presentation/formkit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVPDesignTitleForm::TVPDesignTitleForm(TBar bar, QWidget* parent) : QDialog(parent), FBar(bar)
{
    setObjectName(QStringLiteral("VPDesignTitleForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, bar == TitleBar ? 465 : 470);
    TitleLbl = MakeLabel(this, "TitleLbl", bar == TitleBar ? tr("TitleBar Text : ") : tr("StatusBar Text :"));
    edit1 = MakeEdit(this, "edit1", TitleLbl->text(), 80);
    TitleLbl->setBuddy(edit1);
    edit1->setAutoFillBackground(true);
    edit1->setMinimumWidth(420);
    FontBtn = MakeButton(this, "FontBtn", tr("&New Font"));
    BackgroundBtn = MakeButton(this, "BackgroundBtn", tr("&Background"));
    OKBtn = MakeButton(this, "OKBtn", tr("&OK"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", tr("&Cancel"));
    auto* row = new QHBoxLayout;
    row->addWidget(TitleLbl);
    row->addWidget(edit1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FontBtn);
    buttons->addWidget(BackgroundBtn);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    connect(FontBtn, &QPushButton::clicked, this, &TVPDesignTitleForm::FontBtnClick);
    connect(BackgroundBtn, &QPushButton::clicked, this, &TVPDesignTitleForm::BackgroundBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TVPDesignTitleForm::SetBarColour(const QColor& colour)
{
    QPalette pal = edit1->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Text, ColourToQColor(FFontColour));
    edit1->setPalette(pal);
}

QColor TVPDesignTitleForm::BarColour() const { return edit1->palette().color(QPalette::Base); }

void TVPDesignTitleForm::Load(const TIntroDesign& intro)
{
    const bool title = FBar == TitleBar;
    TFontDesc desc;
    try {
        FontFromText(title ? intro.TitleBarFont.str() : intro.StatusBarFont.str(), desc);
    } catch (const EQuendraError&) {
        desc = TFontDesc();
    }
    FFontColour = desc.Color;
    edit1->setFont(FontDescToQFont(desc));
    edit1->setText(title ? intro.TitleBarText.str() : intro.StatusBarText.str());
    SetBarColour(ColourToQColor(title ? intro.TitleBarColor.u() : intro.StatusBarColor.u()));
}

void TVPDesignTitleForm::Store(TIntroDesign& intro) const
{
    const QString font = FontToText(QFontToFontDesc(edit1->font(), FFontColour)).left(50);
    const quint32 colour = QColorToColour(BarColour());
    if (FBar == TitleBar) {
        intro.TitleBarText = edit1->text().left(80);
        intro.TitleBarColor = colour;
        intro.TitleBarFont = font;
    } else {
        intro.StatusBarText = edit1->text().left(80);
        intro.StatusBarColor = colour;
        intro.StatusBarFont = font;
    }
}

void TVPDesignTitleForm::FontBtnClick()
{
    QFont font = edit1->font();
    QColor colour = ColourToQColor(FFontColour);
    if (ExecuteFontDialog(font, colour, FBar == TitleBar ? 465 : 470)) {
        edit1->setFont(font);
        FFontColour = QColorToColour(colour);
        SetBarColour(BarColour());
    }
}

void TVPDesignTitleForm::BackgroundBtnClick()
{
    QColor colour = BarColour();
    if (ExecuteColorDialog(colour, FBar == TitleBar ? 465 : 470))
        SetBarColour(colour);
}

namespace {
bool DesignBar(TIntroDesign& intro, TVPDesignTitleForm::TBar bar)
{
    TVPDesignTitleForm form(bar);
    form.Load(intro);
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    form.Store(intro);
    return true;
}
} // namespace

bool DesignTitleBar(TIntroDesign& intro) { return DesignBar(intro, TVPDesignTitleForm::TitleBar); }
bool DesignStatusBar(TIntroDesign& intro) { return DesignBar(intro, TVPDesignTitleForm::StatusBar); }
