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
