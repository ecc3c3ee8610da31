// Finds a top-level window by its title on the X display and asks it to
// close, as a window manager's close button does (WM_DELETE_WINDOW).
//   x-close-window TITLE [SECONDS]    exit 0 when found and asked, 1 when not found
//   x-close-window --destroy TITLE [SECONDS]
//                                     takes the window's client off the display instead
//   x-close-window --intern           creates the window manager atoms first: with no window
//                                     manager running, a client started later would not know them

#include "x11/XWindows.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

int main (int argc, char* argv[])
{
    if (argc < 2)
    {
        std::fprintf (stderr, "usage: x-close-window [--destroy] TITLE [SECONDS]\n");
        return 2;
    }

    // --destroy: the window system takes the window away (as a window
    // manager's "kill" does) instead of asking the program to close it.
    const auto destroy = std::string (argv[1]) == "--destroy";

    if (destroy)
    {
        --argc;
        ++argv;
    }

    if (argc < 2)
        return 2;

    const std::string title = argv[1];
    const auto seconds = argc > 2 ? std::atoi (argv[2]) : 10;

    Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
    {
        std::fprintf (stderr, "x-close-window: no display\n");
        return 2;
    }

    if (title == "--intern")
    {
        XInternAtom (display, "WM_PROTOCOLS", False);
        XInternAtom (display, "WM_DELETE_WINDOW", False);
        XCloseDisplay (display);
        return 0;
    }

    Window window = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (seconds);

    while ((window = XWindows::find (display, DefaultRootWindow (display), title)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for (std::chrono::milliseconds (100));

    if (window == 0)
    {
        std::fprintf (stderr, "x-close-window: no window titled \"%s\"\n", title.c_str());
        XCloseDisplay (display);
        return 1;
    }

    std::printf ("found \"%s\" (0x%lx)\n", title.c_str(), (unsigned long) window);

    if (destroy)
    {
        XKillClient (display, window);
        XCloseDisplay (display);
        return 0;
    }

    // The owner may replace its window while it starts, and may not handle
    // events yet: ask whichever window has the title until none has.
    for (int attempt = 0; attempt < 40 && window != 0; ++attempt)
    {
        XWindows::askToClose (display, window);
        std::this_thread::sleep_for (std::chrono::milliseconds (500));
        window = XWindows::find (display, DefaultRootWindow (display), title);
    }

    XCloseDisplay (display);
    return 0;
}
