#pragma once

#include <juce_core/juce_core.h>

/** Replaces a file's whole content, or leaves the old content in place.

    The bytes go to a temporary file in the same folder, which is moved over
    the target only when everything was written, so an interrupted or failed
    write never leaves a truncated file. Missing parent folders are created.
    Returns true when the file now holds exactly the given bytes.
*/
bool replaceFileContent (const juce::File& target, const void* data, size_t numBytes);

/** The same, for UTF-8 text without a byte-order mark. */
bool replaceFileContent (const juce::File& target, const juce::String& text);

/** The file a stored path names; a relative path counts from the working folder. */
juce::File fileForPath (const juce::String& path);
