#include "authoring/qinfomenuform.h"

#include "authoring/attachments.h"
#include "model/entryfile.h"

#include <QApplication>

TQInfoMenuForm::TQInfoMenuForm(QWidget* parent) : TAttachMenuForm(SourceInfo, false, parent)
{
    setObjectName(QStringLiteral("QInfoMenuForm"));
}

bool EditAttachment(const QString& entryName)
{
    TQInfoMenuForm form(QApplication::activeWindow());
    // The previews of the editors show the entry's name as their caption.
    CurrentEntryName = entryName;
    if (!OpenAttachMenu(form, entryName))
        return form.EditMode;
    const bool saved = RunAttachMenu(form);
    return form.EditMode || saved;
}
