#pragma once
// Code pages of RTF text: the Windows single-byte pages are decoded from own
// tables (fast, and independent of what the Qt build supports); other pages
// (the double-byte East Asian ones, DOS and Mac pages) through QStringDecoder.

// The characters of bytes 0x80-0xFF of a Windows single-byte code page
// (874, 1250-1258), or nullptr for any other page. Bytes below 0x80 are ASCII.
const char16_t* SingleByteCodePage(int codePage);

// The code page of an RTF \fcharset value, or 0 for "the document's code
// page" (ANSI and default charsets) and -1 for the symbol charset.
int CodePageOfCharset(int charset);

// The name QStringDecoder knows a code page by ("windows-1251", "Shift_JIS").
const char* CodePageName(int codePage);

// True for the double-byte pages, where a lead byte needs a trail byte.
bool IsDoubleByteCodePage(int codePage);
