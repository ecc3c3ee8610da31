// One libFuzzer target; VANDORIUM_FUZZ_TARGET names which entry it drives.

#include "FuzzEntries.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static const auto entry = FuzzEntries::find (VANDORIUM_FUZZ_TARGET);
    const auto failure = entry (data, size);

    if (! failure.empty())
    {
        std::fprintf (stderr, "%s: %s\n", VANDORIUM_FUZZ_TARGET, failure.c_str());
        std::abort();
    }

    return 0;
}
