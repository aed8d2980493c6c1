#include "model/processvalues.h"

#include <cstddef>
#include <vector>

namespace {

struct TRegistered {
    const char* Name;
    TResetRoutine Routine;
};

// Filled while the program's statics are initialised, before main.
std::vector<TRegistered>& Registry()
{
    static std::vector<TRegistered> registry;
    return registry;
}

} // namespace

bool RegisterResetRoutine(const char* name, TResetRoutine routine)
{
    for (const TRegistered& r : Registry())
        if (r.Routine == routine)
            return true;
    Registry().push_back(TRegistered {name, routine});
    return true;
}

void ResetAllProcessValues()
{
    for (const TRegistered& r : Registry())
        r.Routine();
}

int ResetRoutineCount() { return int(Registry().size()); }

const char* ResetRoutineName(int index)
{
    return index >= 0 && index < ResetRoutineCount() ? Registry()[std::size_t(index)].Name : "";
}
