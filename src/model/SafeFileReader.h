#pragma once

#include <juce_core/juce_core.h>

#include <string>

/** Reads a whole file that may hold anything: only a regular file is read,
    never more than a size limit, and a pipe or device never blocks the
    caller. Every refusal comes with a reason the user can act on.
*/
struct FileReadResult
{
    enum class Problem
    {
        none,
        missing,
        notRegularFile, // a folder, pipe, device or socket
        tooLarge,
        unreadable
    };

    Problem problem = Problem::none;
    std::string bytes;

    bool ok() const noexcept { return problem == Problem::none; }

    /** "is a folder, not a file", "is larger than 32 MiB", ... */
    juce::String describe (size_t sizeLimit) const;
};

FileReadResult readWholeFile (const juce::File& file, size_t sizeLimit);

/** "32 MiB", "512 KiB", "100 bytes". */
juce::String describeSize (size_t bytes);
