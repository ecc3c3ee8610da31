#pragma once

#include "ViewContext.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The global view's panel, one of the three views the main component switches. */
class GlobalViewComponent final : public juce::Component
{
public:
    explicit GlobalViewComponent (ViewContext context);
    ~GlobalViewComponent() override;

    void resized() override;

    /** Gives the controls the main component's look-and-feels. */
    void applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook);

    /** Refreshes the two note read-outs (the preset's transposition may have changed). */
    void updateNoteLabels();

private:
    ViewContext context;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlobalViewComponent)
};
