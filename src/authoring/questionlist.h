#pragma once
// The question commands of the main window.
void AddQuestions();
void EditQuestion();
void ViewQuestion();
void DeleteQuestion();
void PreviewTest();
