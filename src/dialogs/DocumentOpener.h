#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/** Hands a document or a web address to the desktop, which shows it with the
    user's usual application. Tests record what was asked and never start a
    program.
*/
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;

    /** Why the desktop could not show it, for the user. */
    using Failed = std::function<void (const juce::String& reason)>;

    /** Returns at once; failed is called on the message thread if the desktop
        cannot show the target, possibly after this returns.
    */
    virtual void open (const juce::String& fileOrAddress, Failed failed) = 0;
};
