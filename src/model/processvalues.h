#pragma once
// Process-wide values and their reset routines.
//
// Every module that keeps values for the whole process (paths, the open
// project, caches, test hooks) gives one routine that puts them back as they
// are when the program starts, and registers it in the module's own .cpp:
//
//     void ResetMediaValues() { ... }
//     QUENDRA_RESET_ROUTINE(ResetMediaValues)
//
// ResetAllProcessValues() calls every registered routine, in the order the
// modules were linked; every test fixture calls it first. A registration
// lives in the object file of the values it resets, so it is part of any
// program that can hold those values, and of no other.

using TResetRoutine = void (*)();

// Adds a reset routine (under a name for diagnostics); returns true, so that
// it can initialise a static. Registering the same routine twice keeps one.
bool RegisterResetRoutine(const char* name, TResetRoutine routine);

// Calls every registered reset routine.
void ResetAllProcessValues();

// The names of the registered routines, in calling order.
int ResetRoutineCount();
const char* ResetRoutineName(int index);

#define QUENDRA_RESET_CONCAT2(a, b) a##b
#define QUENDRA_RESET_CONCAT(a, b) QUENDRA_RESET_CONCAT2(a, b)
#define QUENDRA_RESET_ROUTINE(routine)                                                                       \
    namespace {                                                                                              \
    [[maybe_unused]] const bool QUENDRA_RESET_CONCAT(gResetRegistered_, __LINE__) =                          \
        RegisterResetRoutine(#routine, &(routine));                                                          \
    }
