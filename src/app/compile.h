#pragma once
// "&Compile Test" and "Create E&xecutable".
void CompileTest();
void CreateExecutable();
// Builds the compiled test, then <base>.EXE from the runtime stub; reports
// a failure itself and answers false.
bool BuildExecutable();
