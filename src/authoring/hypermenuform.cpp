#include "authoring/hypermenuform.h"

#include "authoring/entrydialogs.h"
#include "authoring/hyperlinks.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/formkit.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Thypermenuform::Thypermenuform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("hypermenuform"));
    setWindowTitle(tr("Press F1 for Help"));
    SetHelpContext(this, 250);

    GroupBox1 = MakeGroup(this, "GroupBox1", tr(" HyperLink Data "));
    viewbtn = MakeButton(GroupBox1, "viewbtn", tr("View a HyperText Link"));
    deleteBtn = MakeButton(GroupBox1, "deleteBtn", tr("Delete a HyperText Link"));
    for (QPushButton* b : {viewbtn, deleteBtn})
        b->setMinimumSize(220, 30);
    auto* inner = new QVBoxLayout(GroupBox1);
    inner->setContentsMargins(20, 16, 20, 16);
    inner->setSpacing(10);
    inner->addWidget(viewbtn);
    inner->addWidget(deleteBtn);
    BitBtn1 = MakeButton(this, "BitBtn1", tr("&Close"));
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(BitBtn1);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(bar);

    connect(viewbtn, &QPushButton::clicked, this, [this] { done(mrView); });
    connect(deleteBtn, &QPushButton::clicked, this, [this] { done(mrDelete); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    UpdateButtons();
    adjustSize();
    CentreOnScreen(this);
}

void Thypermenuform::UpdateButtons()
{
    bool any = false;
    try {
        any = EntrySourceExists(EntryPath, SourceHyper);
    } catch (const EQuendraError&) {
        any = false;
    }
    viewbtn->setEnabled(any);
    deleteBtn->setEnabled(any);
    (any ? viewbtn : BitBtn1)->setFocus();
}

void HypertextUtilities()
{
    Thypermenuform form(QApplication::activeWindow());
    for (;;) {
        const int result = ShowModal(form);
        if (result != Thypermenuform::mrView && result != Thypermenuform::mrDelete)
            return;
        try {
            if (result == Thypermenuform::mrView)
                ViewEntryDialog(EntryPath, SourceHyper, 251);
            else
                DeleteEntryDialog(EntryPath, SourceHyper, 252);
        } catch (const EQuendraError& e) {
            ShowError(e.Message());
        }
        form.UpdateButtons();
        if (result == Thypermenuform::mrView && form.viewbtn->isEnabled())
            form.viewbtn->setFocus();
        else if (result == Thypermenuform::mrDelete && form.deleteBtn->isEnabled())
            form.deleteBtn->setFocus();
    }
}
