#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/** The entry points that the fuzz targets and the regression corpus share.
    Each takes hostile bytes, runs them through one reader and checks what
    must hold whatever the bytes are (for the readers: what loads saves
    back and reloads the same). The result is empty, or what went wrong.
*/
namespace FuzzEntries
{
using Entry = std::string (*) (const std::uint8_t* data, size_t size);

struct Target
{
    const char* name;
    Entry entry;
};

/** library, settings, base64, datablock, bankdump, midi */
const std::vector<Target>& targets();

Entry find (const std::string& name);

/** Seed inputs for a target, made by the project's own writers. */
std::vector<std::string> seedsFor (const std::string& name);
} // namespace FuzzEntries
