#include "authoring/hypmenuform.h"

#include "model/entryfile.h"
#include "presentation/formkit.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

THypMenuForm::THypMenuForm(QWidget* parent) : TAttachMenuForm(SourceComms, true, parent)
{
    setObjectName(QStringLiteral("HypMenuForm"));
    GroupBox1->setTitle(tr(" Select Information type "));
    GroupBox1->setAccessibleName(AccessibleCaption(GroupBox1->title()));
    Label1 = MakeLabel(this, "Label1", tr("Results Group :"));
    Edit1 = MakeEdit(this, "Edit1", AccessibleCaption(Label1->text()));
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setMinimumWidth(200);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    TopArea->addLayout(row);
}

void THypMenuForm::ShowMode()
{
    Edit1->setText(EntryName);
}

bool EditFeedback(const QString& entryName)
{
    THypMenuForm form(QApplication::activeWindow());
    CurrentEntryName = entryName;
    if (!OpenAttachMenu(form, entryName))
        return form.EditMode;
    const bool saved = RunAttachMenu(form);
    return form.EditMode || saved;
}
