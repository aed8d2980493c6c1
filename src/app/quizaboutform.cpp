#include "app/quizaboutform.h"

#include "app/aboutbox.h"
#include "platform/help.h"
#include "runtime/aboutbox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TQuizaboutform::TQuizaboutform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TQuizaboutform"));
    setWindowTitle(tr("About This Program"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    SetHelpContext(this, 80);

    QPalette teal = palette();
    teal.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    teal.setColor(QPalette::WindowText, Qt::white);
    setPalette(teal);
    setAutoFillBackground(true);

    // The picture comes from the about display's resources; a box built
    // first makes sure they are registered.
    { TAboutBox registerResources; }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/quendra/runtime/about.png")));
    Image1->setAlignment(Qt::AlignCenter);

    const QString hint = tr(" Press F1 for Help");
    AboutBtn = new QPushButton(tr("&About Quendra"), this);
    AboutBtn->setObjectName(QStringLiteral("AboutBtn"));
    AboutBtn->setToolTip(hint);
    AboutBtn->setDefault(true);
    CloseBtn = new QPushButton(tr("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setToolTip(hint);
    for (QPushButton* b : {AboutBtn, CloseBtn}) {
        b->setMinimumWidth(130);
        b->setAutoFillBackground(true);
        b->setPalette(QPalette(QColor(0xC0, 0xC0, 0xC0)));
    }
    connect(AboutBtn, &QPushButton::clicked, this, &TQuizaboutform::AboutBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(Image1);
    QHBoxLayout* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(AboutBtn);
    row->addWidget(CloseBtn);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AboutBtn->setFocus();
}

void TQuizaboutform::AboutBtnClick() { ShowAbout(ToolAboutSpec(), AboutModeTool); }
