#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The inside of every message box: its icon, drawn whole, beside the
    message. The message keeps its own line breaks; only a line too wide
    for the screen is wrapped, into lines of balanced length, so no word is
    ever left alone on a line.
*/
class MessageBody final : public juce::Component
{
public:
    enum class Icon
    {
        none,
        warning,
        question
    };

    static constexpr int iconSize = 52;
    static constexpr int iconGap = 20;
    static constexpr int bottomGap = 12;

    /** maxWidth: the widest the body may be, icon included; by default what
        a message box may take on the main display.
    */
    MessageBody (Icon icon, const juce::String& message, int maxWidth = maxWidthOnMainDisplay());

    /** The framework keeps a box within 70 % of its parent's width and gives
        a body 80 % of the box.
    */
    static int maxWidthOnMainDisplay();

    void paint (juce::Graphics&) override;

    const juce::StringArray& getLines() const noexcept { return lines; }

    /** The lines a message is shown in: one per line of the message, a line
        wider than maxLineWidth wrapped into the fewest lines that fit, of
        balanced length.
    */
    static juce::StringArray layoutLines (const juce::String& message, const juce::Font& font, float maxLineWidth);

    /** The font of every message, and its line height. */
    static juce::Font messageFont();
    static int lineHeight();

    /** Draws a message box icon into an area. */
    static void drawIcon (juce::Graphics&, Icon, juce::Rectangle<float> area);

private:
    Icon icon;
    juce::StringArray lines;
    int textX = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MessageBody)
};
