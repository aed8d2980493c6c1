#pragma once
// The entry file: named entries of rich text, commands and displays, one
// text file per project (CR LF lines, Windows-1252).

#include <QString>
#include <QStringList>

#include "model/testconfig.h"

#include <memory>

class QIODevice;
class TEntryTable;
using TEntryTablePtr = std::shared_ptr<const TEntryTable>;

// Entry sources.
inline const QString SourceIntro = QStringLiteral("INTRO");
inline const QString SourceQuest = QStringLiteral("QUEST");
inline const QString SourceInfo = QStringLiteral("INFO");
inline const QString SourceHyper = QStringLiteral("HYPER");
inline const QString SourceComms = QStringLiteral("COMMS");

// The name of the entry being shown; the run-time displays use it as their
// caption (set by ShowEntry).
extern QString CurrentEntryName;

bool EntrySourceExists(const QString& file, const QString& source);
void ListEntryNames(QStringList& names, const QString& file, const QString& source);
bool ReadEntry(const QString& file, const QString& name, const QString& source, QStringList& lines);
void ParseDisplayEntry(const QStringList& lines, TEntryDisplay& display, QStringList& text);
void AppendCommandEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QString& command);
void ReplaceCommandEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QString& command, int typeCode);
void AppendDisplayEntry(const QString& file, const QString& name, int typeCode, const QString& source,
                        const QStringList& text, const TEntryDisplay& display);
void ReplaceDisplayEntry(const QString& file, const QString& newName, const QString& oldName,
                         const QString& source, const QStringList& text, const TEntryDisplay& display,
                         int typeCode);
void DeleteEntry(const QString& file, const QString& name, const QString& source);
bool EntryNameTaken(const QString& file, const QString& newName, const QString& oldName, const QString& source);
void AppendIntroEntry(const QString& file, const QStringList& text);
bool ReadIntroEntry(const QString& file, QStringList& text);
void ReplaceIntroEntry(const QString& file, const QStringList& text);
void AppendQuestionEntry(const QString& file, const QString& identifier, const QStringList& text);
bool ReadQuestionEntry(const QString& file, const QString& identifier, QStringList& text);
void ReplaceQuestionEntry(const QString& file, const QString& identifier, const QStringList& text);
void ConvertEntryCommands(const QString& file);
bool CompileEntryFile(const QString& file, const QString& extension);
QString ColorToText(quint32 colour);
quint32 TextToColor(const QString& text);   // throws EConvertError

// The type code on line 2 of an entry's lines (as ReadEntry gives them): the
// at most two characters after its "=". Throws EListError or EConvertError
// naming the entry.
int EntryTypeCode(const QStringList& lines);

// Writes the compiled entry block of the entry file at out's current
// position (out must be seekable; offsets in the block count from that
// position). False, and nothing written, if the file does not exist. Throws
// EInOutError when a read or write fails; a write failure names outName (or
// out's own file name).
bool WriteCompiledEntryBlock(const QString& file, QIODevice& out, const QString& outName = QString());
// The same from the entry file's bytes as in holds them from its position.
void WriteCompiledEntryBlock(QIODevice& in, const QString& inName, QIODevice& out, const QString& outName);

// The entry table of the file as it is now: a snapshot that keeps answering
// from the bytes it was built from. Null when the file does not exist. The
// process keeps the tables of the last few files and checks each against its
// file's identity (device, inode, size, modification and change times to the
// nanosecond) on every call, so a change by any program is seen at once.
// Throws EInOutError when the file cannot be read.
TEntryTablePtr EntryTableOf(const QString& file);
// The entry table of what in holds from its position to its end.
TEntryTablePtr ReadEntryTable(QIODevice& in, const QString& what);

// Drops every table the process keeps (benchmarks measure a cold start with it).
void ForgetEntryIndexes();
