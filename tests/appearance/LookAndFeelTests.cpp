#include "appearance/DesignLayout.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <gtest/gtest.h>

namespace
{
/** A filmstrip whose frame k is filled with the colour (k, 0, 255 - k). */
juce::Image numberedStrip (int frames, int frameWidth, int frameHeight)
{
    juce::Image strip (juce::Image::ARGB, frameWidth, frameHeight * frames, true);
    juce::Graphics g (strip);

    for (int k = 0; k < frames; ++k)
    {
        g.setColour (juce::Colour ((juce::uint8) k, (juce::uint8) 0, (juce::uint8) (255 - k)));
        g.fillRect (0, k * frameHeight, frameWidth, frameHeight);
    }

    return strip;
}

juce::Image canvas (int w, int h)
{
    return juce::Image (juce::Image::ARGB, w, h, true);
}

int frameShown (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getRed();
}
} // namespace

TEST (LookAndFeel, RotaryKnobShowsTheFrameOfItsPosition)
{
    VandoriumLookAndFeel look;
    look.setKnobImage (numberedStrip (128, 8, 8), 128);
    juce::Slider slider;

    const struct
    {
        float position;
        int frame;
    } cases[] = { { 0.0f, 0 }, { 0.5f, 64 }, { 1.0f, 127 }, { 0.25f, 32 } };

    for (const auto& c : cases)
    {
        auto image = canvas (16, 16);
        juce::Graphics g (image);
        look.drawRotarySlider (g, 0, 0, 16, 16, c.position, 0.0f, 1.0f, slider);
        EXPECT_EQ (frameShown (image, 8, 8), c.frame) << c.position;
    }

    EXPECT_EQ (look.getSliderThumbRadius (slider), 4);

    VandoriumLookAndFeel empty;
    auto image = canvas (8, 8);
    juce::Graphics g (image);
    empty.drawRotarySlider (g, 0, 0, 8, 8, 0.5f, 0.0f, 1.0f, slider);
    EXPECT_EQ (image.getPixelAt (4, 4).getAlpha(), 0);
}

TEST (LookAndFeel, KnobsCentredAtZeroLightTheirArcFromTheCentre)
{
    // The look picks the centred strip for knobs whose range runs through zero.
    VandoriumLookAndFeel look;
    look.setKnobImage (numberedStrip (128, 8, 8), 128);
    auto centred = numberedStrip (128, 8, 8);
    centred.multiplyAllAlphas (0.5f);
    look.setBipolarKnobImage (centred);

    for (const auto& [name, fromCentre] : { std::pair { "Filter Pitch Track", true }, { "Pitch Waveform Scan Rate", true }, { "Transpose", true }, { "Filter Cutoff", false }, { "Volume Volume", false } })
    {
        juce::Slider slider (name);
        auto image = canvas (8, 8);
        juce::Graphics g (image);
        look.drawRotarySlider (g, 0, 0, 8, 8, 0.75f, 0.0f, 1.0f, slider);
        EXPECT_EQ (image.getPixelAt (4, 4).getAlpha() < 200, fromCentre) << name;
        EXPECT_NEAR (frameShown (image, 4, 4), 95, 1) << name; // the same frame of either strip
    }

    // The generated strip: nothing lit at the centre frame, the minimum lit
    // on the left only, the maximum on the right only.
    const auto strip = juce::ImageFileFormat::loadFrom (juce::File (VANDORIUM_BUILT_RESOURCES).getChildFile ("Knob Big Bipolar.png"));
    ASSERT_TRUE (strip.isValid());
    const auto frameHeight = strip.getHeight() / 128;

    const auto litPixels = [&] (int frame, bool leftHalf)
    {
        int count = 0;
        const juce::Colour lit (DesignLayout::Colours::light);

        for (int y = 0; y < frameHeight; ++y)
            for (int x = leftHalf ? 0 : strip.getWidth() / 2 + 2; x < (leftHalf ? strip.getWidth() / 2 - 2 : strip.getWidth()); ++x)
                if (const auto c = strip.getPixelAt (x, frame * frameHeight + y); std::abs (c.getGreen() - lit.getGreen()) < 12 && std::abs (c.getRed() - lit.getRed()) < 12 && c.getAlpha() > 200)
                    ++count;

        return count;
    };

    EXPECT_EQ (litPixels (64, true) + litPixels (64, false), 0);
    EXPECT_GT (litPixels (0, true), 50);
    EXPECT_EQ (litPixels (0, false), 0);
    EXPECT_GT (litPixels (127, false), 50);
    EXPECT_EQ (litPixels (127, true), 0);
}

