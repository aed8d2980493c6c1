#pragma once
// Shared pieces of the attachment menu tests: one showing of a menu, the
// text editor, and the stored lines of an entry.

#include "authoringtest.h"

#include "authoring/attachmenuform.h"

#include <functional>

class AttachTest : public AuthoringTest {
protected:
    // The next showing of the menu of that class.
    static void Menu(const char* className, std::function<void(TAttachMenuForm&)> act);
    // The next text editor: checks its mode, types the text (none: the
    // editor is emptied) and presses OK.
    static void TypeText(const QString& text, int mode);
    // The lines of the stored entry (empty when there is none).
    static QStringList Stored(const QString& name, const QString& source);
};

class TRichEdit;
// A real left press (and release) on the character at pos of the control's
// text; the events it posts are run.
void PressAt(TRichEdit* edit, int pos);
