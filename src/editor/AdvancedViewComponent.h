#pragma once

#include "ViewContext.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The advanced view's panel, one of the three views the main component switches. */
class AdvancedViewComponent final : public juce::Component
{
public:
    explicit AdvancedViewComponent (ViewContext context);
    ~AdvancedViewComponent() override;

    void resized() override;

    /** Gives the controls the main component's look-and-feels. */
    void applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook);

    /** Shows a preset's values; with a sending notification every changed
        control also reaches the instrument.
    */
    void setFromPreset (const BXVandoriumPreset& preset, juce::NotificationType notification);

private:
    ViewContext context;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdvancedViewComponent)
};
