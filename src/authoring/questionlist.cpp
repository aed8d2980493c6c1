// The question commands of the main window: add, edit, view and delete.

#include "authoring/questionlist.h"

#include "authoring/addquestionform.h"
#include "authoring/preview.h"
#include "authoring/taddtextform.h"
#include "model/entryfile.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/projectfiles.h"
#include "model/savefile.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "runtime/buttlistform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("QuestionList", text); }

// The bytes of a project file before an operation changes it, put back if
// the operation fails half-way, so that the question file and the entry file
// never disagree after a file error.
class TFileSnapshot {
public:
    explicit TFileSnapshot(const QString& path) : FPath(ResolveCase(path))
    {
        const QFileInfo info(FPath);
        FExisted = info.exists();
        // Only a plain file is kept and put back (a device or a folder in
        // its place is left alone).
        FKeep = !FExisted || info.isFile();
        if (FExisted && FKeep)
            FBytes = ReadWholeFile(FPath);
    }
    // Never throws: it runs while another error is on its way to the user.
    void Restore() const noexcept
    {
        if (!FKeep)
            return;
        try {
            if (FExisted)
                SaveWholeFile(FPath, FBytes);
            else if (QFileInfo::exists(FPath)) {
                QFile::remove(FPath);
            }
        } catch (...) {
        }
    }

private:
    QString FPath;
    bool FExisted = false;
    bool FKeep = true;
    QByteArray FBytes;
};

// WriteQuestion that leaves the question file as it was when it fails.
void StoreQuestion(int index)
{
    const TFileSnapshot questions(QuestionPath);
    try {
        WriteQuestion(index);
    } catch (...) {
        questions.Restore();
        throw;
    }
}

// Lets the author choose a question; -1 when there is no question file or
// nothing was chosen.
int ChooseQuestion(const QString& caption, int helpContext)
{
    QStringList identifiers;
    if (!ListIdentifiers(identifiers) || identifiers.isEmpty())
        return -1;
    return SelectFromList(identifiers, 0, helpContext, caption);
}

} // namespace

void AddQuestions()
{
    do {
        std::memset(&QuestionBuffer, 0, sizeof QuestionBuffer);
        QuestionBuffer.TextBackColor = 0x00FFFFFF;
        if (RunIdentifierDialog())
            RunQuestionDialog(true, [] { StoreQuestion(-1); });
    } while (Confirm(Tr("Do you want to add another Question?")));
}

void EditQuestion()
{
    const int index = ChooseQuestion(Tr("Select a Question to Edit"), 160);
    if (index < 0)
        return;
    ReadQuestion(index);
    RunQuestionDialog(false, [index] { StoreQuestion(index); });
}

void ViewQuestion()
{
    const int index = ChooseQuestion(Tr("Select a Question to View"), 170);
    if (index < 0)
        return;
    ReadQuestion(index);
    QStringList lines;
    ReadQuestionEntry(EntryPath, QuestionBuffer.Identifier.str(), lines);
    ShowQuestionForView(lines);
}

void DeleteQuestion()
{
    const int index = ChooseQuestion(Tr("Select a Question to Delete"), 180);
    if (index < 0)
        return;
    ReadQuestion(index);
    const QString identifier = QuestionBuffer.Identifier.str();
    if (!Confirm(Tr("Question ") + u'"' + identifier + u'"' + Tr(" will be deleted.") + QStringLiteral("\n\r\n\r")
                 + Tr("Continue?")))
        return;

    // A delete that fails part-way removes nothing: both files go back to
    // what they held before.
    const TFileSnapshot entries(EntryPath);
    const TFileSnapshot questions(QuestionPath);
    try {
        const QString info = QStringLiteral("INFO");
        if (QuestionBuffer.HasInformation)
            DeleteEntry(EntryPath, identifier + QStringLiteral("^INFO^"), info);
        if (QuestionBuffer.HasExplanation)
            DeleteEntry(EntryPath, identifier + QStringLiteral("^EXP^"), info);
        if (QuestionBuffer.HasRightFeedback)
            DeleteEntry(EntryPath, identifier + QStringLiteral("^RT^"), info);
        if (QuestionBuffer.HasWrongFeedback)
            DeleteEntry(EntryPath, identifier + QStringLiteral("^WG^"), info);
        DeleteEntry(EntryPath, identifier, QStringLiteral("QUEST"));
        QuestionBuffer.Deleted = 1;
        WriteQuestion(index);
        CompactQuestionFile();
    } catch (...) {
        entries.Restore();
        questions.Restore();
        throw;
    }
}
