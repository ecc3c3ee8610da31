#include "StartupTrace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace StartupTrace
{
void firstPaintDone() noexcept
{
    static bool done = false;

    if (done)
        return;

    done = true;

    if (const auto* path = std::getenv ("VANDORIUM_TRACE_FIRST_PAINT"); path != nullptr && *path != 0)
    {
        timespec now {};
        clock_gettime (CLOCK_MONOTONIC, &now);

        if (auto* file = std::fopen (path, "w"))
        {
            std::fprintf (file, "%lld\n", (long long) now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fclose (file);
        }
    }
}
} // namespace StartupTrace
