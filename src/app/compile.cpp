// "&Compile Test" and "Create E&xecutable".
#include "app/compile.h"

#include "model/compiledtest.h"
#include "model/errors.h"
#include "model/fileutil.h"
#include "model/testconfig.h"
#include "platform/messages.h"
#include "runtime/multimedia.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Compile", text); }

// The designed message, with the reason below it when one is known.
QString WithReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + QStringLiteral("\n\n") + reason;
}

} // namespace

void CompileTest()
{
    QString reason;
    if (BuildCompiledTest(&reason)) {
        const QString t = DerivedFileName(QStringLiteral(".QXC"));
        ShowInfo(Tr("The Test %1 has been compiled. Use the command VISTREL %1 to display it.").arg(t));
    } else {
        ShowError(WithReason(Tr("Unable to compile the Test."), reason));
    }
}

bool BuildExecutable()
{
    QString reason;
    if (!BuildCompiledTest(&reason)) {
        ShowError(WithReason(Tr("Unable to create the Executable Test."), reason));
        return false;
    }
    try {
        WriteExecutable(ProgramDir + QStringLiteral("quedrix.bin"), CompiledTestPath(), ExecutablePath());
    } catch (const EQuendraError& e) {
        ShowError(WithReason(Tr("Unable to create the Executable Test."), e.Message()));
        return false;
    }
    return true;
}

void CreateExecutable()
{
    if (!BuildExecutable())
        return;
    const QString name = DerivedFileName(QStringLiteral(".EXE"));
    if (Confirm(Tr("The Executable Test %1 has been created.").arg(name) + QStringLiteral("\n\r\n\r")
                + Tr("Do you want to try it now?"))) {
        // A kind-4 value is the program, a comma and its parameters: with the
        // comma the whole path is the program, spaces and all.
        const QString exe = QFileInfo(ExecutablePath()).absoluteFilePath();
        RunProgramAndWait(4, exe.contains(u',') ? u'"' + exe + u'"' : exe + u',');
    }
}