TEST (LookAndFeel, TwoStatePicturesShowTheirHalves)
{
    const auto halves = numberedStrip (2, 10, 10); // upper frame 0, lower frame 1

    VandoriumLookAndFeel look;
    look.setKnobImage (halves, 2);
    juce::ToggleButton toggle;
    toggle.setSize (20, 20);

    for (const bool on : { false, true })
    {
        toggle.setToggleState (on, juce::dontSendNotification);
        auto image = canvas (20, 20);
        juce::Graphics g (image);
        look.drawToggleButton (g, toggle, false, false);
        EXPECT_EQ (frameShown (image, 10, 10), on ? 1 : 0);
    }

    // Image buttons: pressed shows the lower half; "invert" swaps the halves.
    auto picture = halves;
    juce::ImageButton button;
    button.setSize (20, 20);

    const struct
    {
        bool invert, pressed;
        int frame;
    } cases[] = { { false, false, 0 }, { false, true, 1 }, { true, false, 1 }, { true, true, 0 } };

    for (const auto& c : cases)
    {
        button.getProperties().set ("invert", c.invert);
        button.setState (c.pressed ? juce::Button::buttonDown : juce::Button::buttonNormal);
        auto image = canvas (20, 20);
        juce::Graphics g (image);
        look.drawImageButton (g, &picture, 0, 0, 20, 20, juce::Colours::transparentBlack, 1.0f, button);
        EXPECT_EQ (frameShown (image, 10, 10), c.frame) << c.invert << c.pressed;
    }
}

TEST (LookAndFeel, ScrollThumbTravelsBetweenItsEnds)
{
    VandoriumLookAndFeel look;
    juce::Image thumb (juce::Image::ARGB, 10, 20, true);
    thumb.clear (thumb.getBounds(), juce::Colours::red);
    look.setKnobImage (thumb, 1);
    juce::ScrollBar bar (true);
    EXPECT_EQ (look.getMinimumScrollbarThumbSize (bar), 10);

    const auto topOfThumb = [&] (int thumbStart, int thumbSize)
    {
        auto image = canvas (14, 100);
        juce::Graphics g (image);
        look.drawScrollbar (g, bar, 0, 0, 14, 100, true, thumbStart, thumbSize, false, false);

        for (int y = 0; y < 100; ++y)
            if (image.getPixelAt (6, y).getAlpha() > 0)
                return y;

        return -1;
    };

    EXPECT_EQ (topOfThumb (0, 30), 2);
    EXPECT_EQ (topOfThumb (70, 30), 100 - 10 - 4);
    EXPECT_EQ (topOfThumb (0, 100), 2); // the thumb fills the track
}

