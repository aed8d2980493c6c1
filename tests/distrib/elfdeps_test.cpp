// The dynamic sections of our own programs, read with the distribution's ELF
// reader: what they need decides what a student machine must have.
#include "distrib/elfdeps.h"
#include "platform/mediabackend.h"

#include <gtest/gtest.h>

namespace {

bool NeedsQtMultimedia(const TElfDynamic& elf)
{
    for (const QString& lib : elf.Needed)
        if (lib.startsWith(QLatin1String("libQt6Multimedia")))
            return true;
    return false;
}

// The programs must not load Qt Multimedia at start: only the media module
// names it among the libraries it needs, so a machine without a working
// multimedia stack still starts a test. They find the libraries of a
// distribution folder through the search path $ORIGIN/lib.
TEST(ElfDynamic, OnlyTheMediaModuleNeedsQtMultimedia)
{
    for (const char* program : {"quendra", "vistrel.exe", "quedrix.bin"}) {
        const TElfDynamic elf = ReadElfDynamic(QStringLiteral(QUENDRA_BIN_DIR "/") + QLatin1String(program));
        ASSERT_TRUE(elf.Valid) << program;
        EXPECT_TRUE(elf.Needed.contains(QStringLiteral("libQt6Core.so.6"))) << program;
        EXPECT_FALSE(NeedsQtMultimedia(elf)) << program;
    }
    for (const char* program : {"vistrel.exe", "quedrix.bin"})
        EXPECT_TRUE(ReadElfDynamic(QStringLiteral(QUENDRA_BIN_DIR "/") + QLatin1String(program))
                        .RPath.contains(QStringLiteral("$ORIGIN/lib"))) << program;
    const TElfDynamic module = ReadElfDynamic(QStringLiteral(QUENDRA_BIN_DIR "/" QUENDRA_MEDIA_BACKEND_FILE));
    ASSERT_TRUE(module.Valid);
    EXPECT_TRUE(NeedsQtMultimedia(module));
}

} // namespace
