#pragma once

/** For the start-up benchmark: when the environment names a file in
    VANDORIUM_TRACE_FIRST_PAINT, the first complete paint of the main window
    writes the monotonic clock (nanoseconds) there, once. Otherwise nothing.
*/
namespace StartupTrace
{
void firstPaintDone() noexcept;
} // namespace StartupTrace
