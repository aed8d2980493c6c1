#pragma once
// "&Compile Test" and "Create E&xecutable".
void CompileTest();
void CreateExecutable();
