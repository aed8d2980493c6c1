// The runtime stub: shows the compiled test appended to its own file.
#include "runtime/compiledtestfile.h"
#include "runtime/testsummaryform.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    return RunTestProgram(argc, argv, [](TCompiledTestFile& test) {
        // The running image itself, whatever name or link started it.
        test.OpenAppended(QStringLiteral("/proc/self/exe"));
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    });
}
