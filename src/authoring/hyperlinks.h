#pragma once
// The hyperlinks of a question: underlined phrases of its text linked to
// HYPER entries.

#include <QByteArray>

// Lets the author define the hyperlink entries of the underlined phrases of
// the question text, given as an RTF stream.
void DefineHyperlinks(const QByteArray& rtf);

// The hypertext utilities window: view or delete the HYPER entries of the
// project.
void HypertextUtilities();

// Opens the hyperlink menu for the phrase: edit mode when a HYPER entry of
// that name exists, else new mode. A phrase that would address another
// entry (one beginning "^INTRO", or a question's identifier) is refused
// with a message.
void EditHyperlink(const QString& phrase);

// Why a phrase cannot name a hyperlink entry; empty when it can.
QString HyperlinkNameRefusal(const QString& phrase);
