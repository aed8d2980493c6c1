#include "runtime/hyperlinkphrase.h"

#include "platform/richedit.h"

namespace {

constexpr int CollectedPositions = 30;
constexpr int MaxPhraseLength = 31;

bool IsControl(QChar c) { return c.unicode() < 32 || c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

} // namespace

QString HyperlinkPhraseAt(const QString& text, const std::function<bool(int)>& underlined, int caret)
{
    const int length = int(text.size());
    // A character counts as underlined only when it is text: a line break
    // ends the run whatever its format says.
    const auto linked = [&](int p) { return p >= 0 && p < length && !IsControl(text[p]) && underlined(p); };
    const int c = caret;
    if (!linked(c))
        return QString();

    // Backward to the plain character in front of the run, or to the line start.
    int p = c;
    bool strip = true;
    while (linked(p)) {
        if (p == 0) {
            strip = false;
            break;
        }
        p -= 1;
        if (p == 0 || IsControl(text[p - 1])) {
            strip = false;
            break;
        }
    }

    // Forward: take the character before each new position, up to the first
    // position that is not underlined.
    QString phrase;
    bool collecting = true;
    for (int pass = 0; pass < CollectedPositions; ++pass) {
        if (p >= length)
            break;   // the end of the text: the selection start cannot move on
        p += 1;
        const QChar taken = text[p - 1];
        if (collecting)
            phrase.append(taken);
        if (!linked(p))
            collecting = false;
    }
    if (strip && !phrase.isEmpty())
        phrase.remove(0, 1);

    int first = 0;
    int last = int(phrase.size());
    while (first < last && (phrase[first] == u' ' || IsControl(phrase[first])))
        ++first;
    while (last > first && (phrase[last - 1] == u' ' || IsControl(phrase[last - 1])))
        --last;
    return phrase.mid(first, last - first).left(MaxPhraseLength);
}

QString GetHyperlinkPhrase(TRichEdit& edit)
{
    const int caret = edit.SelStart();
    const QString phrase = HyperlinkPhraseAt(edit.Text(), [&](int p) { return edit.IsUnderlinedAt(p); }, caret);
    edit.SetSelStart(caret);
    return phrase;
}
