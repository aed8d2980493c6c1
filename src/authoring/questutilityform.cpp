#include "authoring/questutilityform.h"

#include "authoring/hyperlinks.h"
#include "authoring/hypreorgfm.h"
#include "authoring/utilities.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"
#include "runtime/readdataform.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

TQuestUtilityForm::TQuestUtilityForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QuestUtilityForm"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 240);

    Button1 = MakeButton(this, "Button1", tr("&Re-Order Test Questions"));
    Button2 = MakeButton(this, "Button2", tr("&HyperText Utilities"));
    Button3 = MakeButton(this, "Button3", tr("&Analyze Test Results"));
    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Close"));
    Button1->setEnabled(false);
    Button2->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    for (QPushButton* b : {Button1, Button2, Button3}) {
        b->setMinimumSize(240, 30);
        layout->addWidget(b);
    }
    layout->addSpacing(8);
    BitBtn1->setMinimumSize(240, 30);
    layout->addWidget(BitBtn1);
    setFixedSize(sizeHint());

    connect(Button1, &QPushButton::clicked, this, &TQuestUtilityForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TQuestUtilityForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TQuestUtilityForm::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    ApplyRules();
    for (QPushButton* b : {Button1, Button2, Button3})
        if (b->isEnabled()) {
            b->setFocus();
            break;
        }
}

void TQuestUtilityForm::ApplyRules()
{
    if (ProjectPath.isEmpty())
        return;
    Button1->setEnabled(!QuestionPath.isEmpty() && QFileInfo(ResolveCase(QuestionPath)).isFile());
    Button2->setEnabled(!EntryPath.isEmpty() && EntrySourceExists(EntryPath, QStringLiteral("HYPER")));
}

void TQuestUtilityForm::RunTool(QPushButton* from, void (*tool)(QWidget*))
{
    // The tool's window opens modal over the menu, centred on it; the menu
    // cannot be hidden meanwhile, since hiding would end its modal loop.
    try {
        tool(this);
    } catch (const EQuendraError& e) {
        ShowError(e.Message());
    }
    if (isVisible()) {
        raise();
        activateWindow();
    }
    if (from->isEnabled())
        from->setFocus(Qt::OtherFocusReason);
}

void TQuestUtilityForm::Button1Click() { RunTool(Button1, &ReorderQuestions); }

void TQuestUtilityForm::Button2Click()
{
    RunTool(Button2, [](QWidget*) { HypertextUtilities(); });
    // The utilities may have deleted the last hyperlink entry.
    if (EntryPath.isEmpty() || !EntrySourceExists(EntryPath, QStringLiteral("HYPER")))
        Button2->setEnabled(false);
    if (!Button2->isEnabled())
        BitBtn1->setFocus();
}

void TQuestUtilityForm::Button3Click() { RunTool(Button3, [](QWidget*) { AnalyzeResults(); }); }

void ProgramUtilities()
{
    TQuestUtilityForm form(QApplication::activeWindow());
    ShowModal(form);
}
