#pragma once
// Texts inside records and entry files are single-byte Windows-1252.
// A character that Windows-1252 cannot hold is stored as "?".

#include <QByteArray>
#include <QString>

QString AnsiToString(const char* data, int length);
inline QString AnsiToString(const QByteArray& bytes) { return AnsiToString(bytes.constData(), int(bytes.size())); }
QByteArray StringToAnsi(const QString& text);
// The Windows-1252 byte of one character, or '?' when it has none.
char CharToAnsi(QChar c);
QChar AnsiToChar(unsigned char b);
