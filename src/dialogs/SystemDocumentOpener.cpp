#include "SystemDocumentOpener.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace
{
// The opener usually returns at once; with no desktop running it may keep
// the viewer in the foreground, so it is polled until it ends.
constexpr int pollIntervalMs = 250;
} // namespace

SystemDocumentOpener::SystemDocumentOpener (juce::String opener)
    : openerProgram (std::move (opener))
{
}

SystemDocumentOpener::~SystemDocumentOpener()
{
    stopTimer();

    // Viewers the user opened stay open; only finished openers are reaped.
    for (auto& r : running)
        waitpid (r.pid, nullptr, WNOHANG);
}

void SystemDocumentOpener::open (const juce::String& fileOrAddress, Failed failed)
{
    const auto program = openerProgram.toStdString();
    const auto target = fileOrAddress.toStdString();
    char* const argv[] = { const_cast<char*> (program.c_str()), const_cast<char*> (target.c_str()), nullptr };

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init (&actions);
    posix_spawn_file_actions_addopen (&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen (&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen (&actions, 2, "/dev/null", O_WRONLY, 0);

    // A session of its own: a Ctrl+C in the editor's terminal leaves the viewer alone.
    posix_spawnattr_t attributes;
    posix_spawnattr_init (&attributes);
    posix_spawnattr_setflags (&attributes, POSIX_SPAWN_SETSID);

    pid_t pid = 0;
    const auto error = posix_spawnp (&pid, program.c_str(), &actions, &attributes, argv, environ);

    posix_spawnattr_destroy (&attributes);
    posix_spawn_file_actions_destroy (&actions);

    if (error != 0)
    {
        if (failed != nullptr)
            failed (error == ENOENT ? "No program to open documents is installed (\"" + openerProgram + "\" from the package xdg-utils)"
                                    : "\"" + openerProgram + "\" could not be started: " + juce::String (std::strerror (error)));
        return;
    }

    running.push_back ({ pid, std::move (failed), juce::Time::getMillisecondCounter() });

    if (! isTimerRunning())
        startTimer (pollIntervalMs);
}

juce::String SystemDocumentOpener::describeExitStatus (int waitStatus)
{
    if (WIFSIGNALED (waitStatus))
        return "The program that opens documents stopped unexpectedly (signal " + juce::String (WTERMSIG (waitStatus)) + ")";

    switch (WEXITSTATUS (waitStatus))
    {
        case 0:
            return {};
        case 2:
            return "The file does not exist or cannot be read";
        case 3:
            return "No application is set up on this computer to show it";
        case 4:
            return "The application set up to show it failed";
        default:
            return "The program that opens documents gave up (exit status " + juce::String (WEXITSTATUS (waitStatus)) + ")";
    }
}

bool SystemDocumentOpener::isFailureToOpen (int waitStatus, juce::uint32 runningForMs)
{
    if (WIFEXITED (waitStatus) && WEXITSTATUS (waitStatus) == 0)
        return false;

    // "No such file" and "no application" are said at once, whatever else ran.
    if (WIFEXITED (waitStatus) && (WEXITSTATUS (waitStatus) == 2 || WEXITSTATUS (waitStatus) == 3))
        return true;

    constexpr juce::uint32 openerAnswersWithinMs = 5000;
    return runningForMs < openerAnswersWithinMs;
}

void SystemDocumentOpener::timerCallback()
{
    std::vector<std::pair<Failed, juce::String>> failures;

    for (auto it = running.begin(); it != running.end();)
    {
        int status = 0;
        const auto result = waitpid (it->pid, &status, WNOHANG);

        if (result == 0 || (result < 0 && errno == EINTR))
        {
            ++it;
            continue;
        }

        // Reaped, or no longer ours to wait for (nothing to report then).
        const auto ranForMs = juce::Time::getMillisecondCounter() - it->startedMs;

        if (result > 0 && isFailureToOpen (status, ranForMs) && it->failed != nullptr)
            failures.emplace_back (std::move (it->failed), describeExitStatus (status));

        it = running.erase (it);
    }

    if (running.empty())
        stopTimer();

    // Called last: a failure may open a box, or ask to open something else.
    for (auto& [failed, reason] : failures)
        failed (reason);
}
