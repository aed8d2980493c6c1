#include "presentation/gethtmform.h"

#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "platform/modal.h"
#include "presentation/mediachoosers.h"

#include <QFileInfo>
#include <QLineEdit>

TGetHTMForm::TGetHTMForm(QWidget* parent) : TGetMediaForm(547, parent)
{
    setObjectName(QStringLiteral("GetHTMForm"));
    TMediaSlot& slot = AddFileSlot(tr(" Enter HTML filename "), {QStringLiteral("*.htm"), QStringLiteral("*.html")}, 200);
    slot.Fallbacks = {QStringLiteral("*.htm"), QStringLiteral("*.html")};
    slot.OpenDialog.Filter = tr("HTML Files") + QStringLiteral("|*.HTM;*.HTML");
    slot.OpenDialog.Title = tr("Select HTML Web Browser File");
    slot.EmptyMessage = tr("No HTML file has been selected");
    GroupBox1 = slot.Group;
    Edit1 = slot.Edit;
    FileListBox1 = slot.List;
    FindFileBtn1 = slot.FindBtn;
    FinishLayout();
}

QString TGetHTMForm::CommandValue() const { return Name(0); }

void TGetHTMForm::Preview()
{
    // The page of the project directory, whatever the letter case of its name.
    const QString inProject = ResolveCase(ProjectDir + Name(0));
    OpenDocument(QFileInfo(inProject).isFile() ? inProject : Name(0));
}

bool GetHtmCommand(QString& command)
{
    TGetHTMForm form(MediaDialogParent());
    form.Edit1->setText(command);
    form.UpdateView();
    if (ShowModal(form) != QDialog::Accepted)
        return false;
    command = form.CommandValue();
    return true;
}
