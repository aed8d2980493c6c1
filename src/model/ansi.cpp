#include "model/ansi.h"

namespace {

// Windows-1252 characters 0x80..0x9F; 0 marks the five unassigned codes,
// which decode to the C1 control of the same value (as the platform does).
const char16_t HighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QChar AnsiToChar(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F && HighTable[b - 0x80] != 0)
        return QChar(HighTable[b - 0x80]);
    return QChar(char16_t(b));
}

char CharToAnsi(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == u && u != 0)
            return char(0x80 + i);
        if (HighTable[i] == 0 && u == 0x80 + i)
            return char(u);
    }
    return '?';
}

QString AnsiToString(const char* data, int length)
{
    QString s;
    s.resize(length > 0 ? length : 0);
    for (int i = 0; i < length; ++i)
        s[i] = AnsiToChar(static_cast<unsigned char>(data[i]));
    return s;
}

QByteArray StringToAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A surrogate pair is one character outside Windows-1252: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(CharToAnsi(c));
    }
    return out;
}
