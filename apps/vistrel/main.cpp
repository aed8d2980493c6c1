// The runtime player: shows the compiled test NAME.QXC given as its argument.
#include "model/errors.h"
#include "model/fileutil.h"
#include "runtime/compiledtestfile.h"
#include "runtime/testprogram.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    return RunTestProgram(argc, argv, [](TCompiledTestFile& test) {
        const QStringList args = QCoreApplication::arguments();
        if (args.size() < 2)
            throw EQuendraError(QCoreApplication::translate(
                "Player", "No compiled test was given.\nUse the command VISTREL NAME.QXC to display a test."));
        QString name = args.at(1);
        // "VISTREL MATHS" means MATHS.QXC.
        if (!QFileInfo::exists(ResolveCase(name)) && QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".QXC");
        test.Open(name);
        return name;
    });
}
