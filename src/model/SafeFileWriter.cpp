#include "SafeFileWriter.h"

bool replaceFileContent (const juce::File& target, const void* data, size_t numBytes)
{
    if (target.isDirectory())
        return false;

    if (! target.getParentDirectory().createDirectory())
        return false;

    juce::TemporaryFile temp (target, juce::TemporaryFile::useHiddenFile);

    {
        juce::FileOutputStream out (temp.getFile());

        if (! out.openedOk())
            return false;

        if (numBytes > 0 && ! out.write (data, numBytes))
            return false;

        // Flushing also syncs the file to disk, so the move below never
        // puts an unwritten file in place of a good one.
        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    return temp.overwriteTargetFileWithTemporary();
}

bool replaceFileContent (const juce::File& target, const juce::String& text)
{
    const auto utf8 = text.toRawUTF8();
    return replaceFileContent (target, utf8, std::strlen (utf8));
}

juce::File fileForPath (const juce::String& path)
{
    if (juce::File::isAbsolutePath (path))
        return juce::File (path);

    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}
