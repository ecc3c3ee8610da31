#pragma once

#include "DocumentOpener.h"

#include <juce_events/juce_events.h>

#include <sys/types.h>

/** Opens documents and addresses through the desktop's opener, "xdg-open",
    started directly (no shell, so no name is ever read as a command) in a
    session of its own. Its exit status is collected while it runs: the
    opener reports whether it found an application, and that is the only way
    to learn that nothing can show the document.
*/
class SystemDocumentOpener final : public DocumentOpener,
                                   private juce::Timer
{
public:
    /** opener: the program to start, normally "xdg-open" (looked up on the PATH). */
    explicit SystemDocumentOpener (juce::String opener = "xdg-open");
    ~SystemDocumentOpener() override;

    void open (const juce::String& fileOrAddress, Failed failed) override;

    /** The user's words for an exit status of the opener; empty for success. */
    static juce::String describeExitStatus (int waitStatus);

    /** Whether an exit status means the desktop could not show the target.
        Without a desktop session the opener waits for the viewer, so a late
        failure or signal is the viewer's own ending, not a failure to open.
    */
    static bool isFailureToOpen (int waitStatus, juce::uint32 runningForMs);

private:
    void timerCallback() override;

    struct Running
    {
        pid_t pid;
        Failed failed;
        juce::uint32 startedMs;
    };

    juce::String openerProgram;
    std::vector<Running> running;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SystemDocumentOpener)
};
