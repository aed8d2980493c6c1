#pragma once
// Bringing an author's file into a rich-text editor.

#include <QApplication>
#include <QByteArray>
#include <QString>

// A text file of the author's: UTF-8 when it is valid UTF-8, else
// Windows-1252; line ends of any platform; a byte-order mark dropped; the
// line end of the last line starts no further paragraph.
QString DecodePlainText(QByteArray bytes);
// True when the bytes start (after a byte-order mark and blanks) with "{\rtf".
bool LooksLikeRtf(const QByteArray& bytes);

// The hourglass while a format is applied or a file is read, the arrow again
// afterwards, on every way out.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
