#include "runtime/showentry.h"

#include "model/entryfile.h"
#include "platform/messages.h"
#include "runtime/entrydisplays.h"
#include "runtime/hnotesform.h"
#include "runtime/multimedia.h"

#include <QCoreApplication>
#include <QDir>

namespace {

TTextEntryDisplay gTextDisplay = nullptr;

// The value of the command line (line 3): everything after its first "=".
QString CommandValue(const QStringList& lines)
{
    if (lines.size() < 4)
        return QString();
    const QString& line = lines[3];
    return line.mid(line.indexOf(u'=') + 1);
}

} // namespace

void SetTextEntryDisplay(TTextEntryDisplay display) { gTextDisplay = display; }

void ShowEntry(const QStringList& lines)
{
    const int code = EntryTypeCode(lines);
    QString name = lines.value(0);
    if (name.startsWith(u'['))
        name = name.mid(1, name.size() - 2);
    CurrentEntryName = name;
    switch (code) {
    case 1:
    case 5: {
        TEntryDisplay display;
        SetEntryDisplayDefaults(display);
        QStringList text;
        ParseDisplayEntry(lines, display, text);
        if (gTextDisplay)
            gTextDisplay(code, display, text);
        else if (code == 1)
            ShowTextWindow(display, text);
        else
            ShowViewPortDisplay(display, text);
        break;
    }
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
        ShowMultimedia(name, CommandValue(lines));
        break;
    case 4:
    case 9:
        RunProgramAndWait(code, CommandValue(lines));
        break;
    case 10: {
        const QString value = CommandValue(lines);
        OpenDocument(QDir::isRelativePath(value) && !ProjectDir.isEmpty() && !value.contains(u':')
                         ? ProjectDir + value
                         : value);
        break;
    }
    case 13:
        ShowNotepad(CommandValue(lines));
        break;
    default:
        break;   // 11, 12 and unknown codes do nothing
    }
}
