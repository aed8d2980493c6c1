// "Customize Results &Feedback": the score-group feedback comments window of
// the question authoring part.
#include "authoring/commentsform.h"
#include "testdesign/testpresentation.h"

void CustomizeResultsFeedback(QWidget* parent) { ShowCommentsForm(parent); }
