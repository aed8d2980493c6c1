#pragma once
// The top level of the runtime programs (the player and the stub): loads the
// compiled test, takes it with the run engine, and shows any failure in an
// error box.

#include <QString>

#include <functional>

class TCompiledTestFile;

// load opens the test and answers its file (the .QXC, or the program that
// carries it). Answers the exit code.
int RunTestProgram(int argc, char** argv, const std::function<QString(TCompiledTestFile&)>& load);

// Where the run files of a test in folder go: the folder itself when a file
// can be created there, else the student's documents folder (created when
// missing). Answers the folder with a trailing separator; moved tells
// whether it is not the test's own folder.
QString ChooseRunFileDir(const QString& folder, bool& moved);

// Makes a loaded compiled test the test to run: its settings, its questions
// and its entries; run files named base in dir.
void UseCompiledTest(const TCompiledTestFile& test, const QString& base, const QString& dir);
