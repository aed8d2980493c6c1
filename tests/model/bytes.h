#pragma once
// Hand-made bytes for the layout tests: written here, not by the code under
// test, so that a test compares the writers against an independent reading
// of the layout.

#include <QByteArray>

namespace TestBytes {

inline QByteArray Le16(int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

inline QByteArray Le32(quint32 v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

// A short string field: length byte, text, zero fill up to the capacity.
inline QByteArray Short(const QByteArray& text, int capacity)
{
    QByteArray b(1, char(text.size()));
    b += text;
    b += QByteArray(capacity - text.size(), 0);
    return b;
}

} // namespace TestBytes
