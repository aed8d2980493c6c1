#pragma once
// The question screen of View a Question: the current question record
// (QuestionBuffer) shown as a student sees it, as the only question of a run.
// Its attachments come from the project's entry file.

#include <QStringList>

void ShowQuestionForView(const QStringList& lines);
