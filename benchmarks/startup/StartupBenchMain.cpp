// Start-up and idle figures of the editor against a bare window of the same
// size, both started many times on the current X display (run it under
// Xvfb). Times run from just before the process is started to the window
// being mapped, and to the end of its first complete paint (which the
// programs report when VANDORIUM_TRACE_FIRST_PAINT names a file).
//   vandorium-startup-bench EDITOR BARE_WINDOW [RUNS] [IDLE_SECONDS]

#include "x11/XWindows.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
long long nowNs()
{
    timespec t {};
    clock_gettime (CLOCK_MONOTONIC, &t);
    return (long long) t.tv_sec * 1000000000LL + t.tv_nsec;
}

long residentKiB (pid_t pid)
{
    std::ifstream status ("/proc/" + std::to_string (pid) + "/status");

    for (std::string line; std::getline (status, line);)
        if (line.rfind ("VmRSS:", 0) == 0)
            return std::atol (line.c_str() + 6);

    return -1;
}

/** User plus system CPU time of a process, in clock ticks. */
long long cpuTicks (pid_t pid)
{
    std::ifstream stat ("/proc/" + std::to_string (pid) + "/stat");
    std::string text ((std::istreambuf_iterator<char> (stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind (')');

    if (close == std::string::npos)
        return -1;

    // Fields after the command: state is field 3; utime and stime are 14 and 15.
    std::vector<std::string> fields;
    size_t p = close + 2;

    while (p < text.size())
    {
        const auto space = text.find (' ', p);
        fields.push_back (text.substr (p, space - p));
        p = space == std::string::npos ? text.size() : space + 1;
    }

    return fields.size() > 12 ? std::atoll (fields[11].c_str()) + std::atoll (fields[12].c_str()) : -1;
}

struct Run
{
    double mappedMs = -1, paintedMs = -1;
    long rssKiB = -1;
};

struct Target
{
    std::string label, program, title;
    std::vector<std::string> arguments;
    std::string closeFirst; // a window to close before measuring idle, or empty
};

pid_t start (const Target& target, const std::string& traceFile)
{
    std::vector<char*> argv { const_cast<char*> (target.program.c_str()) };

    for (const auto& a : target.arguments)
        argv.push_back (const_cast<char*> (a.c_str()));

    argv.push_back (nullptr);
    setenv ("VANDORIUM_TRACE_FIRST_PAINT", traceFile.c_str(), 1);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init (&actions);
    posix_spawn_file_actions_addopen (&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen (&actions, 2, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const auto error = posix_spawn (&pid, target.program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy (&actions);
    unsetenv ("VANDORIUM_TRACE_FIRST_PAINT");
    return error == 0 ? pid : -1;
}

void stop (pid_t pid)
{
    kill (pid, SIGTERM);

    for (int i = 0; i < 300; ++i)
    {
        if (waitpid (pid, nullptr, WNOHANG) == pid)
            return;

        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    }

    kill (pid, SIGKILL);
    waitpid (pid, nullptr, 0);
}

long long readTrace (const std::string& file)
{
    std::ifstream in (file);
    long long value = -1;
    in >> value;
    return in ? value : -1;
}

Run measureOnce (Display* display, const Target& target)
{
    const auto traceFile = "/tmp/vandorium-startup-" + std::to_string (getpid()) + ".trace";
    std::remove (traceFile.c_str());

    Run run;
    XSelectInput (display, DefaultRootWindow (display), SubstructureNotifyMask);
    XSync (display, True);

    const auto t0 = nowNs();
    const auto pid = start (target, traceFile);

    if (pid < 0)
        return run;

    const auto deadline = t0 + 30'000'000'000LL;

    // Mapped: the first MapNotify of a window with the title.
    while (run.mappedMs < 0 && nowNs() < deadline)
    {
        while (XPending (display) > 0)
        {
            XEvent event;
            XNextEvent (display, &event);

            if (event.type == MapNotify && run.mappedMs < 0 && XWindows::nameOf (display, event.xmap.window) == target.title)
                run.mappedMs = (double) (nowNs() - t0) / 1e6;
        }

        if (run.mappedMs < 0)
        {
            pollfd fd { ConnectionNumber (display), POLLIN, 0 };
            poll (&fd, 1, 1);
        }
    }

    while (run.paintedMs < 0 && nowNs() < deadline)
    {
        if (const auto painted = readTrace (traceFile); painted > 0)
            run.paintedMs = (double) (painted - t0) / 1e6;
        else
            std::this_thread::sleep_for (std::chrono::microseconds (500));
    }

    // Resident memory once the start has settled.
    std::this_thread::sleep_for (std::chrono::milliseconds (1500));
    run.rssKiB = residentKiB (pid);

    XSelectInput (display, DefaultRootWindow (display), NoEventMask);
    stop (pid);
    std::remove (traceFile.c_str());
    return run;
}

struct Idle
{
    double cpuPercent = -1;
    long rssKiB = -1;
};

Idle measureIdle (Display* display, const Target& target, int seconds)
{
    const auto pid = start (target, "/dev/null");

    if (pid < 0)
        return {};

    std::this_thread::sleep_for (std::chrono::seconds (4));

    if (! target.closeFirst.empty())
        if (const auto window = XWindows::find (display, DefaultRootWindow (display), target.closeFirst))
            XWindows::askToClose (display, window);

    // Settled: the start-up checks are done, the idle timer runs.
    std::this_thread::sleep_for (std::chrono::seconds (4));
    const auto before = cpuTicks (pid);
    std::this_thread::sleep_for (std::chrono::seconds (seconds));
    const auto after = cpuTicks (pid);
    const auto rss = residentKiB (pid);
    stop (pid);

    return { 100.0 * (double) (after - before) / ((double) sysconf (_SC_CLK_TCK) * seconds), rss };
}

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc < 3)
    {
        std::fprintf (stderr, "usage: vandorium-startup-bench EDITOR BARE_WINDOW [RUNS] [IDLE_SECONDS]\n");
        return 2;
    }

    const auto runs = argc > 3 ? std::max (1, std::atoi (argv[3])) : 15;
    const auto idleSeconds = argc > 4 ? std::max (1, std::atoi (argv[4])) : 60;

    Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
    {
        std::fprintf (stderr, "vandorium-startup-bench: no display (run it under xvfb-run)\n");
        return 2;
    }

    XInternAtom (display, "WM_PROTOCOLS", False);
    XInternAtom (display, "WM_DELETE_WINDOW", False);

    const Target bare { "bare window", argv[2], "Bare Window", {}, {} };
    const Target editor { "editor, demo mode", argv[1], "Vandorium Editor", { "--demo" }, "Quick Start Guide" };

    std::printf ("Start-up, %d runs each, median (fastest); time from starting the process\n", runs);
    double medians[2][2] {};
    int index = 0;

    for (const auto* target : { &bare, &editor })
    {
        std::vector<double> mapped, painted, rss;
        measureOnce (display, *target); // warms the file cache

        for (int i = 0; i < runs; ++i)
        {
            const auto run = measureOnce (display, *target);
            mapped.push_back (run.mappedMs);
            painted.push_back (run.paintedMs);
            rss.push_back ((double) run.rssKiB / 1024.0);
        }

        medians[index][0] = median (mapped);
        medians[index][1] = median (painted);
        std::printf ("  %-18s mapped %7.1f ms (%6.1f)   first complete paint %7.1f ms (%6.1f)   resident 1.5 s later %5.1f MB\n", target->label.c_str(), median (mapped), *std::min_element (mapped.begin(), mapped.end()), median (painted), *std::min_element (painted.begin(), painted.end()), median (rss));
        ++index;
    }

    std::printf ("  ratio editor / bare: mapped %.2fx (target 2x), first complete paint %.2fx (target 3x)\n", medians[1][0] / medians[0][0], medians[1][1] / medians[0][1]);

    std::printf ("Idle over %d s once started, the quick start guide closed (target: editor at most 0.1 %% of a core, 30 MB)\n", idleSeconds);

    for (const auto* target : { &bare, &editor })
    {
        const auto idle = measureIdle (display, *target, idleSeconds);
        std::printf ("  %-18s CPU %.3f %% of a core   resident at the end %5.1f MB\n", target->label.c_str(), idle.cpuPercent, (double) idle.rssKiB / 1024.0);
    }

    XCloseDisplay (display);
    return 0;
}
