#pragma once

#include <juce_events/juce_events.h>

/** Ends the application through its normal shutdown on SIGTERM, SIGINT and
    SIGHUP, so the ports close and a demo's folder goes, as when the window
    is closed. The signal only writes to a pipe; the message loop reads it.
*/
class QuitOnSignals final
{
public:
    QuitOnSignals();
    ~QuitOnSignals();

private:
    int pipeEnds[2] = { -1, -1 };

    JUCE_DECLARE_NON_COPYABLE (QuitOnSignals)
};

/** The temporary folder of a demo run: named after the process, removed at
    any exit of the process (even one the window system forces), and
    folders left by demo runs that were killed are removed at the next one.
*/
namespace DemoFolder
{
juce::File create();
} // namespace DemoFolder
