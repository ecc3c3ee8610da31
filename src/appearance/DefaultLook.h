#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The framework's default look, with the shipped text faces: any text
    without a face of its own is drawn in them, regular or bold as asked,
    and the framework never has to scan the system's fonts for one.
*/
class DefaultLook final : public juce::LookAndFeel_V4
{
public:
    DefaultLook (juce::Typeface::Ptr regular, juce::Typeface::Ptr bold);

    juce::Typeface::Ptr getTypefaceForFont (const juce::Font&) override;

private:
    juce::Typeface::Ptr regular, bold;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DefaultLook)
};
