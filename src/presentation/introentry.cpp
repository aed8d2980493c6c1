#include "presentation/introentry.h"

#include "model/entryfile.h"
#include "platform/messages.h"
#include "richtext/rtfreader.h"

#include <QCoreApplication>

bool IntroTextHasLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return false;
    QString plain;
    try {
        plain = RtfToPlainText(lines.join(QStringLiteral("\r\n")).toLatin1());
    } catch (const std::exception&) {
        // Not RTF at all: the lines are the text.
        plain = lines.join(u'\n');
    }
    return !plain.trimmed().isEmpty();
}

void SaveIntroductionEntry(const QString& entryPath, TPresentation& presentation, const TIntroSave& save)
{
    if (presentation.IntroEnabled && save.Edited) {
        if (!IntroTextHasLines(save.Text)) {
            ShowInfo(QCoreApplication::translate("Introduction", "The Introduction has not been entered."));
            presentation.IntroEnabled = false;
        } else {
            QStringList existing;
            if (save.ExistedAtOpen && ReadIntroEntry(entryPath, existing))
                ReplaceIntroEntry(entryPath, save.Text);
            else
                AppendIntroEntry(entryPath, save.Text);
        }
    }
    if (!presentation.IntroEnabled) {
        QStringList existing;
        if (ReadIntroEntry(entryPath, existing))
            DeleteEntry(entryPath, QStringLiteral("^INTRODUCTION^"), SourceIntro);
    }
}
