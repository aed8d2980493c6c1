#pragma once

// A shared library opened on first use rather than by the dynamic loader at
// process start. Libraries that only a few commands need (MIDI synthesis,
// metafile rendering) would otherwise pull in dozens of dependencies and cost
// start-up time on every run. Not thread-safe: the program is single-threaded.

#include <initializer_list>
#include <string>
#include <vector>

class TDynLib {
public:
    // sonames are tried in order; the first that opens is used.
    TDynLib(std::initializer_list<const char*> sonames);
    ~TDynLib();
    TDynLib(const TDynLib&) = delete;
    TDynLib& operator=(const TDynLib&) = delete;

    // Opens the library once; later calls give the first answer again.
    // A failure is written to stderr with the loader's reason.
    bool Load();
    bool Loaded() const { return FHandle != nullptr; }

    // The address of a symbol, or nullptr (reason on stderr and in Error()).
    // Loads the library first if need be.
    void* Symbol(const char* name);

    // Resolves a typed function pointer; false when the library or the
    // symbol is missing (fn is then nullptr).
    template <class F>
    bool Resolve(F*& fn, const char* name)
    {
        fn = reinterpret_cast<F*>(Symbol(name));
        return fn != nullptr;
    }

    const std::string& Error() const { return FError; }

private:
    std::vector<std::string> FNames;
    void* FHandle = nullptr;
    bool FTried = false;
    std::string FError;
};
