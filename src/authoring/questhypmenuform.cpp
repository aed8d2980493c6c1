#include "authoring/questhypmenuform.h"

#include "authoring/hyperlinks.h"
#include "model/entryfile.h"
#include "model/projectfiles.h"
#include "platform/messages.h"
#include "presentation/formkit.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TQuestHypMenuForm::TQuestHypMenuForm(QWidget* parent) : TAttachMenuForm(SourceHyper, true, parent)
{
    setObjectName(QStringLiteral("QuestHypMenuForm"));
    Label1 = MakeLabel(this, "Label1", tr("HyperText Link"));
    // A phrase has up to 31 characters; the edit shows all of them.
    Edit1 = MakeEdit(this, "Edit1", tr("HyperText Link"), 31);
    Edit1->setReadOnly(true);
    Edit1->setMinimumWidth(260);
    Label1->setBuddy(Edit1);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    TopArea->addLayout(row);
}

void TQuestHypMenuForm::ShowMode()
{
    GroupBox1->setTitle(EditMode ? tr(" Select HyperLink type ") : tr(" Select HyperText type "));
    GroupBox1->setAccessibleName(AccessibleCaption(GroupBox1->title()));
    Label1->setText(EditMode ? tr("HyperLink Phrase") : tr("HyperText Link"));
    Edit1->setAccessibleName(Label1->text());
    Edit1->setText(EditMode ? OldName : EntryName);
}

void TQuestHypMenuForm::AfterAdd(int)
{
    Edit1->setFocus();
}

QString HyperlinkNameRefusal(const QString& phrase)
{
    // The introduction is found by the first seven characters of its
    // header, "[^INTRO", whatever its source.
    if (phrase.startsWith(QStringLiteral("^INTRO"), Qt::CaseInsensitive))
        return QCoreApplication::translate("Hyperlinks", "\"%1\" cannot be a HyperText Link: a name beginning "
                                                         "with ^INTRO is kept for the Introduction.")
            .arg(phrase);
    // A question's text is found by its header alone, whatever its source.
    QStringList identifiers;
    ListIdentifiers(identifiers);
    ListEntryNames(identifiers, EntryPath, SourceQuest);
    for (const QString& id : identifiers)
        if (id.compare(phrase, Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Hyperlinks", "\"%1\" cannot be a HyperText Link: it is the "
                                                             "identifier of a question.")
                .arg(phrase);
    return QString();
}

void EditHyperlink(const QString& phrase)
{
    if (phrase.isEmpty())
        return;
    const QString refusal = HyperlinkNameRefusal(phrase);
    if (!refusal.isEmpty()) {
        ShowError(refusal);
        return;
    }
    TQuestHypMenuForm form(QApplication::activeWindow());
    if (OpenAttachMenu(form, phrase))
        RunAttachMenu(form);
}
