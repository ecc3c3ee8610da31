#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/** Checks a freshly written temporary file before it may replace the target. */
using WrittenFileCheck = std::function<bool (const juce::File& written)>;

/** Replaces a file's whole content, or leaves the old content in place.

    The bytes go to a temporary file in the same folder, which is synced to
    disk, checked (when a check is given) and only then moved over the
    target, so an interrupted, failed or garbled write never leaves a
    truncated or worse file. A temporary file that is not used is removed.
    Missing parent folders are created. Returns true when the file now holds
    exactly the given bytes.
*/
bool replaceFileContent (const juce::File& target, const void* data, size_t numBytes, const WrittenFileCheck& check = {});

/** The same, for UTF-8 text without a byte-order mark. */
bool replaceFileContent (const juce::File& target, const juce::String& text, const WrittenFileCheck& check = {});

/** Copies a regular file through replaceFileContent: the target is
    replaced only once the whole copy is written and synced, so a failed
    copy never costs the file that was there. Reads at most maxBytes; the
    target's folder must exist.
*/
bool copyFileSafely (const juce::File& source, const juce::File& target, size_t maxBytes);

/** Temporary files end with this, so that no wildcard of the editor (such
    as "*.vandorium") ever takes one for a real file.
*/
constexpr const char* temporaryFileSuffix = ".vdtmp";

/** Removes the temporary files that writes of processes that no longer run
    left in a folder (a process killed during a save). Writes still running
    in other instances of the editor are left alone. Gives the number removed.
*/
int removeStaleTemporaryFiles (const juce::File& folder);

/** The file a stored path names; a relative path counts from the working folder. */
juce::File fileForPath (const juce::String& path);
