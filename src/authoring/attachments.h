#pragma once
// The attachment menu of a question's optional information (Information,
// Explanation, Right and Wrong Feedback), each an INFO entry.

#include <QString>

// Opens the attachment menu for the entry of that name (source "INFO").
// True when the entry is defined afterwards.
bool EditAttachment(const QString& entryName);
