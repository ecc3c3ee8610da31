#pragma once

// Finding a top-level window by its title and asking it to close, as a
// window manager would: shared by the test and benchmark drivers.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

namespace XWindows
{
/** A window's title; the title may be stored as UTF8_STRING, which XFetchName refuses. */
inline std::string nameOf (Display* display, Window window)
{
    XTextProperty name {};
    std::string result;

    if (XGetWMName (display, window, &name) != 0 && name.value != nullptr)
    {
        result.assign (reinterpret_cast<const char*> (name.value), name.nitems);
        XFree (name.value);
    }

    return result;
}

/** The first window below a parent, at any depth, with that title; 0 for none. */
inline Window find (Display* display, Window parent, const std::string& title)
{
    Window root, parentOut, *children = nullptr;
    unsigned int count = 0;

    if (XQueryTree (display, parent, &root, &parentOut, &children, &count) == 0)
        return 0;

    Window found = 0;

    for (unsigned int i = 0; i < count && found == 0; ++i)
    {
        if (nameOf (display, children[i]) == title)
            found = children[i];
        else
            found = find (display, children[i], title);
    }

    if (children != nullptr)
        XFree (children);

    return found;
}

/** Sends WM_DELETE_WINDOW, as a window manager's close button does. */
inline void askToClose (Display* display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom (display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long) XInternAtom (display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent (display, window, False, NoEventMask, &event);
    XFlush (display);
}
} // namespace XWindows
