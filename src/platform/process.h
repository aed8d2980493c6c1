#pragma once
// Starting other programs: a program and its argument list, never a shell.

#include <QString>
#include <QStringList>

// Splits a parameter text into words as a POSIX shell splits words: blanks
// separate, '...' keeps everything literally, "..." keeps blanks (a
// backslash escapes " \ $ ` there), a backslash outside quotes escapes the
// next character. Nothing is expanded.
QStringList SplitCommandWords(const QString& text);

// The executable the name stands for: an existing file (through
// ResolveCase) when the name holds a directory, else a search of PATH and
// then of the current directory; a trailing ".EXE" (any case) is also tried
// without it, and the name in lower case. Empty when nothing fits.
QString FindProgram(const QString& program);

// Starts the program and waits until it ends, the event loop running so the
// screen is repainted (user input to our windows is held back). Ends early
// when the application quits. False when it cannot be started; the reason
// goes to standard error.
bool RunAndWait(const QString& program, const QStringList& arguments);
