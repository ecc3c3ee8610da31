#include "SafeFileReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
juce::String describeFileType (mode_t mode)
{
    if (S_ISDIR (mode))
        return "is a folder, not a file";

    if (S_ISFIFO (mode))
        return "is a pipe, not a file";

    if (S_ISSOCK (mode))
        return "is a socket, not a file";

    return "is a device, not a file";
}

struct ScopedDescriptor
{
    explicit ScopedDescriptor (int d)
        : descriptor (d)
    {
    }
    ~ScopedDescriptor()
    {
        if (descriptor >= 0)
            ::close (descriptor);
    }

    int descriptor;
};
} // namespace

juce::String describeSize (size_t bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return juce::String ((juce::uint64) (bytes / (1024 * 1024))) + " MiB";

    if (bytes >= 1024 && bytes % 1024 == 0)
        return juce::String ((juce::uint64) (bytes / 1024)) + " KiB";

    return juce::String ((juce::uint64) bytes) + " bytes";
}

juce::String FileReadResult::describe (size_t sizeLimit) const
{
    switch (problem)
    {
        case Problem::none:
            return {};
        case Problem::missing:
            return "does not exist";
        case Problem::notRegularFile:
            return bytes.empty() ? juce::String ("is not a regular file") : juce::String (bytes);
        case Problem::tooLarge:
            return "is larger than " + describeSize (sizeLimit) + ", more than any file the editor writes";
        case Problem::unreadable:
            return "cannot be read" + (bytes.empty() ? juce::String() : " (" + juce::String (bytes) + ")");
    }

    return {};
}

FileReadResult readWholeFile (const juce::File& file, size_t sizeLimit)
{
    FileReadResult result;
    const auto path = file.getFullPathName();

    auto fail = [&result] (FileReadResult::Problem problem, juce::String detail = {})
    {
        result.problem = problem;
        result.bytes = detail.toStdString();
        return result;
    };

    // O_NONBLOCK: opening a named pipe with no writer must not hang; the
    // descriptor is only read once it is known to be a regular file.
    ScopedDescriptor fd (::open (path.toRawUTF8(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));

    if (fd.descriptor < 0)
    {
        const auto error = errno;
        struct stat info
        {
        };

        if (error == ENOENT || error == ENOTDIR)
            return fail (FileReadResult::Problem::missing);

        if (::stat (path.toRawUTF8(), &info) == 0 && ! S_ISREG (info.st_mode))
            return fail (FileReadResult::Problem::notRegularFile, describeFileType (info.st_mode));

        return fail (FileReadResult::Problem::unreadable, std::strerror (error));
    }

    struct stat info
    {
    };

    if (::fstat (fd.descriptor, &info) != 0)
        return fail (FileReadResult::Problem::unreadable, std::strerror (errno));

    if (! S_ISREG (info.st_mode))
        return fail (FileReadResult::Problem::notRegularFile, describeFileType (info.st_mode));

    if ((juce::uint64) info.st_size > (juce::uint64) sizeLimit)
        return fail (FileReadResult::Problem::tooLarge);

    // Regular files never block; reading plainly from here on.
    ::fcntl (fd.descriptor, F_SETFL, ::fcntl (fd.descriptor, F_GETFL) & ~O_NONBLOCK);

    // The file may grow while it is read: never take more than the limit.
    // One byte more than the size it claims, to see the end without growing.
    result.bytes.resize ((size_t) info.st_size + 1);
    size_t filled = 0;

    for (;;)
    {
        if (filled == result.bytes.size())
        {
            if (result.bytes.size() > sizeLimit)
                return fail (FileReadResult::Problem::tooLarge);

            result.bytes.resize (std::min (sizeLimit + 1, std::max<size_t> (result.bytes.size() * 2, 4096)));
        }

        const auto got = ::read (fd.descriptor, result.bytes.data() + filled, result.bytes.size() - filled);

        if (got < 0)
        {
            if (errno == EINTR)
                continue;

            return fail (FileReadResult::Problem::unreadable, std::strerror (errno));
        }

        if (got == 0)
            break;

        filled += (size_t) got;
    }

    if (filled > sizeLimit)
        return fail (FileReadResult::Problem::tooLarge);

    result.bytes.resize (filled);
    return result;
}
