#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's look: knobs, buttons, check boxes and scrollbar thumbs come
    from filmstrip pictures; lists, menus and tooltips use the LCD typeface
    in the two program colours; progress is a ring of eight spokes.

    One instance carries one filmstrip, so a window owns one per kind.
*/
class VandoriumLookAndFeel final : public juce::LookAndFeel_V3
{
public:
    //==============================================================================
    static constexpr juce::uint32 darkColour = 0xff261565;
    static constexpr juce::uint32 lightColour = 0xffabd5ce;

    VandoriumLookAndFeel();
    ~VandoriumLookAndFeel() override;

    /** The filmstrip: frameCount equal frames stacked vertically. */
    void setKnobImage (const juce::File& file, int frameCount);

    /** The same with a picture already in memory. */
    void setKnobImage (const juce::Image& image, int frameCount);

    /** The filmstrip for knobs centred at zero, whose arc starts at the
        centre (same frame count); without it they use the other one.
    */
    void setBipolarKnobImage (const juce::File& file);
    void setBipolarKnobImage (const juce::Image& image);

    /** Whether a knob is centred at zero: its displayed range runs from a
        negative value to a positive one (pitch track, modulation, transpose).
    */
    static bool isCentredAtZero (const juce::Slider&);

    /** The filmstrip a knob is drawn from. */
    const juce::Image& knobImageFor (const juce::Slider&) const noexcept;

    const juce::Image& getKnobImage() const noexcept { return knobImage; }
    int getFrameCount() const noexcept { return frameCount; }

    /** The frame a rotary slider at this proportion shows. */
    int frameForPosition (float proportion) const noexcept;

    /** The spoke a progress value highlights, or -1 for none. */
    static int highlightedSpoke (double progress) noexcept;

    /** The LCD typeface at the menus' and lists' size. */
    static juce::Font lcdFont();

    //==============================================================================
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height, bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool isMouseOver, bool isMouseDown) override;
    int getMinimumScrollbarThumbSize (juce::ScrollBar&) override;

    void drawToggleButton (juce::Graphics&, juce::ToggleButton&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void drawImageButton (juce::Graphics&, juce::Image*, int imageX, int imageY, int imageW, int imageH, const juce::Colour& overlayColour, float imageOpacity, juce::ImageButton&) override;

    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive, bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text, const juce::String& shortcutKeyText, const juce::Drawable* icon, const juce::Colour* textColour) override;
    juce::Font getPopupMenuFont() override;

    void drawComboBox (juce::Graphics&, int width, int height, bool isButtonDown, int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;
    void positionComboBoxText (juce::ComboBox&, juce::Label&) override;

    int getSliderThumbRadius (juce::Slider&) override;
    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPosProportional, float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

    juce::Rectangle<int> getTooltipBounds (const juce::String& tipText, juce::Point<int> screenPos, juce::Rectangle<int> parentArea) override;
    void drawTooltip (juce::Graphics&, const juce::String& text, int width, int height) override;

    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height, double progress, const juce::String& textToShow) override;

    /** The tooltip's size for a text: its width in the LCD font plus 8, by the font height plus 2
        for each line.
    */
    static juce::Point<int> tooltipSize (const juce::String& tipText);

    /** A tooltip's lines: its text, wrapped at word boundaries when wider than maxTooltipWidth. */
    static juce::StringArray tooltipLines (const juce::String& tipText);

    /** The widest tooltip line at the design size, in pixels. */
    static constexpr float maxTooltipWidth = 300.0f;

private:
    int frameCount = 0;
    juce::Image knobImage, bipolarKnobImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VandoriumLookAndFeel)
};
