// The runtime stub: shows the compiled test appended to its own file.
#include "runtime/compiledtestfile.h"
#include "runtime/testprogram.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    return RunTestProgram(argc, argv, [](TCompiledTestFile& test) {
        // The running image itself (Qt finds it through /proc/self/exe,
        // whatever name or link started it).
        const QString self = QCoreApplication::applicationFilePath();
        test.OpenAppended(self);
        return QFileInfo(self).fileName();
    });
}