TEST (LookAndFeel, ProgressRingHighlightsOneSpoke)
{
    EXPECT_EQ (VandoriumLookAndFeel::highlightedSpoke (0.3), 2);
    EXPECT_EQ (VandoriumLookAndFeel::highlightedSpoke (0.99), 7);
    EXPECT_EQ (VandoriumLookAndFeel::highlightedSpoke (0.0), 0);
    EXPECT_EQ (VandoriumLookAndFeel::highlightedSpoke (1.0), -1);
    EXPECT_EQ (VandoriumLookAndFeel::highlightedSpoke (-0.05), -1);

    VandoriumLookAndFeel look;
    double progress = 0.3;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::foregroundColourId, juce::Colours::white);

    auto image = canvas (100, 100);
    juce::Graphics g (image);
    look.drawProgressBar (g, bar, 100, 100, 0.3, {});

    // Spoke 2 points straight down; spoke 0 to the right; spoke 6 up.
    EXPECT_GT (image.getPixelAt (50, 82).getAlpha(), 200);
    EXPECT_LT (image.getPixelAt (82, 50).getAlpha(), 160);
    EXPECT_GT (image.getPixelAt (82, 50).getAlpha(), 60);
    EXPECT_LT (image.getPixelAt (50, 18).getAlpha(), 160);
}

TEST (LookAndFeel, OnlyTheTickedMenuItemGetsTheDarkBar)
{
    VandoriumLookAndFeel look;
    const juce::Rectangle<int> area (0, 0, 120, 24);
    const juce::Colour dark (VandoriumLookAndFeel::darkColour);

    for (const bool ticked : { true, false })
        for (const bool highlighted : { true, false })
        {
            auto image = canvas (120, 24);
            juce::Graphics g (image);
            look.drawPopupMenuItem (g, area, false, true, highlighted, ticked, false, "IONIAN", {}, nullptr, nullptr);

            const auto corner = image.getPixelAt (14, 2);
            EXPECT_EQ (corner == dark, ticked) << ticked << highlighted;
            EXPECT_EQ (image.getPixelAt (5, 12).getAlpha(), 0); // outside the bar
        }

    auto background = canvas (60, 40);
    juce::Graphics g (background);
    look.drawPopupMenuBackground (g, 60, 40);
    EXPECT_EQ (background.getPixelAt (30, 20), juce::Colour (VandoriumLookAndFeel::lightColour));
    EXPECT_EQ (background.getPixelAt (0, 0).getAlpha(), 0);
    EXPECT_EQ (look.findColour (juce::PopupMenu::backgroundColourId).getAlpha(), 0);
}

TEST (LookAndFeel, ComboBoxesShowOnlyTheirTextAndTooltipsFitTheirText)
{
    VandoriumLookAndFeel look;
    juce::ComboBox box;
    box.setLookAndFeel (&look);
    box.setBounds (0, 0, 112, 38);
    box.addItem ("IONIAN", 1);
    box.setSelectedId (1);

    auto image = canvas (112, 38);
    juce::Graphics g (image);
    look.drawComboBox (g, 112, 38, false, 0, 0, 0, 0, box);
    EXPECT_EQ (image.getPixelAt (56, 19).getAlpha(), 0);

    const auto size = VandoriumLookAndFeel::tooltipSize ("SCAN RATE");
    const auto font = VandoriumLookAndFeel::lcdFont();
    EXPECT_EQ (size.x, juce::roundToInt (font.getStringWidthFloat ("SCAN RATE")) + 8);
    EXPECT_EQ (size.y, (int) (font.getHeight() + 2.0f));
    EXPECT_EQ (look.getTooltipBounds ("SCAN RATE", { 10, 10 }, { 0, 0, 800, 600 }).getWidth(), size.x);

    // A long tip wraps at words to the sensible width, keeping every word.
    const juce::String longTip = "Volume Waveform Scan Amount is not used by SINE, TRIANGLE and SUPER SAW waveforms";
    const auto lines = VandoriumLookAndFeel::tooltipLines (longTip);
    EXPECT_GE (lines.size(), 3);
    EXPECT_EQ (lines.joinIntoString (" "), longTip);
    const auto wrapped = VandoriumLookAndFeel::tooltipSize (longTip);
    EXPECT_LE (wrapped.x, (int) VandoriumLookAndFeel::maxTooltipWidth * font.getHeight() / 18.0f + 8);
    EXPECT_EQ (wrapped.y, (int) (font.getHeight() * (float) lines.size() + 2.0f));

    box.setLookAndFeel (nullptr);
}
