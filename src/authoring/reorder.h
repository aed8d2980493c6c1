#pragma once
// Re-ordering the question file: the only way the order of the questions
// changes.

#include <QString>

// Moves record `source` (0-based) so that it stands right before record
// `target`; every other record keeps its order and the file keeps its record
// count. Nothing is written when the order would not change (the same record,
// or the record that already follows it). The new file replaces the old one
// through the save helper: a failure leaves the old file whole. A question
// file that is not a whole number of records, or indexes outside it, are
// refused with EInOutError and the file is not touched.
void MoveQuestionBefore(int source, int target);

// The designed form by identifier: the last record with the source
// identifier goes before the first record with the target identifier.
void MoveQuestionBefore(const QString& source, const QString& target);
