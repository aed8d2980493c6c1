#include "runtime/txtvpdispform.h"

#include "model/entryfile.h"
#include "platform/richedit.h"

#include <QAction>

TTxtVPDispForm::TTxtVPDispForm(QWidget* parent) : TScreenDisplayForm(parent)
{
    setObjectName(QStringLiteral("TxtVPDispForm"));
    RichEdit1->SetInnerBorder(5);
}

void TTxtVPDispForm::SetUp(const TEntryDisplay& display, const QStringList& text)
{
    SetDisplay(display, text);
    MQuit->setVisible(false);
    UpdateMenuBar();
    ApplyScreenBackground();
    setWindowTitle(CurrentEntryName);
}
