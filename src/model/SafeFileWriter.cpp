#include "SafeFileWriter.h"

#include "SafeFileReader.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
juce::File temporaryFileFor (const juce::File& target)
{
    // ".NAME.PID-RANDOM.vdtmp": hidden, and the process id tells a later
    // start whether the write that made it may still be running.
    const auto random = juce::String::toHexString (juce::Random::getSystemRandom().nextInt64());
    return target.getSiblingFile ("." + target.getFileName() + "." + juce::String ((int) ::getpid()) + "-" + random + temporaryFileSuffix);
}

bool writeAll (int descriptor, const char* data, size_t numBytes)
{
    while (numBytes > 0)
    {
        const auto written = ::write (descriptor, data, numBytes);

        if (written < 0)
        {
            if (errno == EINTR)
                continue;

            return false;
        }

        data += written;
        numBytes -= (size_t) written;
    }

    return true;
}

/** Writes the temporary file, checks it, and only then syncs it: read
    straight after the write, the check reads the system's cache instead of
    the disk, and the sync makes durable exactly what was checked.
*/
bool writeCheckAndSync (const juce::File& file, const void* data, size_t numBytes, const WrittenFileCheck& check)
{
    const auto descriptor = ::open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);

    if (descriptor < 0)
        return false;

    const auto ok = writeAll (descriptor, static_cast<const char*> (data), numBytes)
                    && (check == nullptr || check (file))
                    && ::fsync (descriptor) == 0;

    return (::close (descriptor) == 0) && ok;
}

void syncFolder (const juce::File& folder)
{
    const auto descriptor = ::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);

    if (descriptor >= 0)
    {
        ::fsync (descriptor);
        ::close (descriptor);
    }
}

bool processIsGone (const juce::String& fileName)
{
    // ".NAME.PID-RANDOM.vdtmp"
    const auto stem = fileName.dropLastCharacters ((int) std::strlen (temporaryFileSuffix));
    const auto pidText = stem.fromLastOccurrenceOf (".", false, false).upToFirstOccurrenceOf ("-", false, false);

    if (pidText.isEmpty() || ! pidText.containsOnly ("0123456789") || pidText.length() > 9)
        return true;

    const auto pid = (pid_t) pidText.getIntValue();

    if (pid <= 0)
        return true;

    if (pid == ::getpid())
        return false;

    return ::kill (pid, 0) != 0 && errno == ESRCH;
}
} // namespace

bool replaceFileContent (const juce::File& target, const void* data, size_t numBytes, const WrittenFileCheck& check)
{
    if (target.isDirectory())
        return false;

    const auto folder = target.getParentDirectory();

    if (! folder.createDirectory())
        return false;

    const auto temp = temporaryFileFor (target);

    if (writeCheckAndSync (temp, data, numBytes, check)
        && ::rename (temp.getFullPathName().toRawUTF8(), target.getFullPathName().toRawUTF8()) == 0)
    {
        syncFolder (folder);
        return true;
    }

    temp.deleteFile();
    return false;
}

bool replaceFileContent (const juce::File& target, const juce::String& text, const WrittenFileCheck& check)
{
    const auto utf8 = text.toRawUTF8();
    return replaceFileContent (target, utf8, std::strlen (utf8), check);
}

namespace
{
/** Earlier versions wrote through the framework's hidden temporary files,
    ".NAME_tempHEX.EXT", which a kill during a save left behind; named like
    a library, one would pass for a library file.
*/
bool isLegacyTemporaryFile (const juce::String& fileName)
{
    if (! fileName.startsWithChar ('.'))
        return false;

    const auto stem = fileName.upToLastOccurrenceOf (".", false, false);
    const auto extension = fileName.fromLastOccurrenceOf (".", true, false);
    const auto hex = stem.fromLastOccurrenceOf ("_temp", false, false);

    return stem.contains ("_temp") && hex.isNotEmpty() && hex.containsOnly ("0123456789abcdef")
           && (extension == ".vandorium" || extension == ".xml" || extension == ".syx");
}
} // namespace

bool copyFileSafely (const juce::File& source, const juce::File& target, size_t maxBytes)
{
    // A copy goes into a folder that is there; it makes none.
    if (! target.getParentDirectory().isDirectory())
        return false;

    const auto read = readWholeFile (source, maxBytes);
    return read.ok() && replaceFileContent (target, read.bytes.data(), read.bytes.size());
}

int removeStaleTemporaryFiles (const juce::File& folder)
{
    int removed = 0;

    for (const auto& file : folder.findChildFiles (juce::File::findFiles, false, ".*_temp*"))
        if (isLegacyTemporaryFile (file.getFileName()) && file.deleteFile())
            ++removed;

    for (const auto& file : folder.findChildFiles (juce::File::findFiles, false, juce::String ("*") + temporaryFileSuffix))
        if (processIsGone (file.getFileName()) && file.deleteFile())
            ++removed;

    return removed;
}

juce::File fileForPath (const juce::String& path)
{
    if (juce::File::isAbsolutePath (path))
        return juce::File (path);

    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}
