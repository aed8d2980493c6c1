#pragma once
// What the dynamic loader needs to start a program or open a library: the
// dynamic section of an ELF file (its needed libraries, search paths and own
// name), read without running anything.

#include <QString>
#include <QStringList>

struct TElfDynamic {
    bool Valid = false;     // an ELF file whose dynamic section could be read
    int Class = 0;          // 1 = 32-bit, 2 = 64-bit
    int Machine = 0;        // e_machine
    QStringList Needed;     // DT_NEEDED, in file order
    QStringList RPath;      // DT_RPATH, split at ":" ($ORIGIN not expanded)
    QStringList RunPath;    // DT_RUNPATH, split at ":"
    QString SoName;         // DT_SONAME
};

// Reads the file's dynamic section. A file that is not ELF, is truncated or
// has offsets outside itself gives Valid == false; nothing is trusted that
// does not fit the file.
TElfDynamic ReadElfDynamic(const QString& path);
