// Commands of this folder whose forms are not built yet.
#include "platform/messages.h"

#include <QCoreApplication>


#include "presentation/mediachoosers.h"

namespace {
bool MediaDialogPending()
{
    NotAvailableYet(QCoreApplication::translate("Commands", "Media selection"));
    return false;
}
} // namespace

bool GetGraphicCommand(QString&, QString&, int&) { return MediaDialogPending(); }
bool GetAudioCommand(QString&, QString&) { return MediaDialogPending(); }
bool GetGraphicAudioCommand(QString&, QString&, QString&, int&) { return MediaDialogPending(); }
bool GetVideoCommand(QString&, QString&) { return MediaDialogPending(); }
bool GetMidiCommand(QString&, QString&) { return MediaDialogPending(); }
bool GetExeCommand(QString&) { return MediaDialogPending(); }
bool GetWinExeCommand(QString&) { return MediaDialogPending(); }
bool GetHtmCommand(QString&) { return MediaDialogPending(); }
bool ChooseExternalCommand(QString&, int&) { return MediaDialogPending(); }
bool ChooseExecutableCommand(QString&, int&) { return MediaDialogPending(); }
