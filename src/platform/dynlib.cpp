#include "platform/dynlib.h"

#include <cstdio>
#include <dlfcn.h>

TDynLib::TDynLib(std::initializer_list<const char*> sonames)
{
    for (const char* name : sonames)
        FNames.emplace_back(name);
}

TDynLib::~TDynLib()
{
    if (FHandle)
        dlclose(FHandle);
}

bool TDynLib::Load()
{
    if (FTried)
        return FHandle != nullptr;
    FTried = true;
    FError.clear();
    for (const std::string& name : FNames) {
        FHandle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (FHandle)
            return true;
        const char* why = dlerror();
        if (!FError.empty())
            FError += "; ";
        FError += why ? why : name + ": cannot be opened";
    }
    if (FNames.empty())
        FError = "no library name given";
    std::fprintf(stderr, "quendra: %s\n", FError.c_str());
    return false;
}

void* TDynLib::Symbol(const char* name)
{
    if (!Load())
        return nullptr;
    dlerror();
    void* address = dlsym(FHandle, name);
    if (!address) {
        const char* why = dlerror();
        FError = why ? why : std::string(name) + ": symbol not found";
        std::fprintf(stderr, "quendra: %s\n", FError.c_str());
    }
    return address;
}
