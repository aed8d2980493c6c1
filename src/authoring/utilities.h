#pragma once
// "Program &Utilities": re-ordering, hypertext and results-file utilities.
void ProgramUtilities();
