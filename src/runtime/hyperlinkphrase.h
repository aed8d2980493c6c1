#pragma once
// The hyperlink phrase under the caret of a question text: the run of
// underlined characters around it, as the student clicks it at run time and
// the author defines it. Positions are those of the rich-text control's own
// text (one character per paragraph break).
//
// The cuts: a run with a plain character in front of it gives the run; a run
// starting a line gives the run; a run with exactly one plain character
// between the line start and the run gives that character and the run (a
// blank there is trimmed). At most 30 positions are collected, so a long run
// is cut to 29 characters (30 when it starts a line). Leading and trailing
// blanks and control characters are removed; a line break ends the run.

#include <QString>

#include <functional>

class TRichEdit;

// The phrase over plain text, given which positions are underlined and the
// caret position; empty when the caret is not on underlined text.
QString HyperlinkPhraseAt(const QString& text, const std::function<bool(int)>& underlined, int caret);

// The phrase at the control's caret. The caret is left where it was, with an
// empty selection.
QString GetHyperlinkPhrase(TRichEdit& edit);
