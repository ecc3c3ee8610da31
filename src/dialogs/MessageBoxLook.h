#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Message boxes, confirmations and prompts in the program's look: a dark
    panel with a violet edge, the title in the caption face, light text
    (drawn by MessageBody), the program's buttons and an LCD text field.
    The dialog windows' title bars use it too.
*/
class MessageBoxLook final : public juce::LookAndFeel_V4
{
public:
    MessageBoxLook();

    void drawAlertBox (juce::Graphics&, juce::AlertWindow&, const juce::Rectangle<int>& textArea, juce::TextLayout&) override;
    juce::Font getAlertWindowTitleFont() override;
    juce::Font getAlertWindowMessageFont() override;
    juce::Font getAlertWindowFont() override;
    int getAlertWindowButtonHeight() override;

    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour, bool isMouseOverButton, bool isButtonDown) override;
    juce::Font getTextButtonFont (juce::TextButton&, int buttonHeight) override;

    void fillTextEditorBackground (juce::Graphics&, int width, int height, juce::TextEditor&) override;
    void drawTextEditorOutline (juce::Graphics&, int width, int height, juce::TextEditor&) override;

    void drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics&, int w, int h, int titleSpaceX, int titleSpaceW, const juce::Image* icon, bool drawTitleTextOnLeft) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;

    /** The room the title takes above the body. */
    static constexpr int titleHeight = 40;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MessageBoxLook)
};
