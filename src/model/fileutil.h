#pragma once
// File and text utilities shared by every part of the program.

#include <QString>
#include <QByteArray>
#include <QFile>

class QIODevice;

// Attribute bits as the design uses them.
enum : int {
    faReadOnly = 0x01, faHidden = 0x02, faSysFile = 0x04, faDirectory = 0x10, faArchive = 0x20,
};

// The file name without directory and extension. Both "/" and "\" separate
// directories; a period in a directory does not count.
QString BaseName(const QString& path);

// True when the whole text is a signed 32-bit integer: optional leading
// blanks, optional sign, decimal digits, or hex digits after "$", "x", "X",
// "0x" or "0X". Empty is false.
bool IsInteger(const QString& text);
// The same parse; false when the text is not an integer.
bool TryStrToInt(const QString& text, int& value);
// The same parse; throws EConvertError "'TEXT' is not a valid integer value".
int StrToInt(const QString& text);

// False when the text holds one of  " * + , / : ; < = > ? [ ] |
bool IsValidFileName(const QString& text);

bool HasAttributes(const QString& path, int attributes);

// True when both paths name the same existing file (same device and inode),
// whatever their texts.
bool SameFile(const QString& a, const QString& b);

// Status: 0 copied, 1 same file (nothing done), 2 source cannot be opened,
// 3 target cannot be created, 4 a write stored fewer bytes than were read.
int CopyFile(const QString& source, const QString& target);

// Copies into a directory (under the source's name) or onto a file; throws
// EInOutError "Cannot open file NAME" / "Cannot create file NAME".
void CopyFileTo(const QString& source, const QString& target);

// The output that AppendFileToOutput appends to (the compiled-test builder
// sets it while it writes). Not owned.
void SetAppendOutput(QIODevice* output);
QIODevice* AppendOutput();
// Status 0, 2 or 4 as for CopyFile.
int AppendFileToOutput(const QString& path);

// Searches ProjectDir for the pattern (wildcards * and ?, letter case
// ignored) and gives the bare name of the first match.
bool FindProjectFile(const QString& pattern, QString& name);
bool FindProjectFileEither(const QString& pattern1, const QString& pattern2, QString& name);

// word := text before the first space; text := text after it. Without a
// space the word is empty and the text stays.
QString SplitFirstWord(QString& text);

// The exact path if it exists; else each component that does not exist is
// matched, ignoring letter case, against the one entry of its directory with
// that name; else the path as given. Relative paths resolve against the
// current directory.
QString ResolveCase(const QString& path);

// ---- font description text: "size colour style face name" ----
enum : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
struct TFontDesc {
    int Size = 10;
    quint32 Color = 0;
    int Style = 0;
    QString Name = QStringLiteral("Times New Roman");
    bool operator==(const TFontDesc&) const = default;
};
// Throws EConvertError when a number field is not a number.
void FontFromText(const QString& text, TFontDesc& font);
QString FontToText(const TFontDesc& font);

// ---- whole-file reads and atomic writes ----
// Reads the whole file; throws EInOutError naming the file.
QByteArray ReadWholeFile(const QString& path);
// The whole file through the save helper (SaveWholeFile, durable): the old
// file stays whole on any failure. Throws EInOutError naming the file.
void WriteWholeFile(const QString& path, const QByteArray& data);

// Writes all of data at offset of the open file, unbuffered, every size
// checked; 0, or the errno of the failure (ENOSPC for a write that stores
// nothing).
int WriteAllAt(int fd, const char* data, qint64 size, qint64 offset);
// What in holds from its position to its end; throws EInOutError naming what.
QByteArray ReadAllFrom(QIODevice& in, const QString& what);

[[noreturn]] void RaiseInOutError(const QString& what, const QString& file, const QString& reason);
