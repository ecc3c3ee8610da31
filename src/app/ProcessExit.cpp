#include "ProcessExit.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace
{
std::atomic<int> signalPipe { -1 };

void onSignal (int)
{
    // Only async-signal-safe work here: one byte into the pipe, errno kept.
    const auto savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write (signalPipe.load(), &byte, 1);
    errno = savedErrno;
}

juce::File& demoFolderToRemove()
{
    static juce::File folder;
    return folder;
}

void removeDemoFolderAtExit()
{
    if (demoFolderToRemove() != juce::File())
        demoFolderToRemove().deleteRecursively();
}

constexpr const char* demoPrefix = "vandorium-demo-";
} // namespace

QuitOnSignals::QuitOnSignals()
{
    if (::pipe2 (pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;

    signalPipe = pipeEnds[1];

    juce::LinuxEventLoop::registerFdCallback (pipeEnds[0], [this] (int)
                                              {
                                                  char drained[16];
                                                  while (::read (pipeEnds[0], drained, sizeof (drained)) > 0) {}

                                                  if (auto* app = juce::JUCEApplicationBase::getInstance())
                                                      app->systemRequestedQuit(); });

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset (&action.sa_mask);

    for (auto signalNumber : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction (signalNumber, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals()
{
    if (pipeEnds[0] < 0)
        return;

    for (auto signalNumber : { SIGTERM, SIGINT, SIGHUP })
        ::signal (signalNumber, SIG_DFL);

    // The pipe stays open to the end of the process: a signal arriving on
    // another thread right now must not write into a reused descriptor.
    juce::LinuxEventLoop::unregisterFdCallback (pipeEnds[0]);
}

juce::File DemoFolder::create()
{
    const auto temp = juce::File::getSpecialLocation (juce::File::tempDirectory);

    // "vandorium-demo-PID-UUID": a folder whose process is gone was left by
    // a demo that was killed.
    for (const auto& old : temp.findChildFiles (juce::File::findDirectories, false, juce::String (demoPrefix) + "*"))
    {
        const auto pid = old.getFileName().fromFirstOccurrenceOf (demoPrefix, false, false).upToFirstOccurrenceOf ("-", false, false).getIntValue();

        if (pid > 0 && pid != (int) ::getpid() && ::kill (pid, 0) != 0 && errno == ESRCH)
            old.deleteRecursively();
    }

    const auto folder = temp.getChildFile (demoPrefix + juce::String ((int) ::getpid()) + "-" + juce::Uuid().toString());
    folder.createDirectory();

    demoFolderToRemove() = folder;
    std::atexit (removeDemoFolderAtExit);
    return folder;
}
